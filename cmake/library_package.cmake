# The toolkit and its window as an installed library: the static libraries,
# the public headers under include/geometrija/, the CMake package
# (find_package(Geometrija)) and the pkg-config files, all relocatable.
# Everything here is the "dev" component (the Debian package
# libgeometrija-dev; the Windows SDK zip).
if(NOT GEOMETRIJA_INSTALL)
  return()
endif()
include(CMakePackageConfigHelpers)

# Two libraries: the toolkit, and the window over it.
set(GEOMETRIJA_EXPORTED toolkit)
if(GEOMETRIJA_WINDOW)
  list(APPEND GEOMETRIJA_EXPORTED window geometrija)
endif()
list(TRANSFORM GEOMETRIJA_EXPORTED PREPEND geometrija_ OUTPUT_VARIABLE exported_targets)
install(TARGETS ${exported_targets} EXPORT GeometrijaTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The public headers are the folder include/geometrija/, all of it; they
# include each other by name, so that a consumer's include path needs only
# PREFIX/include.  Without the window, its two headers stay out.
if(GEOMETRIJA_WINDOW)
  set(window_headers)
else()
  set(window_headers PATTERN geometrija.h EXCLUDE PATTERN graphics.h EXCLUDE)
endif()
install(DIRECTORY include/geometrija DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev
        ${window_headers})

set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Geometrija)
install(EXPORT GeometrijaTargets NAMESPACE Geometrija:: DESTINATION ${cmake_dir} COMPONENT dev)
configure_package_config_file(cmake/GeometrijaConfig.cmake.in
  ${CMAKE_BINARY_DIR}/GeometrijaConfig.cmake INSTALL_DESTINATION ${cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/GeometrijaConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/GeometrijaConfig.cmake
              ${CMAKE_BINARY_DIR}/GeometrijaConfigVersion.cmake cmake/GeometrijaWindowDeps.cmake
        DESTINATION ${cmake_dir} COMPONENT dev)

# pkg-config: the prefix is found from the .pc file's own folder, so that a
# copied prefix still works.
set(pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
string(REGEX REPLACE "[^/]+" ".." GEOMETRIJA_PC_UP "${pc_dir}")
if(WIN32)
  set(GEOMETRIJA_PC_REQUIRES "")
  set(GEOMETRIJA_PC_WINDOW_LIBS
      "-lfreeglut_static -lglu32 -lopengl32 -lgdi32 -lwinmm -luser32 -lkernel32")
  set(GEOMETRIJA_PC_WINDOW_CFLAGS "-DFREEGLUT_STATIC")
  set(GEOMETRIJA_PC_STATIC_LIBS "")
else()
  # freeglut by name, not by its glut.pc: Debian's adds the Windows-only
  # -DFREEGLUT_STATIC to every compile line.  What a static link of it needs
  # is what that file names.
  set(GEOMETRIJA_PC_REQUIRES "glu gl x11")
  set(GEOMETRIJA_PC_WINDOW_LIBS "-lglut")
  set(GEOMETRIJA_PC_WINDOW_CFLAGS "")
  set(GEOMETRIJA_PC_STATIC_LIBS "-lXxf86vm -lXrandr -lm")
endif()
# The static runtime that a program linking the libraries needs with mingw-w64.
set(GEOMETRIJA_PC_RUNTIME "")
if(GEOMETRIJA_STATIC_RUNTIME)
  set(GEOMETRIJA_PC_RUNTIME " ${GEOMETRIJA_STATIC_RUNTIME}")
endif()
configure_file(cmake/geometrija-toolkit.pc.in ${CMAKE_BINARY_DIR}/geometrija-toolkit.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/geometrija-toolkit.pc DESTINATION ${pc_dir} COMPONENT dev)
if(GEOMETRIJA_WINDOW)
  configure_file(cmake/geometrija.pc.in ${CMAKE_BINARY_DIR}/geometrija.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/geometrija.pc DESTINATION ${pc_dir} COMPONENT dev)
endif()

# The examples, as sources to build against the installed library, with the
# pictures of their windows that library.md shows.
include(${PROJECT_SOURCE_DIR}/examples/examples.cmake)
set(example_files examples/CMakeLists.txt examples/examples.cmake examples/tacke.txt)
foreach(example ${GEOMETRIJA_EXAMPLE_NAMES})
  list(APPEND example_files examples/${example}.cpp docs/examples/${example}.png)
endforeach()
install(FILES ${example_files}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libgeometrija-dev/examples COMPONENT dev)
install(FILES examples/provera/skeleton.cpp
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libgeometrija-dev/examples/provera
        COMPONENT dev)
