# Run by CPack on its staging folder before it builds the package: Debian
# keeps games in /usr/games, while `make install` puts them in PREFIX/bin.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${usr}/bin/selvako" OR NOT EXISTS "${usr}/bin/selvako-cli")
  message(FATAL_ERROR "the programs are not staged in ${usr}/bin")
endif()
file(MAKE_DIRECTORY "${usr}/games")
foreach(program selvako selvako-cli)
  file(RENAME "${usr}/bin/${program}" "${usr}/games/${program}")
endforeach()
file(GLOB left "${usr}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/bin")
endif()
