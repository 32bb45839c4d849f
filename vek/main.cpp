// vek : banc de deux machines à courant continu identiques.
#include "intro.h"
#include "polices.h"
#include "programme_vek.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeVek programme;
    programme.demarrer();
    return application.exec();
}
