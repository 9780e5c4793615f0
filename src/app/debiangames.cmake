# Run by CPack on the files staged for the package: the program moves from usr/bin to usr/games,
# where Debian keeps the programs of section games.
set(_staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${_staged}/bin/brankor")
  message(FATAL_ERROR "brankor is not staged in ${_staged}/bin")
endif()
file(MAKE_DIRECTORY "${_staged}/games")
file(RENAME "${_staged}/bin/brankor" "${_staged}/games/brankor")
file(GLOB _left "${_staged}/bin/*")
if(NOT _left)
  file(REMOVE_RECURSE "${_staged}/bin")
endif()
