add_unit_test(test_plateforme SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_plateforme.cpp)
