// SPDX-License-Identifier: GPL-3.0-or-later
// Un modèle qui voudrait se servir de Qt : sa construction doit échouer
// (tests/common/CMakeLists.txt, essai « noyau_sans_qt »).
#include "arrondi.h"

#include <QString>

int longueur() { return QString().size(); }
