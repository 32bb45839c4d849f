// SPDX-License-Identifier: GPL-3.0-or-later
// trivon : banc d'une machine synchrone entraînée par un moteur à courant continu.
#include "demarrage.h"
#include "intro.h"
#include "programme_trivon.h"

#include <QApplication>

namespace {

// Les premières fenêtres, puis la boucle d'événements.
int demarrer(QApplication &application)
{
    ProgrammeTrivon programme;
    programme.demarrer();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Taille des fenêtres : BANCS_ENVELOPPE, de cmake/programmes.cmake.
    return demarrage::executer(argc, argv, demarrage::fenetres_twips(BANCS_ENVELOPPE), demarrer);
}
