# The school data model: entity classes and their look-ups, against the private server.
add_unit_test(test_modele_structure SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_modele_structure.cpp DATABASE)
add_unit_test(test_modele_classes SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_modele_classes.cpp DATABASE)
add_unit_test(test_modele_personnes SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_modele_personnes.cpp DATABASE)
add_unit_test(test_modele_parametres SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_modele_parametres.cpp DATABASE)
