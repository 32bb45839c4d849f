// sodel : machine asynchrone triphasée alimentée par un onduleur, et sa charge.
#include "intro.h"
#include "polices.h"
#include "programme_sodel.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeSodel programme;
    programme.demarrer();
    return application.exec();
}
