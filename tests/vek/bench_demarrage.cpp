// Mesure du démarrage jusqu'à l'accueil à l'écran, comparé à un programme Qt
// nu qui montre le même nombre de contrôles :
//   bench_demarrage vek|nu
// Imprime le temps écoulé entre le début de main et l'accueil exposé, en ms.
#include "intro.h"
#include "polices.h"
#include "programme_vek.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QElapsedTimer chrono;
    chrono.start();
    QApplication application(argc, argv);
    const bool nu = argc > 1 && std::strcmp(argv[1], "nu") == 0;
    QWidget *fenetre = nullptr;
    ProgrammeVek programme;
    if (nu) {
        fenetre = new QWidget;
        for (int i = 0; i < 5; ++i)
            new QLabel(QStringLiteral("Texte de l'accueil"), fenetre);
        new QPushButton(QStringLiteral("OK"), fenetre);
        fenetre->resize(443, 219);
        fenetre->show();
    } else {
        polices::preparer_application(application);
        fenetre = programme.demarrer();
    }
    if (!QTest::qWaitForWindowExposed(fenetre))
        return 1;
    std::printf("%.2f\n", chrono.nsecsElapsed() / 1e6);
    return 0;
}
