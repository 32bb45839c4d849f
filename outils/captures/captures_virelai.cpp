// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran de virelai, pour les regarder comme un élève :
//   captures_virelai <dossier>
// Sous un vrai serveur X (outils/captures.sh) ou sur la plate-forme offscreen.
#include "captures.h"
#include "fenetre_virelai.h"
#include "intro.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include <cstdint>

namespace {

using capture::capturer;

void tops(Virelai *w, int n)
{
    for (int i = 0; i < n; ++i)
        w->Timer1_Timer();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    std::int16_t annee_version = 0;
    auto *intro = new Intro({QStringLiteral("Logiciel de simulation des virelais"), QString()}, annee_version,
                            nullptr, [] {});
    capturer(intro, "virelai_accueil");
    intro->OK_Click();

    auto *w = new Virelai;
    w->Timer1()->stop(); // les tops sont donnés ici
    capturer(w, "virelai_chargement");

    // Milieu de période (110 tops, 198°), les quatre vecteurs cochés.
    for (int k = 0; k < 4; ++k)
        w->findChild<QCheckBox *>(QStringLiteral("Check(%1)").arg(k))->setChecked(true);
    tops(w, 110);
    capturer(w, "virelai_demi_periode");

    // Arrêt à 252° : les trois champs mis bout à bout.
    tops(w, 30);
    w->bouton_arret_Click();
    capturer(w, "virelai_addition");

    // Au clavier : le focus sur la dernière case, qui n'a pas de légende.
    capture::capturer_focus(w->findChild<QCheckBox *>(QStringLiteral("Check(3)")), "virelai_focus_case");
    return 0;
}
