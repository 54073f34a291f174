# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: POSIX threads, which
# std::thread and Qt need). The libraries built by scripts/windows-toolchain are found under
# SOLVANE_WINDOWS_PREFIX (given on the command line or in the environment): Qt in its qt/ folder, OpenSSL and
# MariaDB Connector/C beside it (the project's cmake/windows.cmake finds them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT SOLVANE_WINDOWS_PREFIX AND DEFINED ENV{SOLVANE_WINDOWS_PREFIX})
  set(SOLVANE_WINDOWS_PREFIX $ENV{SOLVANE_WINDOWS_PREFIX})
endif()
# Passed on to the compiler checks CMake runs in scratch projects.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SOLVANE_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
if(SOLVANE_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${SOLVANE_WINDOWS_PREFIX} ${SOLVANE_WINDOWS_PREFIX}/qt)
endif()
# Programs (moc, rcc, the host's tools) from the build machine; libraries, headers and packages from Windows'
# side only, so nothing of the host's Linux libraries is taken by mistake.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
