// SPDX-License-Identifier: GPL-3.0-or-later
// transfo : banc d'essai d'un transformateur monophasé.
#include "demarrage.h"
#include "programme_transfo.h"

#include <QApplication>

namespace {

// Les premières fenêtres, puis la boucle d'événements.
int demarrer(QApplication &application)
{
    ProgrammeTransfo programme;
    programme.demarrer();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Taille des fenêtres : BANCS_ENVELOPPE, de cmake/programmes.cmake.
    return demarrage::executer(argc, argv, demarrage::fenetres_twips(BANCS_ENVELOPPE), demarrer);
}
