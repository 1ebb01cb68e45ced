# Run by cpack on the staged files of each package, before it packs them.

# CPack makes the directories as the builder's umask allows, whatever
# CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS says; they are set here.
file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}"
     DIRECTORY_PERMISSIONS ${CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

# Debian keeps games in /usr/games (lintian rejects a package of the games
# section with none there), wherever the build was configured to install
# the game. The game's directory holds the game alone: it moves whole.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(prefix "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
  set(bindir "${prefix}/${CPACK_EMBERFELL_INSTALL_BINDIR}")
  if(EXISTS "${bindir}/emberfell" AND NOT EXISTS "${prefix}/games")
    file(RENAME "${bindir}" "${prefix}/games")
  endif()
endif()
