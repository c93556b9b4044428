# The programs, named here and nowhere else.  Kalvera asks for its points;
# each fixed-file program shows data/NAME.txt, read from the folder it runs
# in.  The build, the tests, the scripts, the installer and the pages all
# take the names from here: the scripts, which run before any build, as
#   cmake -DGEOMETRIJA_LIST=fixed|all -P cmake/programs.cmake
# prints them, one line, separated by spaces (product: the product's name).
set(GEOMETRIJA_INTERACTIVE_PROGRAM Kalvera)
set(GEOMETRIJA_FIXED_FILE_PROGRAMS tovrin1 srce viroda)
set(GEOMETRIJA_PROGRAM_NAMES ${GEOMETRIJA_INTERACTIVE_PROGRAM} ${GEOMETRIJA_FIXED_FILE_PROGRAMS})

# What each fixed-file program's picture is, for the pages' index.
set(GEOMETRIJA_PICTURE_tovrin1 "rasuti skup tacaka")
set(GEOMETRIJA_PICTURE_srce "srce")
set(GEOMETRIJA_PICTURE_viroda "mreza 4 x 4 cija temena celija leze na kruznicama")

# What Windows shows of each executable (its Properties, Task Manager, the
# UAC prompt): the product, and each one's description.
set(GEOMETRIJA_PRODUCT "Geometrija")
set(GEOMETRIJA_DESCRIPTION_Kalvera "Geometrija: Delaunayeva triangulacija unetih tacaka")
foreach(prog ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  set(GEOMETRIJA_DESCRIPTION_${prog} "Geometrija: ${GEOMETRIJA_PICTURE_${prog}}")
endforeach()
set(GEOMETRIJA_DESCRIPTION_geometrija-provera
    "Geometrija: provera sopstvene implementacije alata")
set(GEOMETRIJA_DESCRIPTION_setup "Geometrija: instalacija i uklanjanje")

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED GEOMETRIJA_LIST)
  if(GEOMETRIJA_LIST STREQUAL "fixed")
    set(names ${GEOMETRIJA_FIXED_FILE_PROGRAMS})
  elseif(GEOMETRIJA_LIST STREQUAL "all")
    set(names ${GEOMETRIJA_PROGRAM_NAMES})
  elseif(GEOMETRIJA_LIST STREQUAL "product")
    set(names ${GEOMETRIJA_PRODUCT})
  else()
    message(FATAL_ERROR "GEOMETRIJA_LIST is fixed, all or product, not '${GEOMETRIJA_LIST}'")
  endif()
  list(JOIN names " " line)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${line}")
endif()
