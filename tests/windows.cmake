# The tests' Windows programs, run under Wine (cmake/wine-run, CMake's emulator for this build) against the
# tests' server on 127.0.0.1: what differs on Windows (the configuration's place and who may change it,
# korven-config's writing, the workstation, the sounds, the command lines) and what must hold there too (the
# cipher, the driver and its encryption, a whole year change and its undoing on every failure).
add_unit_test(test_base)
# The platform's sounds are the gui layer's player: the gui library, not the wizard's test environment.
add_unit_test(test_plateforme)
target_link_libraries(test_plateforme PRIVATE solvane_gui)
add_unit_test(test_chiffrement)
target_compile_definitions(test_chiffrement PRIVATE KORVEN_CONFIG_TOOL="$<TARGET_FILE:korven-config>")
add_dependencies(test_chiffrement korven-config)
add_unit_test(test_ligne_commande DATABASE)
target_compile_definitions(test_ligne_commande PRIVATE SOLVANE_PROGRAMME="$<TARGET_FILE:solvane>"
  KORVEN_CONFIG_TOOL="$<TARGET_FILE:korven-config>" SOLVANE_VERSION_PROJET="${PROJECT_VERSION}")
add_dependencies(test_ligne_commande solvane korven-config)
add_unit_test(test_pilote DATABASE)
add_unit_test(test_session DATABASE)
add_unit_test(test_tls DATABASE)
target_compile_definitions(test_tls PRIVATE SOLVANE_TEST_WORK="${CMAKE_CURRENT_BINARY_DIR}")
# Its certificates and its server offering TLS, made on the Linux side before it runs (it cannot run openssl
# and scripts/db-server from under Wine).
set(_tls ${CMAKE_CURRENT_BINARY_DIR}/tls-windows)
add_test(NAME serveur_tls_windows_start
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/serveur-tls-windows.sh start ${PROJECT_SOURCE_DIR} ${_tls})
add_test(NAME serveur_tls_windows_stop
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/serveur-tls-windows.sh stop ${PROJECT_SOURCE_DIR} ${_tls})
set_tests_properties(serveur_tls_windows_start PROPERTIES FIXTURES_SETUP serveur_tls TIMEOUT 120)
set_tests_properties(serveur_tls_windows_stop PROPERTIES FIXTURES_CLEANUP serveur_tls TIMEOUT 120)
set_tests_properties(test_tls PROPERTIES FIXTURES_REQUIRED serveur_tls)
set_property(TEST test_tls APPEND PROPERTY ENVIRONMENT SOLVANE_TEST_TLS_DIR=${_tls})
add_unit_test(test_transition DATABASE)
add_unit_test(test_transition_echecs DATABASE)
add_executable(aide_changement ${CMAKE_CURRENT_SOURCE_DIR}/aide_changement.cpp)
target_link_libraries(aide_changement PRIVATE solvane_test_support)
target_compile_definitions(test_transition_echecs PRIVATE SOLVANE_AIDE_CHANGEMENT="$<TARGET_FILE:aide_changement>")
add_dependencies(test_transition_echecs aide_changement)

# Every test program runs as the programs do: UTF-8 as its code page (the programs' manifest).
set(_manifeste ${CMAKE_CURRENT_BINARY_DIR}/manifeste.rc)
file(WRITE ${_manifeste} "1 24 \"${PROJECT_SOURCE_DIR}/packaging/windows/programme.manifest\"\n")
set_source_files_properties(${_manifeste} PROPERTIES
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/programme.manifest)
foreach(_programme test_base test_plateforme test_chiffrement test_ligne_commande test_pilote test_session
    test_tls test_transition test_transition_echecs aide_changement)
  target_sources(${_programme} PRIVATE ${_manifeste})
endforeach()

# The installer made from this build, installed, run and uninstalled under Wine (tests/installeur-windows.sh).
add_test(NAME installeur COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/installeur-windows.sh ${PROJECT_SOURCE_DIR}
  ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/installeur ${PROJECT_VERSION})
set_tests_properties(installeur PROPERTIES TIMEOUT 600 RESOURCE_LOCK mariadb)
