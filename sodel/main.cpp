// SPDX-License-Identifier: GPL-3.0-or-later
// sodel : machine asynchrone triphasée alimentée par un onduleur, et sa charge.
#include "intro.h"
#include "ligne_commande.h"
#include "polices.h"
#include "programme_sodel.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (const int code = ligne_commande::preparer(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeSodel programme;
    programme.demarrer();
    return application.exec();
}
