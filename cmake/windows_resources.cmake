# What a Windows executable says of itself, built with mingw-w64's windres:
# version information (product, version, description, copyright, original
# file name) in every one, and in the four programs their icon and their
# manifest (windows/program.manifest).  The texts come from
# cmake/programs.cmake, the version from project(), the copyright and its
# holder from LICENSE.  The installer gets the same texts through
# windows/installer-version.nsh.in, configured into the build folder.
enable_language(RC)

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE GEOMETRIJA_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\([cC]\\) [0-9, -]+ (the )?" "" GEOMETRIJA_PUBLISHER
       "${GEOMETRIJA_COPYRIGHT}")
set(GEOMETRIJA_RESOURCE_DIR ${PROJECT_BINARY_DIR}/windows)
configure_file(${PROJECT_SOURCE_DIR}/windows/installer-version.nsh.in
               ${GEOMETRIJA_RESOURCE_DIR}/installer-version.nsh @ONLY)

# The programs' icon, made at build time from the heart's picture: the
# square around the heart, scaled to each size an icon holds, its contrast
# raised so that the one-pixel lines still show at 16 x 16 (netpbm), then
# put together by icotool (icoutils).  Without those tools (a native MSYS2
# build) the programs are built without an icon.
set(icon_source ${PROJECT_SOURCE_DIR}/docs/srce.png)
set(icon_crop "-left 292 -top 130 -width 440 -height 440")
set(icon_sizes 16 24 32 48 256)
set(GEOMETRIJA_ICON "")
set(icon_tools pngtopam pamcut pamscale pnmnorm pamtopng icotool)
set(icon_missing "")
foreach(tool ${icon_tools})
  find_program(GEOMETRIJA_${tool} ${tool})
  if(NOT GEOMETRIJA_${tool})
    list(APPEND icon_missing ${tool})
  endif()
endforeach()
if(icon_missing)
  string(REPLACE ";" ", " icon_missing "${icon_missing}")
  message(STATUS "Windows programs without an icon: no ${icon_missing} (Debian: netpbm, icoutils)")
else()
  set(GEOMETRIJA_ICON ${GEOMETRIJA_RESOURCE_DIR}/geometrija.ico)
  set(icon_pngs)
  foreach(size ${icon_sizes})
    set(png ${GEOMETRIJA_RESOURCE_DIR}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND sh -c "\"$1\" \"$2\" | \"$3\" ${icon_crop} | \"$4\" -width $7 -height $7 | \"$5\" -keephues -bpercent 3 -wpercent 50 -quiet | \"$6\" > \"$8\""
              sh ${GEOMETRIJA_pngtopam} ${icon_source} ${GEOMETRIJA_pamcut} ${GEOMETRIJA_pamscale}
              ${GEOMETRIJA_pnmnorm} ${GEOMETRIJA_pamtopng} ${size} ${png}
      DEPENDS ${icon_source} VERBATIM)
    list(APPEND icon_pngs ${png})
  endforeach()
  add_custom_command(OUTPUT ${GEOMETRIJA_ICON}
    COMMAND ${GEOMETRIJA_icotool} -c -o ${GEOMETRIJA_ICON} ${icon_pngs}
    DEPENDS ${icon_pngs} VERBATIM)
  add_custom_target(geometrija_icon DEPENDS ${GEOMETRIJA_ICON})
endif()

# Gives TARGET its version information, described by
# GEOMETRIJA_DESCRIPTION_<NAME> (NAME: the target's, or the one given);
# with PROGRAM also the icon and the manifest.
function(geometrija_windows_resources target)
  cmake_parse_arguments(arg "PROGRAM" "NAME" "" ${ARGN})
  set(GEOMETRIJA_RC_NAME ${target})
  if(arg_NAME)
    set(GEOMETRIJA_RC_NAME ${arg_NAME})
  endif()
  set(GEOMETRIJA_RC_DESCRIPTION "${GEOMETRIJA_DESCRIPTION_${GEOMETRIJA_RC_NAME}}")
  if(NOT GEOMETRIJA_RC_DESCRIPTION)
    message(FATAL_ERROR "no GEOMETRIJA_DESCRIPTION_${GEOMETRIJA_RC_NAME} in cmake/programs.cmake")
  endif()
  set(GEOMETRIJA_RC_EXTRA "")
  set(depends ${PROJECT_SOURCE_DIR}/windows/program.manifest)
  if(arg_PROGRAM)
    # Resource 1 of type 24 (RT_MANIFEST): the manifest Windows reads when
    # it starts the program.
    set(GEOMETRIJA_RC_EXTRA
        "1 24 \"${PROJECT_SOURCE_DIR}/windows/program.manifest\"")
    if(GEOMETRIJA_ICON)
      # The first icon is the one Explorer shows.
      string(APPEND GEOMETRIJA_RC_EXTRA "\n1 ICON \"${GEOMETRIJA_ICON}\"")
      list(APPEND depends ${GEOMETRIJA_ICON})
      add_dependencies(${target} geometrija_icon)
    endif()
  endif()
  set(rc ${GEOMETRIJA_RESOURCE_DIR}/${GEOMETRIJA_RC_NAME}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/windows/version.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${depends}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
