include(GoogleTest)

# bancs_test(NOM SOURCES fichiers... LIENS bibliothèques... [FENETRES])
# Un exécutable de tests GoogleTest, enregistré auprès de CTest test par test.
# FENETRES : les tests créent des fenêtres ; leur main construit une
# QApplication sur la plate-forme « offscreen ».
# PROPRIETES : propriétés CTest de plus pour chaque test (FIXTURES_REQUIRED…).
function(bancs_test nom)
  cmake_parse_arguments(T "FENETRES" "" "SOURCES;LIENS;PROPRIETES" ${ARGN})
  add_executable(${nom} ${T_SOURCES})
  if(T_FENETRES)
    target_link_libraries(${nom} PRIVATE bancs_tests_fenetres ${T_LIENS} GTest::gtest Qt6::Test)
  else()
    target_link_libraries(${nom} PRIVATE ${T_LIENS} GTest::gtest GTest::gtest_main)
  endif()
  gtest_discover_tests(${nom}
    DISCOVERY_TIMEOUT 60
    # Une seule variable : gtest_discover_tests coupe toute liste à ses « ; ».
    # ASAN_OPTIONS vient de l'environnement de ctest (outils/tester.sh).
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${T_PROPRIETES})
endfunction()
