# Run by cpack on the .deb it made. CPack writes the .deb's three members
# (debian-binary, control.tar.gz, data.tar.gz) to files first, as the
# builder's umask allows, and packs them with those permissions; no CPack
# setting changes them. The archiver packs them again in its deterministic
# mode: owned by root, mode 644, dated 1970, whoever makes the package.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(members_dir "${CPACK_TOPLEVEL_DIRECTORY}/deb-members")
  file(REMOVE_RECURSE "${members_dir}")
  file(MAKE_DIRECTORY "${members_dir}")
  execute_process(COMMAND ${CPACK_EMBERFELL_AR} t "${package}"
                  OUTPUT_VARIABLE members OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" members "${members}")
  execute_process(COMMAND ${CPACK_EMBERFELL_AR} x "${package}"
                  WORKING_DIRECTORY "${members_dir}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE "${package}")
  execute_process(COMMAND ${CPACK_EMBERFELL_AR} rcD "${package}" ${members}
                  WORKING_DIRECTORY "${members_dir}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${members_dir}")
endforeach()
