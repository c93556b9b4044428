# Writes the pages' index from web/index.html: each program's item with its
# picture (PICTURES/NAME.svg, laid in whole) and what it reads.
#   cmake -DTEMPLATE=... -DOUTPUT=... -DPICTURES=... -DEXAMPLE=... -P web/index.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/programs.cmake)
foreach(prog ${GEOMETRIJA_PROGRAM_NAMES})
  file(READ ${PICTURES}/${prog}.svg GEOMETRIJA_SVG_${prog})
  string(STRIP "${GEOMETRIJA_SVG_${prog}}" GEOMETRIJA_SVG_${prog})
endforeach()
set(GEOMETRIJA_SVG_INTERACTIVE "${GEOMETRIJA_SVG_${GEOMETRIJA_INTERACTIVE_PROGRAM}}")
set(GEOMETRIJA_WEB_EXAMPLE "${EXAMPLE}")
set(GEOMETRIJA_PAGE_LINKS "")
foreach(prog ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  string(APPEND GEOMETRIJA_PAGE_LINKS
    "  <li>${GEOMETRIJA_SVG_${prog}}\n    <p><a href=\"${prog}.html\">${prog}</a>: cita fajl"
    " <code>${prog}.txt</code> koji nosi sa sobom; na slici: ${GEOMETRIJA_PICTURE_${prog}}.</p></li>\n")
endforeach()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
