# Run by cpack on the files of the .deb before it packs them: Debian keeps
# games in /usr/games (lintian rejects a package of the games section with
# none there), wherever the build was configured to install the game. The
# game's directory holds the game alone; it moves whole, as it was made.
set(prefix "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(bindir "${prefix}/${CPACK_EMBERFELL_INSTALL_BINDIR}")
if(EXISTS "${bindir}/emberfell" AND NOT EXISTS "${prefix}/games")
  file(RENAME "${bindir}" "${prefix}/games")
endif()
