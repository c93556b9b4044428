# The two Debian packages and their documentation, from one build:
#   geometrija: the programs in /usr/bin (stripped), data in
#     /usr/share/geometrija, one manual page that all four share, and in
#     /usr/share/doc/geometrija the users' README (docs/programs.md) with
#     every picture and point file it shows; its library dependencies come
#     from dpkg-shlibdeps, and scripts/deb_depends.cmake fails the build
#     rather than write it without them.  A build with debug information
#     (every type but MinSizeRel) also gives geometrija-dbgsym: CPack splits
#     the information off and strips the programs itself, which its own
#     strip option, run first, would prevent.
#   libgeometrija-dev: the static libraries in the multiarch folder, the
#     headers, the CMake package, the .pc files and the examples
#     (cmake/library_package.cmake), and geometrija-provera with its manual
#     page; it depends on what linking a window needs.
# Both carry the licence in Debian's machine-readable form and the Debian
# changelog, which takes its version from this project's; manual pages and
# changelog are compressed without a timestamp, as Debian wants them.
set(GEOMETRIJA_MAINTAINER "Geometrija authors <geometrija@example.org>" CACHE STRING
    "Maintainer of the Debian package, as NAME <ADDRESS>")
configure_file(docs/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
  COMMAND sh -c "gzip -9n < changelog > changelog.gz"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/debian
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog VERBATIM)

# A manual page, compressed into build/man; the target that makes it is
# added to the docs target.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
function(geometrija_man_page page)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
    COMMAND sh -c "gzip -9n < '${PROJECT_SOURCE_DIR}/docs/man/${page}.1' > ${page}.1.gz"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/man
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page}.1 VERBATIM)
endfunction()

# The programs' one page is the interactive program's; each fixed-file
# program's name links to it.
set(deb_page ${GEOMETRIJA_INTERACTIVE_PROGRAM})
geometrija_man_page(${deb_page})
geometrija_man_page(geometrija-provera)
set(deb_program_pages ${CMAKE_BINARY_DIR}/man/${deb_page}.1.gz)
foreach(prog ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  file(CREATE_LINK ${deb_page}.1.gz ${CMAKE_BINARY_DIR}/man/${prog}.1.gz SYMBOLIC)
  list(APPEND deb_program_pages ${CMAKE_BINARY_DIR}/man/${prog}.1.gz)
endforeach()
add_custom_target(docs ALL DEPENDS ${CMAKE_BINARY_DIR}/man/${deb_page}.1.gz
                                   ${CMAKE_BINARY_DIR}/man/geometrija-provera.1.gz
                                   ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${deb_program_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
install(FILES ${CMAKE_BINARY_DIR}/man/geometrija-provera.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT dev)

# The users' README, as README.md, beside the pictures it shows in the
# folders it names them in: the programs' pictures, and the limits' with
# the point files they were drawn from.
set(deb_doc ${CMAKE_INSTALL_DOCDIR})
install(FILES docs/programs.md DESTINATION ${deb_doc} RENAME README.md COMPONENT programs)
set(deb_pictures)
foreach(prog ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  list(APPEND deb_pictures docs/${prog}.png)
endforeach()
install(FILES ${deb_pictures} docs/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${deb_doc} COMPONENT programs)
file(GLOB deb_limits RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/docs/limits/*.png
                                                     ${PROJECT_SOURCE_DIR}/docs/limits/*.txt)
install(FILES ${deb_limits} DESTINATION ${deb_doc}/limits COMPONENT programs)
install(FILES docs/library.md docs/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libgeometrija-dev COMPONENT dev)

# The programs as the package's description names them: "A, B, C and D".
set(deb_names ${GEOMETRIJA_PROGRAM_NAMES})
list(POP_BACK deb_names deb_last)
list(JOIN deb_names ", " deb_program_list)
string(APPEND deb_program_list " and ${deb_last}")

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs dev)
set(CPACK_PACKAGE_NAME geometrija)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${GEOMETRIJA_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME geometrija)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION
    "Delaunay triangulation of up to 99 points, shown in an OpenGL window\nFour console programs (${deb_program_list}) that read points\ntyped in or from a text file and show their Delaunay triangulation.")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libgeometrija-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# geometrija-provera's libraries, added to the Depends below.
set(CPACK_DEBIAN_DEV_PACKAGE_SHLIBDEPS ON)
# What linking a window needs, with pkg-config --static too (freeglut's
# static library needs the XF86VidMode and RandR extensions).
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "freeglut3-dev, libglu1-mesa-dev, libgl-dev, libx11-dev, libxxf86vm-dev, libxrandr-dev")
set(CPACK_DEBIAN_DEV_DESCRIPTION
    "geometry toolkit and OpenGL window of Geometrija for one's own exercises\nStatic libraries, headers, a CMake package and pkg-config files: the\nintersections, distance, bisector, normal, circles and the Delaunay\ntriangulation of the Geometrija programs, with their window; and\ngeometrija-provera, which grades a student's own implementation of them\nagainst the toolkit's test vectors.")
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/scripts/deb_depends.cmake
                            ${PROJECT_SOURCE_DIR}/scripts/deb_pc_prefix.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/scripts/deb_depends.cmake)
if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
  set(CPACK_STRIP_FILES ON)
else()
  set(CPACK_DEBIAN_PROGRAMS_DEBUGINFO_PACKAGE ON)
  list(APPEND CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/scripts/fix_dbgsym.cmake)
endif()
include(CPack)
