// gresil : oscillogrammes d'un pont monophasé mixte.
#include "intro.h"
#include "polices.h"
#include "redressement.h"

#include <QApplication>

#include <cstdint>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{QStringLiteral("Logiciel de simulation d'un pont mixte"), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Redressement)->show(); });
    intro->show();
    return application.exec();
}
