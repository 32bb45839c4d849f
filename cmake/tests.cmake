# SPDX-License-Identifier: GPL-3.0-or-later
include(GoogleTest)

# bancs_test(NOM SOURCES fichiers... LIENS bibliothèques... [FENETRES])
# Un exécutable de tests GoogleTest, enregistré auprès de CTest test par test.
# FENETRES : les tests créent des fenêtres ; leur main construit une
# QApplication sur la plate-forme « offscreen ».
# PROPRIETES : propriétés CTest de plus pour chaque test (FIXTURES_REQUIRED…).
function(bancs_test nom)
  cmake_parse_arguments(T "FENETRES" "" "SOURCES;LIENS;PROPRIETES" ${ARGN})
  # L'endurance (endurance_<programme>) lit le tas de la glibc (mallinfo2) :
  # elle n'est pas construite pour Windows, où passe le même code de modèles
  # et de fenêtres, déjà enduré sous Linux.
  if(CMAKE_CROSSCOMPILING AND nom MATCHES "^endurance_")
    return()
  endif()
  add_executable(${nom} ${T_SOURCES})
  if(T_FENETRES)
    target_link_libraries(${nom} PRIVATE bancs_tests_fenetres ${T_LIENS} GTest::gtest Qt6::Test)
  else()
    target_link_libraries(${nom} PRIVATE ${T_LIENS} GTest::gtest GTest::gtest_main)
  endif()
  bancs_entetes_essais(${nom} "${T_FENETRES}")
  gtest_discover_tests(${nom}
    DISCOVERY_TIMEOUT 60
    # Une seule variable : gtest_discover_tests coupe toute liste à ses « ; ».
    # ASAN_OPTIONS vient de l'environnement de ctest (outils/tester.sh).
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${T_PROPRIETES})
endfunction()

# bancs_exiger(FICHIER CE_QU_IL_EST)
# Chaque programme de cmake/programmes.cmake a sa place dans chaque tableau de
# tests et d'outils : un fichier qui manque arrête la configuration, en disant
# lequel écrire, plutôt que de laisser le programme hors des essais.
function(bancs_exiger fichier quoi)
  if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${fichier})
    file(RELATIVE_PATH chemin ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${fichier})
    message(FATAL_ERROR "Il manque ${chemin} : ${quoi}.")
  endif()
endfunction()

# bancs_outil(NOM SOURCES fichiers... LIENS bibliothèques...)
# Un outil de développeur (captures d'écran, mesures) : construit seulement à
# la demande, par sa cible ou par la cible « outils » qui les regroupe toutes
# (outils/captures.sh), pour que la construction des tests ne le paie pas.
if(NOT TARGET outils)
  add_custom_target(outils)
endif()
function(bancs_outil nom)
  cmake_parse_arguments(T "" "" "SOURCES;LIENS" ${ARGN})
  add_executable(${nom} EXCLUDE_FROM_ALL ${T_SOURCES})
  target_link_libraries(${nom} PRIVATE ${T_LIENS})
  add_dependencies(outils ${nom})
endfunction()
