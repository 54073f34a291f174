# The Windows build, made on Debian with MinGW-w64 (cmake/mingw-w64-x86_64.cmake) from the libraries
# scripts/windows-toolchain leaves under SOLVANE_WINDOWS_PREFIX:
#   qt/             Qt for Windows (its tools, moc, rcc and uic, are the build machine's own: QT_HOST_PATH)
#   bin/, lib/      OpenSSL (libcrypto-3-x64.dll)
#   lib/mariadb/    MariaDB Connector/C (libmariadb.dll), its headers under include/mariadb/
# It also gives the places of the DLLs the programs load (SOLVANE_WINDOWS_DLL_DIRS: Qt's, the libraries', the
# MinGW runtime's) and runs the Windows programs of the tests under Wine (cmake/wine-run).

if(NOT SOLVANE_WINDOWS_PREFIX)
  message(FATAL_ERROR "SOLVANE_WINDOWS_PREFIX is not set: configure with "
                      "-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "
                      "-DSOLVANE_WINDOWS_PREFIX=<cache>/prefix (scripts/package-windows does)")
endif()
if(NOT EXISTS ${SOLVANE_WINDOWS_PREFIX}/qt/lib/cmake/Qt6)
  message(FATAL_ERROR "no Qt for Windows in ${SOLVANE_WINDOWS_PREFIX}/qt: run scripts/windows-toolchain")
endif()
set(Qt6_DIR ${SOLVANE_WINDOWS_PREFIX}/qt/lib/cmake/Qt6 CACHE PATH "Qt for Windows")
set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt, whose tools the build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# MariaDB Connector/C: the program's SQL driver is built over it; its DLL lies beside its import library.
find_path(MARIADB_INCLUDE_DIR mysql.h PATH_SUFFIXES mariadb REQUIRED)
find_library(MARIADB_LIBRARY NAMES libmariadb PATH_SUFFIXES mariadb REQUIRED)
find_file(MARIADB_DLL libmariadb.dll PATHS ${SOLVANE_WINDOWS_PREFIX}/lib/mariadb NO_DEFAULT_PATH REQUIRED)
add_library(MariaDB::Connecteur SHARED IMPORTED)
set_target_properties(MariaDB::Connecteur PROPERTIES
  IMPORTED_IMPLIB ${MARIADB_LIBRARY}
  IMPORTED_LOCATION ${MARIADB_DLL}
  INTERFACE_INCLUDE_DIRECTORIES ${MARIADB_INCLUDE_DIR})

# Where the DLLs the programs load lie: Qt's, OpenSSL's, Connector/C's, then the MinGW runtime's (the C++
# library, the compiler's support, the threads).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE _stdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
  OUTPUT_VARIABLE _pthread OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(_stdcxx ${_stdcxx} DIRECTORY)
get_filename_component(_pthread ${_pthread} DIRECTORY)
get_filename_component(_pthread ${_pthread} REALPATH)
set(SOLVANE_WINDOWS_DLL_DIRS ${SOLVANE_WINDOWS_PREFIX}/qt/bin ${SOLVANE_WINDOWS_PREFIX}/bin
  ${SOLVANE_WINDOWS_PREFIX}/lib/mariadb ${_stdcxx} ${_pthread})

# The tests' Windows programs run under Wine, each in the build's own Wine prefix, finding the DLLs above.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run ${CMAKE_BINARY_DIR}/wine-run.env)
list(JOIN SOLVANE_WINDOWS_DLL_DIRS ":" _chemins)
file(WRITE ${CMAKE_BINARY_DIR}/wine-run.env
  "WINEPATH_UNIX=${_chemins}\nQT_PLUGIN_PATH_UNIX=${SOLVANE_WINDOWS_PREFIX}/qt/plugins\n"
  "WINEPREFIX_DEFAUT=${CMAKE_BINARY_DIR}/wine\n")
