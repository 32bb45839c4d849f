// SPDX-License-Identifier: GPL-3.0-or-later
// bancs : lanceur de la suite. Pas d'accueil : la grille des simulateurs
// s'ouvre tout de suite.
#include "demarrage.h"
#include "lanceur.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Le lanceur s'ouvre à la taille retenue pour les programmes, sauf « --taille » ;
    // ses tuiles se rangent selon la largeur de l'écran.
    return demarrage::executer(argc, argv, &Bancs::fenetres, [](QApplication &application) {
        auto *fenetre = new Bancs(QApplication::applicationDirPath());
        fenetre->show();
        return application.exec();
    });
}
