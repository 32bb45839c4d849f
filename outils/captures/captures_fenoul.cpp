// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran de la fenêtre de fenoul, pour la regarder comme un élève :
//   captures_fenoul <dossier>
// Sous un vrai serveur X (outils/captures.sh) ou sur la plate-forme offscreen.
#include "captures.h"
#include "intro.h"
#include "pilote_oscillo.h"
#include "redressement.h"

#include <QApplication>
#include <QLocale>

#include <cstdint>

int main(int argc, char **argv)
{
    // Comme sur le poste d'un élève français : virgule décimale.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    std::int16_t annee_version = 0;
    auto *intro = new Intro(
        {QStringLiteral("Logiciel de simulation d'un pont de diode (ou pont de Graëtz)"), QString()},
        annee_version, nullptr, [] {});
    capture::capturer(intro, "fenoul_accueil");
    intro->OK_Click();

    auto *w = new Redressement;
    capture::capturer(w, "fenoul_chargement");

    // u, uc, is et uD1 après un balayage complet.
    pilote::choisir(w, 0, 0);
    pilote::choisir(w, 1, 1);
    pilote::choisir(w, 2, 3);
    pilote::choisir(w, 3, 4);
    pilote::balayer(w);
    capture::capturer(w, "fenoul_balayage");

    // Spectre du courant absorbé au réseau (la grandeur montrée à l'ouverture).
    w->bouton_spectre_Click();
    capture::capturer(w->spectre(), "fenoul_spectre_is");
    return 0;
}
