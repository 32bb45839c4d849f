// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran de la fenêtre de l'onduleur, pour la regarder comme un élève :
//   captures_onduleur <dossier>
// Sous un vrai serveur X (outils/captures.sh) ou sur la plate-forme offscreen.
#include "captures.h"
#include "intro.h"
#include "onduleur.h"
#include "pilote_oscillo.h"

#include <QApplication>
#include <QComboBox>
#include <QLocale>

#include <cstdint>

namespace {

using capture::capturer;

using pilote::balayer;
using pilote::choisir;

// Les tops du balayage en cours jusqu'à l'instant t (s).
void avancer_jusqu_a(Onduleur *w, double t)
{
    const auto &b = w->balayage();
    while (b.pas() > 0 && (b.x_curseur() + b.pas()) / (4020.0 * 50) <= t)
        w->Timer1_Timer();
}

} // namespace

int main(int argc, char **argv)
{
    // Comme sur le poste d'un élève français : virgule décimale.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    std::int16_t annee_version = 0;
    auto *intro = new Intro({QStringLiteral("Logiciel de simulation d'un onduleur"), QString()},
                            annee_version, nullptr, [] {});
    capturer(intro, "onduleur_accueil");
    intro->OK_Click();

    auto *w = new Onduleur;
    capturer(w, "onduleur_chargement");

    // E, u, i et iD1 après un balayage complet (le second : régime établi).
    choisir(w, 0, onduleur::i_E);
    choisir(w, 1, onduleur::i_u);
    choisir(w, 2, onduleur::i_i);
    choisir(w, 3, onduleur::i_iD1);
    balayer(w);
    w->Timer1_Timer(); // effacement au bout de l'axe
    balayer(w);
    capturer(w, "onduleur_E_u_i_iD1");

    // Arrêt à 2 ms du balayage suivant : D1 et D4 ramènent le courant.
    w->Timer1_Timer();
    avancer_jusqu_a(w, 0.002);
    w->arret_Click();
    capturer(w, "onduleur_diodes_D1_D4");

    // iT1, uT1, iE et ib1 sur un balayage complet.
    choisir(w, 0, onduleur::i_iT1);
    choisir(w, 1, onduleur::i_uT1);
    choisir(w, 2, onduleur::i_iE);
    choisir(w, 3, onduleur::i_ib1);
    balayer(w);
    capturer(w, "onduleur_iT1_uT1_iE_ib1");

    // Spectres du courant de charge (à l'ouverture) et de la tension u.
    w->bouton_spectre_Click();
    capturer(w->spectre(), "onduleur_spectre_i");
    auto *choix = w->spectre()->findChild<QComboBox *>(QStringLiteral("choix_spectre"));
    choix->setCurrentIndex(onduleur::i_u);
    w->spectre()->choix_spectre_Click(onduleur::i_u);
    capturer(w->spectre(), "onduleur_spectre_u");
    return 0;
}
