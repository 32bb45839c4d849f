# SPDX-License-Identifier: GPL-3.0-or-later
# En-têtes précompilés. Les en-têtes de Qt Widgets et de GoogleTest, relus par
# chaque lot de la construction unifiée, coûtent l'essentiel de sa
# compilation : près de trois secondes par lot pour le seul <QLabel>, optimisé
# et avec les informations de débogage, contre un demi-seconde précompilé.
# Ils sont compilés une fois par famille de cibles aux mêmes options : GCC
# écarte sans rien dire un en-tête précompilé avec d'autres options
# d'optimisation, de _FORTIFY_SOURCE ou de code relogeable (-fPIC d'une
# bibliothèque, -fPIE d'un exécutable).
#   fenetres        les bibliothèques de fenêtres : commun, oscillo_fenetres,
#                   <programme>_fenetres, bancs_fenetres ;
#   essais          les tests qui se servent de Qt, exécutables et
#                   bibliothèques d'aides (toutes compilées en -fPIC) ;
#   essais_sans_qt  les tests du noyau et des modèles : GoogleTest seul.
# Le noyau et les modèles n'en ont pas : rien de Qt n'y entre.

set(BANCS_ENTETES_fenetres
  <QApplication> <QCoreApplication> <QWidget> <QLabel> <QLineEdit> <QComboBox> <QGroupBox>
  <QCheckBox> <QPushButton> <QMessageBox> <QPainter> <QMouseEvent> <QKeyEvent> <QTimer> <QPointer>
  <QString> <QStringList> <QLocale> <QDir> <QFileInfo> <QFile> <QSettings>
  <algorithm> <array> <cmath> <functional> <memory> <optional> <string> <vector>)
set(BANCS_ENTETES_essais ${BANCS_ENTETES_fenetres} <QTest> <QTemporaryDir> <gtest/gtest.h>)
set(BANCS_ENTETES_essais_sans_qt <gtest/gtest.h> <algorithm> <array> <cmath> <string> <vector>)

# bancs_entetes_precompiles(FAMILLE BASE CIBLE...) : BASE compile l'en-tête de
# la famille, les autres cibles le reprennent (et attendent donc BASE).
function(bancs_entetes_precompiles famille base)
  target_precompile_headers(${base} PRIVATE ${BANCS_ENTETES_${famille}})
  foreach(cible IN LISTS ARGN)
    if(TARGET ${cible} AND NOT cible STREQUAL base)
      target_precompile_headers(${cible} REUSE_FROM ${base})
    endif()
  endforeach()
endfunction()

# bancs_entetes_essais(CIBLE AVEC_QT) : une cible de tests, dans la famille
# avec ou sans Qt (tests/CMakeLists.txt crée les deux bases).
function(bancs_entetes_essais cible avec_qt)
  if(avec_qt)
    target_precompile_headers(${cible} REUSE_FROM entetes_essais)
  else()
    target_precompile_headers(${cible} REUSE_FROM entetes_essais_sans_qt)
  endif()
endfunction()
