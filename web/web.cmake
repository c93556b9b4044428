# The four programs as pages for a browser (emscripten): each one HTML file
# with its JavaScript and WebAssembly inside (SINGLE_FILE), so that it works
# opened straight from disk as from any web server; the fixed-file programs
# carry their data file, and Kalvera reads what is typed in the page.
foreach(prog ${GEOMETRIJA_PROGRAM_NAMES})
  set_target_properties(${prog} PROPERTIES SUFFIX .html)
  target_link_options(${prog} PRIVATE
    -sSINGLE_FILE=1 -sMINIFY_HTML=0 -sFORCE_FILESYSTEM=1
    -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_RUNTIME_METHODS=FS -g0
    --shell-file ${PROJECT_SOURCE_DIR}/web/page.html)
  set_property(TARGET ${prog} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/page.html)
endforeach()
foreach(prog tovrin1 srce viroda)
  target_link_options(${prog} PRIVATE
    "SHELL:--embed-file ${PROJECT_SOURCE_DIR}/data/${prog}.txt@/${prog}.txt")
endforeach()
target_link_options(Kalvera PRIVATE -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=['wasi_snapshot_preview1.fd_read']"
  "SHELL:--js-library ${PROJECT_SOURCE_DIR}/web/stdin.js")
set_property(TARGET Kalvera APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/stdin.js)
configure_file(${PROJECT_SOURCE_DIR}/web/index.html ${CMAKE_BINARY_DIR}/bin/index.html COPYONLY)
