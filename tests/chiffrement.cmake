# The configuration-value cipher and the korven-config tool, which the test runs.
add_unit_test(test_chiffrement SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_chiffrement.cpp)
target_link_libraries(test_chiffrement PRIVATE solvane_base)
target_compile_definitions(test_chiffrement PRIVATE KORVEN_CONFIG_TOOL="$<TARGET_FILE:korven-config>")
add_dependencies(test_chiffrement korven-config)
