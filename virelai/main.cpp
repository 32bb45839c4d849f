// SPDX-License-Identifier: GPL-3.0-or-later
// virelai : animation du champ tournant créé par trois bobines.
#include "demarrage.h"
#include "fenetre_virelai.h"
#include "intro.h"

#include <QApplication>

#include <cstdint>

namespace {

// Les premières fenêtres, puis la boucle d'événements.
int demarrer(QApplication &application)
{
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{
        QStringLiteral(QT_TRANSLATE_NOOP("Intro", "Logiciel de simulation des virelais")), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Virelai)->show(); });
    intro->show();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Taille des fenêtres : BANCS_ENVELOPPE, de cmake/programmes.cmake.
    return demarrage::executer(argc, argv, demarrage::fenetres_twips(BANCS_ENVELOPPE), demarrer);
}
