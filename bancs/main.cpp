// bancs : lanceur de la suite. Pas d'accueil : la grille des simulateurs
// s'ouvre tout de suite.
#include "lanceur.h"
#include "polices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    auto *fenetre = new Bancs(QApplication::applicationDirPath());
    fenetre->show();
    return application.exec();
}
