// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran de la fenêtre de gresil, pour la regarder comme un élève :
//   captures_gresil <dossier>
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
    auto *intro = new Intro({QStringLiteral("Logiciel de simulation d'un pont mixte"), QString()},
                            annee_version, nullptr, [] {});
    capture::capturer(intro, "gresil_accueil");
    intro->OK_Click();

    auto *w = new Redressement;
    capture::capturer(w, "gresil_chargement");

    // u, uc, is et ig1 à 60° après un balayage complet : les deux roues libres.
    pilote::valider(w, "choix_alpha", QStringLiteral("60"));
    pilote::choisir(w, 0, 0);
    pilote::choisir(w, 1, 1);
    pilote::choisir(w, 2, 3);
    pilote::choisir(w, 3, 12);
    pilote::balayer(w);
    capture::capturer(w, "gresil_alpha60");
    return 0;
}
