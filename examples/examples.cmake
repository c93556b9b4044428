# The examples, named here and nowhere else: each NAME is NAME.cpp, a small
# main that uses the toolkit and opens the window, whose picture is
# docs/examples/NAME.png.  The build, the packages and the scripts take the
# names from here: the scripts, which run before any build, as
#   cmake -P examples/examples.cmake
# prints them, one line, separated by spaces.
set(GEOMETRIJA_EXAMPLE_NAMES circumcircles bisectors crossings)

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  list(JOIN GEOMETRIJA_EXAMPLE_NAMES " " line)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${line}")
endif()
