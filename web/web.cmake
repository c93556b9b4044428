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
# The index links every fixed-file page, with what its picture is.
set(GEOMETRIJA_PAGE_LINKS "")
foreach(prog ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  string(APPEND GEOMETRIJA_PAGE_LINKS
    "  <li><a href=\"${prog}.html\">${prog}</a>: ${GEOMETRIJA_PICTURE_${prog}}.</li>\n")
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/web/index.html ${CMAKE_BINARY_DIR}/bin/index.html @ONLY)
