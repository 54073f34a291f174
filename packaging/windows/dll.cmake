# Installs beside the programs the DLLs that they and the Qt plugins installed with them load, and no other:
# each file's imports (objdump -p), followed from DLL to DLL, taken from the Windows build's directories
# (Qt's, OpenSSL's, Connector/C's, the MinGW runtime's). A DLL that none of them holds is one of Windows' own
# (KERNEL32.dll, USER32.dll, WS2_32.dll...) and stays out.
#
# Run at installation, with:
#   SOLVANE_OBJDUMP        MinGW's objdump
#   SOLVANE_DLL_DIRS       the directories to take the DLLs from
#   SOLVANE_DLL_FICHIERS   the installed programs and plugins, relative to the installation's root
#   SOLVANE_DLL_CIBLE      where the DLLs go, relative to the installation's root (the programs' folder)
#   SOLVANE_STRIP          MinGW's strip: an installation that strips its programs (CPack's) strips these DLLs
#                          and the plugins too (the MinGW runtime's come with their debugging information)

cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW) # if(IN_LIST)
set(_racine "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Every DLL the directories hold, by its name in lower case (imports name them in any case).
set(_connues)
foreach(_dossier ${SOLVANE_DLL_DIRS})
  file(GLOB _dll ${_dossier}/*.dll)
  foreach(_chemin ${_dll})
    get_filename_component(_nom ${_chemin} NAME)
    string(TOLOWER ${_nom} _cle)
    if(NOT DEFINED _dll_${_cle})
      set(_dll_${_cle} ${_chemin})
      list(APPEND _connues ${_cle})
    endif()
  endforeach()
endforeach()

set(_a_lire)
foreach(_fichier ${SOLVANE_DLL_FICHIERS})
  list(APPEND _a_lire ${_racine}/${_fichier})
endforeach()
set(_vues)
set(_installees)
while(_a_lire)
  list(POP_FRONT _a_lire _fichier)
  execute_process(COMMAND ${SOLVANE_OBJDUMP} -p ${_fichier} OUTPUT_VARIABLE _entetes RESULT_VARIABLE _code)
  if(NOT _code EQUAL 0)
    message(FATAL_ERROR "objdump cannot read ${_fichier}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" _imports "${_entetes}")
  foreach(_import ${_imports})
    string(REGEX REPLACE "^DLL Name: " "" _nom "${_import}")
    string(STRIP "${_nom}" _nom)
    string(TOLOWER "${_nom}" _cle)
    if(_cle IN_LIST _vues)
      continue()
    endif()
    list(APPEND _vues ${_cle})
    if(DEFINED _dll_${_cle})
      list(APPEND _installees ${_dll_${_cle}})
      list(APPEND _a_lire ${_dll_${_cle}})
    endif()
  endforeach()
endwhile()
list(SORT _installees)
file(INSTALL ${_installees} DESTINATION ${_racine}/${SOLVANE_DLL_CIBLE})
if(CMAKE_INSTALL_DO_STRIP)
  set(_a_retirer)
  foreach(_dll ${_installees})
    get_filename_component(_nom ${_dll} NAME)
    list(APPEND _a_retirer ${_racine}/${SOLVANE_DLL_CIBLE}/${_nom})
  endforeach()
  foreach(_fichier ${SOLVANE_DLL_FICHIERS})
    if(_fichier MATCHES "\\.dll$")
      list(APPEND _a_retirer ${_racine}/${_fichier})
    endif()
  endforeach()
  execute_process(COMMAND ${SOLVANE_STRIP} --strip-unneeded ${_a_retirer} COMMAND_ERROR_IS_FATAL ANY)
endif()
cmake_policy(POP)
