// SPDX-License-Identifier: GPL-3.0-or-later
// gresil : oscillogrammes d'un pont monophasé mixte.
#include "demarrage.h"
#include "intro.h"
#include "redressement.h"

#include <QApplication>

#include <cstdint>

namespace {

// Les premières fenêtres, puis la boucle d'événements.
int demarrer(QApplication &application)
{
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{
        QStringLiteral(QT_TRANSLATE_NOOP("Intro", "Logiciel de simulation d'un pont mixte")), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Redressement)->show(); });
    intro->show();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Taille des fenêtres : BANCS_ENVELOPPE, de cmake/programmes.cmake.
    return demarrage::executer(argc, argv, demarrage::fenetres_twips(BANCS_ENVELOPPE), demarrer);
}
