// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran de la fenêtre d'orvalt, pour la regarder comme un élève :
//   captures_orvalt <dossier>
// Sous un vrai serveur X (outils/captures.sh) ou sur la plate-forme offscreen.
#include "captures.h"
#include "intro.h"
#include "pilote_oscillo.h"
#include "polices.h"
#include "redressement.h"

#include <QApplication>
#include <QLocale>

#include <cstdint>

using capture::capturer;
using pilote::balayer;
using pilote::choisir;
using pilote::valider;

int main(int argc, char **argv)
{
    // Comme sur le poste d'un élève français : virgule décimale.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    std::int16_t annee_version = 0;
    auto *intro = new Intro({QStringLiteral("Logiciel de simulation d'un pont tout thyristor"), QString()},
                            annee_version, nullptr, [] {});
    capturer(intro, "orvalt_accueil");
    intro->OK_Click();

    auto *w = new Redressement;
    capturer(w, "orvalt_chargement");

    // u, uc, ic et ig1 à 45° après un balayage complet.
    valider(w, "choix_alpha", QStringLiteral("45"));
    choisir(w, 0, 0);
    choisir(w, 1, 1);
    choisir(w, 2, 2);
    choisir(w, 3, 12);
    balayer(w);
    capturer(w, "orvalt_alpha45");

    // Pont bloqué à e = 30 V (alpha = 0) : u, uc, uT1 et ig1.
    valider(w, "choix_alpha", QStringLiteral("0"));
    valider(w, "choix_e", QStringLiteral("30"));
    choisir(w, 2, 4);
    balayer(w);
    capturer(w, "orvalt_bloque_e30");
    return 0;
}
