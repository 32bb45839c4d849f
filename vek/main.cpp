// SPDX-License-Identifier: GPL-3.0-or-later
// vek : banc de deux machines à courant continu identiques.
#include "intro.h"
#include "ligne_commande.h"
#include "polices.h"
#include "programme_vek.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (const int code = ligne_commande::preparer(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeVek programme;
    programme.demarrer();
    return application.exec();
}
