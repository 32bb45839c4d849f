// onduleur : oscillogrammes d'un onduleur monophasé en pont sur charge R, L.
#include "intro.h"
#include "onduleur.h"
#include "polices.h"

#include <QApplication>

#include <cstdint>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    polices::preparer_application(application);
    std::int16_t annee_version = 0; // état du programme : année de la version
    const TextesIntro textes{QStringLiteral("Logiciel de simulation d'un onduleur"), QString()};
    auto *intro = new Intro(textes, annee_version, nullptr, [] { (new Onduleur)->show(); });
    intro->show();
    return application.exec();
}
