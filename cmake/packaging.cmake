# Installing the game and packing it: `cmake --install` puts the game, its
# manual page and its documents in the usual places; CPack makes a .deb and
# a .tar.gz on Linux and a .zip of the Windows build.

include(GNUInstallDirs)

# The maintainer of the packages, also named in the Debian changelog.
set(CPACK_PACKAGE_CONTACT "Emberfell developers <emberfell@example.org>")

# The documents are read while configuring; a change to one configures again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             CHANGELOG.md README.md LICENSE)

# The release's date, from its entry "## [1.0.1] - 2026-12-07" in
# CHANGELOG.md: as it is (the manual page), as Debian's changelog writes
# dates ("Mon, 07 Dec 2026"), and its midnight (UTC) in seconds since 1970,
# the date of every file in the packages.
file(STRINGS CHANGELOG.md release_line REGEX "^## \\[${PROJECT_VERSION}\\] - ")
if(NOT release_line MATCHES "([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\"")
endif()
set(EMBERFELL_RELEASE_DATE "${CMAKE_MATCH_0}")
# CMake's clock tells the time SOURCE_DATE_EPOCH gives: from a midnight a
# few days from the date (years of 365.25 days, months of 30.5), a day at a
# time until the clock shows the date. The builder's own value is kept.
set(builder_epoch "$ENV{SOURCE_DATE_EPOCH}")
math(EXPR days "(${CMAKE_MATCH_1} - 1970) * 1461 / 4 + (${CMAKE_MATCH_2} - 1) * 61 / 2 + ${CMAKE_MATCH_3} - 1")
foreach(try RANGE 8)
  math(EXPR EMBERFELL_RELEASE_EPOCH "${days} * 86400")
  set(ENV{SOURCE_DATE_EPOCH} ${EMBERFELL_RELEASE_EPOCH})
  string(TIMESTAMP shown "%Y-%m-%d" UTC)
  if(shown STREQUAL EMBERFELL_RELEASE_DATE)
    break()
  elseif(shown STRLESS EMBERFELL_RELEASE_DATE)
    math(EXPR days "${days} + 1")
  else()
    math(EXPR days "${days} - 1")
  endif()
endforeach()
if(NOT shown STREQUAL EMBERFELL_RELEASE_DATE)
  message(FATAL_ERROR "CHANGELOG.md: ${EMBERFELL_RELEASE_DATE} is no day of the calendar")
endif()
string(TIMESTAMP EMBERFELL_RELEASE_DAY "%a, %d %b %Y" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${builder_epoch}")

# A packager can send the game to the games directory
# (-DEMBERFELL_INSTALL_BINDIR=games).
set(EMBERFELL_INSTALL_BINDIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
    "Where the game is installed, relative to the prefix")

if(WIN32)
  # The .zip: the game beside its documents, as text files with the line
  # ends Windows editors expect.
  install(TARGETS emberfell RUNTIME DESTINATION .)
  foreach(document README.md LICENSE CHANGELOG.md)
    get_filename_component(name ${document} NAME_WE)
    file(READ ${PROJECT_SOURCE_DIR}/${document} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${PROJECT_BINARY_DIR}/documents/${name}.txt "${text}")
    install(FILES ${PROJECT_BINARY_DIR}/documents/${name}.txt DESTINATION .)
  endforeach()
else()
  install(TARGETS emberfell RUNTIME DESTINATION ${EMBERFELL_INSTALL_BINDIR})
  install(FILES README.md LICENSE CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # Debian looks in the doc directory for the licence, in the file
  # "copyright" in its machine-readable form, and for the release's entry
  # in its own changelog form, in "changelog.gz".
  configure_file(cmake/copyright.in ${PROJECT_BINARY_DIR}/documents/copyright COPYONLY)
  install(FILES ${PROJECT_BINARY_DIR}/documents/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  configure_file(cmake/changelog.in ${PROJECT_BINARY_DIR}/documents/changelog @ONLY)

  # The manual page with the version filled in, compressed as manual pages
  # are kept (without a time stamp, so that every build makes the same file).
  set(manpage ${PROJECT_BINARY_DIR}/documents/emberfell.6)
  configure_file(doc/emberfell.6.in ${manpage} @ONLY)
  set(changelog ${PROJECT_BINARY_DIR}/documents/changelog)
  find_program(EMBERFELL_GZIP gzip)
  if(EMBERFELL_GZIP)
    add_custom_command(OUTPUT ${manpage}.gz ${changelog}.gz
                       COMMAND ${EMBERFELL_GZIP} -9nkf ${manpage} ${changelog}
                       DEPENDS ${manpage} ${changelog} VERBATIM)
    add_custom_target(emberfell_documents ALL DEPENDS ${manpage}.gz ${changelog}.gz)
    set(manpage ${manpage}.gz)
    set(changelog ${changelog}.gz)
  endif()
  install(FILES ${manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME emberfell)
set(CPACK_PACKAGE_VENDOR "The Emberfell developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Emberfell is a single-player role-playing game for the terminal. A knight
fights monsters picked from a numbered list, takes eight quests from the
quest board one after another, buys weapons, armour, spells and potions in
town, rests at the inn and saves the game. The eighth quest is the fight
with the King of Dragons.

Every answer is one letter, a whole number or a name; every block of text
waits for one key press. The game expects a terminal of 80 by 25.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Every package of one release is the same file, byte for byte, wherever,
# whenever and under whatever umask it is made: cmake/cpack-project.cmake
# dates the packages' files by the release; cmake/cpack-stage.cmake sets the
# staged directories' permissions and puts Debian's game in /usr/games;
# cmake/cpack-debian-ar.cmake packs the .deb's members again with fixed
# permissions.
set(CPACK_EMBERFELL_RELEASE_EPOCH ${EMBERFELL_RELEASE_EPOCH})
set(CPACK_EMBERFELL_INSTALL_BINDIR ${EMBERFELL_INSTALL_BINDIR})
set(CPACK_EMBERFELL_AR ${CMAKE_AR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-project.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack-stage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack-debian-ar.cmake)

include(CPack)
