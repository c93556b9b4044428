# Run by CPack before it makes the Debian packages: the staged .pc files name
# their prefix as /usr, where the package puts them, instead of finding it
# from their own folder.  pkg-config then knows /usr/include and the
# multiarch library folder for the system's own and leaves them off the
# compile and link lines.  Every other installation keeps the relocatable
# files.
file(GLOB_RECURSE pc_files "${CPACK_TEMPORARY_DIRECTORY}/*.pc")
foreach(pc IN LISTS pc_files)
  file(READ "${pc}" text)
  string(REGEX REPLACE "(^|\n)prefix=[^\n]*" "\\1prefix=${CPACK_PACKAGING_INSTALL_PREFIX}" text
         "${text}")
  file(WRITE "${pc}" "${text}")
endforeach()
