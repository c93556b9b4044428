# Run by CPack before and after it makes the Debian packages.  The programs'
# Depends come from dpkg-shlibdeps, which CPack's Debian generator skips
# without a word when it or file is missing: the package would install
# programs that cannot find their libraries.  Before: both tools must be
# there.  After: the programs' package must have a Depends field; one
# without is removed, and the build fails.
if(NOT DEFINED CPACK_PACKAGE_FILES)
  foreach(tool_and_package "file;file" "dpkg-shlibdeps;dpkg-dev")
    list(GET tool_and_package 0 tool)
    list(GET tool_and_package 1 package)
    find_program(tool_path ${tool})
    if(NOT tool_path)
      message(FATAL_ERROR "geometrija: the programs' package needs ${tool} to compute its "
                          "Depends: install the Debian package ${package} (scripts/test does)")
    endif()
    unset(tool_path CACHE)
  endforeach()
  return()
endif()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name "${package}" NAME)
  if(NOT name MATCHES "^geometrija_.*\\.deb$")
    continue()
  endif()
  execute_process(COMMAND dpkg-deb -f "${package}" Depends OUTPUT_VARIABLE depends
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(depends STREQUAL "")
    file(REMOVE ${CPACK_PACKAGE_FILES})
    message(FATAL_ERROR "geometrija: ${name} has no Depends (dpkg-shlibdeps found no "
                        "library): removed, not installable")
  endif()
endforeach()
