// SPDX-License-Identifier: GPL-3.0-or-later
// Mesure de la dépense d'un top d'orvalt : 10 000 tops, quatre grandeurs
// choisies (u, uc, ic, ig1), fenêtre montrée sur la plate-forme hors écran.
// Donne le temps moyen d'un top (calcul et dessin sur la surface, puis
// avec la peinture à l'écran) et la surface repeinte par top.
//   perf_orvalt [nombre_de_tops]
// Ce n'est pas un test : un programme à lancer à la main (voir
// waveforms/PERFORMANCES.md).
#include "polices.h"
#include "redressement.h"

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QPaintEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Compte les pixels que Qt fait repeindre, toutes fenêtres et contrôles compris.
class CompteurPeinture : public QObject
{
public:
    long long pixels = 0;
    long long evenements = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++evenements;
            for (const QRect &r : static_cast<QPaintEvent *>(e)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        }
        return false;
    }
};

using horloge = std::chrono::steady_clock;

double microsecondes(horloge::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    polices::preparer_application(application);
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;

    Redressement w;
    w.show();
    const int choix[4] = {0, 1, 2, 12};
    for (int i = 0; i < 4; ++i) {
        auto *liste = w.findChild<QComboBox *>(QStringLiteral("choix_grandeur(%1)").arg(i));
        liste->setCurrentIndex(choix[i]);
        w.choix_grandeur_Click(i);
    }
    w.Timer1()->stop(); // les tops sont appelés ici, pas par la minuterie
    QApplication::processEvents();

    // 1. Le top seul : modèle, segments sur la surface, afficheurs, curseur.
    auto debut = horloge::now();
    for (int k = 0; k < n; ++k)
        w.Timer1_Timer();
    const double top_seul = microsecondes(horloge::now() - debut) / n;
    QApplication::processEvents();

    // 2. Le top suivi de la peinture de ce qu'il a touché, comme dans la boucle d'événements.
    CompteurPeinture compteur;
    application.installEventFilter(&compteur);
    debut = horloge::now();
    for (int k = 0; k < n; ++k) {
        w.Timer1_Timer();
        QApplication::processEvents();
    }
    const double top_peint = microsecondes(horloge::now() - debut) / n;
    application.removeEventFilter(&compteur);

    const double fenetre = static_cast<double>(w.width()) * w.height();
    const double par_top = static_cast<double>(compteur.pixels) / n;
    std::printf("tops : %d (%d balayages)\n", n, n / 87);
    std::printf("top seul (calcul et dessin sur la surface) : %.1f µs\n", top_seul);
    std::printf("top et peinture à l'écran                  : %.1f µs\n", top_peint);
    std::printf("surface repeinte par top : %.0f pixels (%.2f %% de la fenêtre de %.0f pixels), "
                "%.1f événements de peinture\n",
                par_top, 100.0 * par_top / fenetre, fenetre, static_cast<double>(compteur.evenements) / n);
    return 0;
}
