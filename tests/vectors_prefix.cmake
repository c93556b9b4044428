# Checks that the test vectors begin with the released ones unchanged, so
# that a published case keeps its line and its number from release to
# release.  The release is recorded (lines, bytes, SHA-256 of the file as it
# was released) in provera/geometrija-vektori.izdanje, which says how to
# change a published case deliberately.
#   cmake -DVECTORS=FILE -DRELEASE=RECORD -P vectors_prefix.cmake
file(STRINGS "${RELEASE}" record REGEX "^(lines|bytes|sha256) ")
foreach(entry ${record})
  string(REGEX MATCH "^([a-z0-9]+) (.*)$" _ "${entry}")
  set(released_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
if(NOT released_lines OR NOT released_bytes OR NOT released_sha256)
  message(FATAL_ERROR "${RELEASE}: no lines, bytes and sha256 entries")
endif()
file(SIZE "${VECTORS}" size)
if(size LESS released_bytes)
  message(FATAL_ERROR "${VECTORS} is shorter than the released ${released_lines} lines")
endif()
file(READ "${VECTORS}" prefix LIMIT ${released_bytes})
string(SHA256 hash "${prefix}")
string(REGEX MATCHALL "\n" newlines "${prefix}")
list(LENGTH newlines count)
if(NOT hash STREQUAL released_sha256 OR NOT count EQUAL released_lines)
  message(FATAL_ERROR "${VECTORS} does not begin with the released ${released_lines} lines "
                      "unchanged: a published case moved or changed.  New cases go after "
                      "them; see ${RELEASE} for changing a published case deliberately.")
endif()
