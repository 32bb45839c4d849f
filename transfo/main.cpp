// transfo : banc d'essai d'un transformateur monophasé.
#include "polices.h"
#include "programme_transfo.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeTransfo programme;
    programme.demarrer();
    return application.exec();
}
