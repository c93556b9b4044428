# Run by CPack after it has made the packages: CMake 3.25 writes the
# debug-symbols package's md5sums with the absolute paths of its staging
# directory, and gives that package no copyright file.  This rewrites the
# md5sums with the package's own paths and links its documentation
# directory to the main package's, as Debian's own -dbgsym packages do (it
# depends on that exact version).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_.*\\.ddeb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(STRINGS "${tree}/DEBIAN/md5sums" sums)
  set(fixed "")
  foreach(line IN LISTS sums)
    string(REGEX REPLACE "^([0-9a-f]+)  .*-dbgsym/(usr/.*)$" "\\1  \\2" line "${line}")
    string(APPEND fixed "${line}\n")
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${fixed}")
  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK geometrija "${tree}/usr/share/doc/geometrija-dbgsym" SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
