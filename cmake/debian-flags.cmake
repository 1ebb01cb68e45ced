# Debian builds what it ships with the flags dpkg-buildflags gives: the
# stack protector, fortified C library calls and full RELRO with BIND_NOW.
# Where dpkg-buildflags is found the game is built with them too, so that
# the .deb made from any configure is hardened. The developer presets turn
# them off: their -O0 builds stay as a debugger expects them.

find_program(EMBERFELL_DPKG_BUILDFLAGS dpkg-buildflags)
set(debian_flags_default OFF)
if(EMBERFELL_DPKG_BUILDFLAGS AND NOT CMAKE_CROSSCOMPILING AND NOT EMSCRIPTEN)
  set(debian_flags_default ON)
endif()
option(EMBERFELL_DEBIAN_FLAGS "Build with the flags of dpkg-buildflags (hardening, -O2 -g)"
       ${debian_flags_default})

if(EMBERFELL_DEBIAN_FLAGS)
  if(NOT EMBERFELL_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "EMBERFELL_DEBIAN_FLAGS needs dpkg-buildflags (package dpkg-dev)")
  endif()
  # BIND_NOW is not among the defaults; hardening=+all adds it. A packager's
  # own DEB_BUILD_MAINT_OPTIONS come after and have the last word.
  set(maint_options "hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${maint_options}"
              ${EMBERFELL_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    # dpkg-buildflags maps the directory it runs in to "."; which directory
    # that is depends on where cmake was started. The maps below replace it.
    string(REGEX REPLACE "-f(file|debug|macro)-prefix-map=[^ ]*" "" flags "${flags}")
    set(debian_${kind} "${flags}")
  endforeach()
  # Before the project's and the user's own flags, and before those of the
  # build type, which choose the optimization level when they give one.
  string(PREPEND CMAKE_CXX_FLAGS "${debian_CPPFLAGS} ${debian_CXXFLAGS} ")
  string(PREPEND CMAKE_EXE_LINKER_FLAGS "${debian_LDFLAGS} ")
  # The game built anywhere is the same file: the debug information (of
  # which the build ID is a checksum, and which stays in the build ID after
  # stripping) names the sources and the build directory relative to
  # themselves. The last map that matches wins: the build directory may lie
  # inside the sources.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()
