# Read by cpack before it makes each package (CPACK_GENERATOR is the one it
# makes now).

# CPack dates every file of the .deb, the .tar.gz and the .zip, and the
# members of the .deb, by SOURCE_DATE_EPOCH when it is set, and leaves the
# time out of their gzip headers: the release's date, unless the builder
# gives another (set but empty, as some build systems leave it, gives
# none). The .zip keeps its dates in local time: the same for all.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_EMBERFELL_RELEASE_EPOCH})
endif()
set(ENV{TZ} UTC)
