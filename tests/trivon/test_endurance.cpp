// SPDX-License-Identifier: GPL-3.0-or-later
// Endurance de trivon : moteur d'entraînement alimenté à 120 V (1500 tr/min),
// 10^5 tops de ses quatre minuteries (arbre qui tourne, clignotements), sans
// que la mémoire en usage croisse après la mise en régime.
// Puis mille bascules de « bouton_inter », la mémoire toujours plate.
#include "endurance.h"
#include "form1.h"
#include "outils_fenetres.h"
#include "programme_trivon.h"

#include <QLineEdit>

TEST(EnduranceTrivon, LaMemoireResteStableAuFilDesTops)
{
    ProgrammeTrivon programme;
    Form1 *banc = programme.ouvrir_form1();
    essai::controle<QLineEdit>(banc, "choix_uvek")->clear();
    essai::taper(banc, "choix_uvek", "120");
    essai::entree(banc, "choix_uvek");
    ASSERT_EQ(essai::texte(banc, "aff_n"), "1500");
    essai::endurance([&] {
        banc->Timer1_Timer();
        banc->Timer2_Timer();
        banc->Timer3_Timer();
        banc->Timer4_Timer();
    });
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}

TEST(EnduranceTrivon, LaMemoireResteStableAuFilDesBasculesDeLInterrupteur)
{
    ProgrammeTrivon programme;
    essai::bascules(*programme.ouvrir_form1(), "bouton_inter");
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}
