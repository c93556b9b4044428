# The four programs as pages for a browser (emscripten): each one HTML file
# with its JavaScript and WebAssembly inside (SINGLE_FILE), so that it works
# opened straight from disk as from any web server; the fixed-file programs
# carry their data file, and Kalvera reads what is typed in the page.
# Each page's script names its program first thing, so that a copy of the
# page under any name is still that program's, and the folder it runs in,
# where the fixed-file programs' data and the files a user chooses are.
set(GEOMETRIJA_WEB_HOME /radni)
# The page, with the interactive program's name from the build's list.
configure_file(${PROJECT_SOURCE_DIR}/web/page.html ${CMAKE_BINARY_DIR}/web/page.html @ONLY)
foreach(prog ${GEOMETRIJA_PROGRAM_NAMES})
  set_target_properties(${prog} PROPERTIES SUFFIX .html)
  set(name_js ${CMAKE_BINARY_DIR}/web/${prog}.js)
  file(WRITE ${name_js} "geometrijaPage('${prog}', '${GEOMETRIJA_WEB_HOME}');\n")
  target_link_options(${prog} PRIVATE "SHELL:--pre-js ${name_js}"
    -sSINGLE_FILE=1 -sMINIFY_HTML=0 -sFORCE_FILESYSTEM=1
    -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_RUNTIME_METHODS=FS -g0
    --shell-file ${CMAKE_BINARY_DIR}/web/page.html)
  set_property(TARGET ${prog} APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/web/page.html)
endforeach()
foreach(prog ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  target_link_options(${prog} PRIVATE
    "SHELL:--embed-file ${PROJECT_SOURCE_DIR}/data/${prog}.txt@${GEOMETRIJA_WEB_HOME}/${prog}.txt")
endforeach()
target_link_options(${GEOMETRIJA_INTERACTIVE_PROGRAM} PRIVATE -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=['wasi_snapshot_preview1.fd_read']"
  "SHELL:--js-library ${PROJECT_SOURCE_DIR}/web/stdin.js")
set_property(TARGET ${GEOMETRIJA_INTERACTIVE_PROGRAM} APPEND PROPERTY LINK_DEPENDS
             ${PROJECT_SOURCE_DIR}/web/stdin.js)
# The index links every page, each with a small picture of what it draws:
# the programs' own scenes drawn as SVG by web_picture (run under node) at
# build time and laid into the page, which stays one file.  Kalvera's is the
# point file the index shows as its example.
set(GEOMETRIJA_WEB_EXAMPLE "3 0 0 4 0 0 3")
set(example ${CMAKE_BINARY_DIR}/web/primer.txt)
file(WRITE ${example} "${GEOMETRIJA_WEB_EXAMPLE}\n")
add_executable(web_picture web/picture.cpp)
target_link_libraries(web_picture PRIVATE geometrija_input geometrija_flags geometrija_strict)
target_link_options(web_picture PRIVATE -sNODERAWFS=1)
set_target_properties(web_picture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/web)
set(pictures)
foreach(prog ${GEOMETRIJA_PROGRAM_NAMES})
  if(prog STREQUAL GEOMETRIJA_INTERACTIVE_PROGRAM)
    set(input ${example})
    set(label "${prog}: tacke iz primera ispod")
  else()
    set(input ${PROJECT_SOURCE_DIR}/data/${prog}.txt)
    set(label "${prog}: ${GEOMETRIJA_PICTURE_${prog}}")
  endif()
  set(svg ${CMAKE_BINARY_DIR}/web/${prog}.svg)
  add_custom_command(OUTPUT ${svg}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:web_picture> ${input} ${svg} ${label}
    DEPENDS web_picture ${input} VERBATIM)
  list(APPEND pictures ${svg})
endforeach()
set(index ${CMAKE_BINARY_DIR}/bin/index.html)
add_custom_command(OUTPUT ${index}
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/index.html -DOUTPUT=${index}
          -DPICTURES=${CMAKE_BINARY_DIR}/web "-DEXAMPLE=${GEOMETRIJA_WEB_EXAMPLE}"
          -P ${PROJECT_SOURCE_DIR}/web/index.cmake
  DEPENDS ${pictures} ${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_SOURCE_DIR}/web/index.cmake
          ${PROJECT_SOURCE_DIR}/cmake/programs.cmake VERBATIM)
add_custom_target(web_index ALL DEPENDS ${index})
