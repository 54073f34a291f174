add_unit_test(test_demarrage SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_demarrage.cpp DATABASE)
add_unit_test(test_datamodule SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_datamodule.cpp DATABASE)
