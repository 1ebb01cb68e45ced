# The Windows cross build for the unit tests under wine: the MinGW-w64
# compilers with the POSIX thread model, which GoogleTest needs.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/mingw-w64.cmake)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
