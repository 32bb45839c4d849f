# En-têtes précompilés partagés : chaque unité de compilation des fenêtres et
# des tests passe l'essentiel de son temps à relire les mêmes en-têtes de Qt
# (et de GoogleTest) ; ils sont compilés une fois par construction, dans deux
# cibles, puis repris par toutes les autres (REUSE_FROM).
#
# Les modèles des bancs (cibles « *_modele », « oscillo », « bancs_catalogue »)
# restent à l'écart : ils n'incluent pas Qt et doivent continuer à s'en passer.
# Un en-tête précompilé que GCC jugerait incompatible avec une cible serait
# simplement relu (avertissement -Winvalid-pch) : le résultat ne change pas.

# ccache ne met pas en cache une compilation qui reprend un en-tête précompilé :
# avec un lanceur de compilateur (construction de développement), elles sont
# coupées par défaut, et ccache fait mieux qu'elles.
if(CMAKE_CXX_COMPILER_LAUNCHER)
  set(bancs_pch_defaut OFF)
else()
  set(bancs_pch_defaut ON)
endif()
option(BANCS_ENTETES_PRECOMPILEES "Précompiler les en-têtes de Qt et de GoogleTest" ${bancs_pch_defaut})

set(bancs_entetes_qt
  <QApplication> <QWidget> <QLabel> <QLineEdit> <QComboBox> <QPushButton> <QCheckBox>
  <QGroupBox> <QPainter> <QMouseEvent> <QTimer> <QPointer> <QString> <QStringList>
  <array> <functional> <memory> <optional> <string> <vector>)

# Appelée à la fin du CMakeLists principal, quand toutes les cibles existent.
# Deux en-têtes précompilés : l'un pour les bibliothèques des fenêtres
# (commun, *_fenetres, oscillo_fenetres…), l'autre, avec GoogleTest, pour les
# exécutables des tests de fenêtres. GCC refuse un en-tête compilé en code
# indépendant de la position (-fPIC, bibliothèques) dans un exécutable
# (-fPIE) : chacun est donc compilé par une cible du même genre que celles qui
# le reprennent.
function(bancs_entetes_precompilees)
  if(NOT BANCS_ENTETES_PRECOMPILEES)
    return()
  endif()
  set(vide ${CMAKE_CURRENT_BINARY_DIR}/entetes_precompilees_vide.cpp)
  file(CONFIGURE OUTPUT ${vide} CONTENT "// Support des en-têtes précompilés.\nint main() { return 0; }\n")

  add_library(bancs_pch_qt STATIC EXCLUDE_FROM_ALL ${vide})
  target_link_libraries(bancs_pch_qt PRIVATE Qt6::Widgets Qt6::PrintSupport)
  target_precompile_headers(bancs_pch_qt PRIVATE ${bancs_entetes_qt})

  add_executable(bancs_pch_tests EXCLUDE_FROM_ALL ${vide})
  # Sans QtTest : il définit, pour chaque cible, les dossiers de ses sources et
  # de sa construction, qu'un en-tête partagé ne peut pas reprendre.
  target_link_libraries(bancs_pch_tests PRIVATE Qt6::Widgets Qt6::PrintSupport GTest::gtest)
  target_precompile_headers(bancs_pch_tests PRIVATE ${bancs_entetes_qt} <gtest/gtest.h>)
  set_target_properties(bancs_pch_qt bancs_pch_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

  set(dossiers ${CMAKE_SOURCE_DIR})
  while(dossiers)
    list(POP_FRONT dossiers dossier)
    get_property(sous DIRECTORY ${dossier} PROPERTY SUBDIRECTORIES)
    list(APPEND dossiers ${sous})
    get_property(cibles DIRECTORY ${dossier} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(cible IN LISTS cibles)
      get_target_property(type ${cible} TYPE)
      get_target_property(source ${cible} SOURCE_DIR)
      get_target_property(liens ${cible} LINK_LIBRARIES)
      get_target_property(a_part ${cible} EXCLUDE_FROM_ALL)
      if(a_part OR cible MATCHES "_modele$|^oscillo$|^bancs_catalogue$|^bancs_pch_")
        continue()
      endif()
      if(source MATCHES "^${CMAKE_SOURCE_DIR}/tests(/|$)")
        if(type STREQUAL "EXECUTABLE" AND "bancs_tests_fenetres" IN_LIST liens)
          target_precompile_headers(${cible} REUSE_FROM bancs_pch_tests)
        endif()
      elseif(type STREQUAL "STATIC_LIBRARY")
        target_precompile_headers(${cible} REUSE_FROM bancs_pch_qt)
      endif()
    endforeach()
  endwhile()
endfunction()
