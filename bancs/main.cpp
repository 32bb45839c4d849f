// SPDX-License-Identifier: GPL-3.0-or-later
// bancs : lanceur de la suite. Pas d'accueil : la grille des simulateurs
// s'ouvre tout de suite.
#include "lanceur.h"
#include "ligne_commande.h"
#include "polices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Le lanceur s'ouvre à la taille retenue pour les programmes, sauf « --taille ».
    if (const int code = ligne_commande::preparer(argc, argv, reglage_taille::lire()); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    auto *fenetre = new Bancs(QApplication::applicationDirPath());
    fenetre->show();
    return application.exec();
}
