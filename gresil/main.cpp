// SPDX-License-Identifier: GPL-3.0-or-later
// gresil : oscillogrammes d'un pont monophasé mixte.
#include "intro.h"
#include "ligne_commande.h"
#include "polices.h"
#include "redressement.h"

#include <QApplication>

#include <cstdint>

int main(int argc, char **argv)
{
    if (const int code = ligne_commande::preparer(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{QStringLiteral("Logiciel de simulation d'un pont mixte"), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Redressement)->show(); });
    intro->show();
    return application.exec();
}
