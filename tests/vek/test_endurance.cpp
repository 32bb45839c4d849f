// SPDX-License-Identifier: GPL-3.0-or-later
// Endurance de vek : moteur en marche (induit à 220 V, inducteur à 180 V),
// 10^5 tops de ses quatre minuteries (arbre qui tourne, clignotements), sans
// que la mémoire en usage croisse après la mise en régime.
// Puis mille bascules de « Interinduit », la mémoire toujours plate.
#include "endurance.h"
#include "machine1.h"
#include "outils_fenetres.h"
#include "programme_vek.h"

#include <QLineEdit>

TEST(EnduranceVek, LaMemoireResteStableAuFilDesTops)
{
    ProgrammeVek programme;
    programme.caracteristiques = vek::machine_6kW();
    Machine1 *banc = programme.ouvrir_machine1();
    essai::taper(banc, "choixUe", "180");
    essai::entree(banc, "choixUe");
    essai::taper(banc, "choixUi", "40");
    essai::entree(banc, "choixUi");
    essai::cliquer(banc, "Interinduit");
    essai::controle<QLineEdit>(banc, "choixUi")->clear();
    essai::taper(banc, "choixUi", "220");
    essai::entree(banc, "choixUi");
    ASSERT_EQ(programme.avertisseur.fenetre(), nullptr) << "démarrage refusé";
    essai::endurance([&] {
        banc->Timer1_Timer();
        banc->Timer2_Timer();
        banc->Timer3_Timer();
        banc->Timer4_Timer();
    });
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}

TEST(EnduranceVek, LaMemoireResteStableAuFilDesBasculesDeLInterrupteur)
{
    ProgrammeVek programme;
    programme.caracteristiques = vek::machine_6kW();
    essai::bascules(*programme.ouvrir_machine1(), "Interinduit");
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}
