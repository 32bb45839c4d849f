// SPDX-License-Identifier: GPL-3.0-or-later
// transfo : banc d'essai d'un transformateur monophasé.
#include "ligne_commande.h"
#include "polices.h"
#include "programme_transfo.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (const int code = ligne_commande::preparer(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeTransfo programme;
    programme.demarrer();
    return application.exec();
}
