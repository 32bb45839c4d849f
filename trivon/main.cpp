// SPDX-License-Identifier: GPL-3.0-or-later
// trivon : banc d'une machine synchrone entraînée par un moteur à courant continu.
#include "intro.h"
#include "ligne_commande.h"
#include "polices.h"
#include "programme_trivon.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (const int code = ligne_commande::preparer(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeTrivon programme;
    programme.demarrer();
    return application.exec();
}
