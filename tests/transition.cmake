add_unit_test(test_transition SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_transition.cpp DATABASE)
add_unit_test(test_transition_echecs SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_transition_echecs.cpp DATABASE)
target_compile_definitions(test_transition PRIVATE SOLVANE_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
target_compile_definitions(test_transition_echecs PRIVATE SOLVANE_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
