# The tests' Windows programs, run under Wine (cmake/wine-run) against the tests' server on 127.0.0.1: what
# differs on Windows (the configuration's place and access lists, korven-config's writing, the workstation,
# the sounds) and what must hold there too (the cipher, the driver and its encryption, a whole year change and
# its rollback on a failure).
add_unit_test(test_base)
add_unit_test(test_plateforme GUI)
add_unit_test(test_chiffrement)
target_compile_definitions(test_chiffrement PRIVATE KORVEN_CONFIG_TOOL="$<TARGET_FILE:korven-config>")
add_dependencies(test_chiffrement korven-config)
