add_unit_test(test_journal_ecriture SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_journal_ecriture.cpp DATABASE)
add_unit_test(test_login SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_login.cpp DATABASE)
