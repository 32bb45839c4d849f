// SPDX-License-Identifier: GPL-3.0-or-later
// onduleur : oscillogrammes d'un onduleur monophasé en pont sur charge R, L.
#include "demarrage.h"
#include "intro.h"
#include "onduleur.h"

#include <QApplication>

#include <cstdint>

namespace {

// Les premières fenêtres, puis la boucle d'événements.
int demarrer(QApplication &application)
{
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{
        QStringLiteral(QT_TRANSLATE_NOOP("Intro", "Logiciel de simulation d'un onduleur")), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Onduleur)->show(); });
    intro->show();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Taille des fenêtres : BANCS_ENVELOPPE, de cmake/programmes.cmake.
    return demarrage::executer(argc, argv, demarrage::fenetres_twips(BANCS_ENVELOPPE), demarrer);
}
