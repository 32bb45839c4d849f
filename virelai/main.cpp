// SPDX-License-Identifier: GPL-3.0-or-later
// virelai : animation du champ tournant créé par trois bobines.
#include "fenetre_virelai.h"
#include "intro.h"
#include "ligne_commande.h"
#include "polices.h"

#include <QApplication>

#include <cstdint>

int main(int argc, char **argv)
{
    if (const int code = ligne_commande::preparer(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{QStringLiteral("Logiciel de simulation des virelais"), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Virelai)->show(); });
    intro->show();
    return application.exec();
}
