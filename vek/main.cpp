// SPDX-License-Identifier: GPL-3.0-or-later
// vek : banc de deux machines à courant continu identiques.
#include "demarrage.h"
#include "intro.h"
#include "programme_vek.h"

#include <QApplication>

namespace {

// Les premières fenêtres, puis la boucle d'événements.
int demarrer(QApplication &application)
{
    ProgrammeVek programme;
    programme.demarrer();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Taille des fenêtres : BANCS_ENVELOPPE, de cmake/programmes.cmake.
    return demarrage::executer(argc, argv, demarrage::fenetres_twips(BANCS_ENVELOPPE), demarrer);
}
