// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran des fenêtres de transfo, pour les regarder comme un élève :
//   captures_transfo <dossier>
// À lancer sous un vrai serveur X (xvfb-run) : voir outils/captures_transfo.sh.
#include "fusible.h"
#include "captures.h"
#include "intro.h"
#include "polices.h"
#include "programme_transfo.h"
#include "transfo.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

using capture::capturer;

void valider(Transfo *banc, const char *texte)
{
    auto *e = banc->findChild<QLineEdit *>(QStringLiteral("choix_u1"));
    e->setText(QString::fromUtf8(texte));
    QTest::keyClick(e, Qt::Key_Return);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    ProgrammeTransfo programme;
    Intro *intro = programme.demarrer();
    capturer(intro, "transfo_accueil");
    intro->OK_Click();
    Transfo *banc = programme.transfo();
    capturer(banc, "transfo_repos");

    // En charge à 230 V, curseurs à mi-course : R = 10 ohms, L = 0,05 H.
    valider(banc, "230");
    banc->commande_kv_Click();
    banc->rheostat_MouseDown(transfo::hauteur_piste_r / 2);
    banc->rheostat_MouseUp(transfo::hauteur_piste_r / 2);
    banc->L_MouseDown(transfo::hauteur_piste_l / 2);
    banc->L_MouseUp(transfo::hauteur_piste_l / 2);
    capturer(banc, "transfo_en_charge");

    // Court-circuit à 230 V : le fusible fond.
    banc->commande_kcc_Click();
    if (Fusible *f = banc->fusible())
        capturer(f, "transfo_fusible");
    capturer(banc, "transfo_fusible_banc");

    // BANCS_CAPTURE_PAUSE : les fenêtres restent quelques secondes à l'écran,
    // le temps d'une capture de l'écran entier par le script.
    if (!qEnvironmentVariableIsEmpty("BANCS_CAPTURE_PAUSE")) {
        QTimer::singleShot(4000, &application, &QApplication::quit);
        return application.exec();
    }
    return 0;
}
