// trivon : banc d'une machine synchrone entraînée par un moteur à courant continu.
#include "intro.h"
#include "polices.h"
#include "programme_trivon.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    ProgrammeTrivon programme;
    programme.demarrer();
    return application.exec();
}
