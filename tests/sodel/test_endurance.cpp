// SPDX-License-Identifier: GPL-3.0-or-later
// Endurance de sodel : onduleur en marche à 230 V, frein à poudre à 27 N.m,
// 10^5 tops de ses quatre minuteries (arbre qui tourne, clignotements), sans
// que la mémoire en usage croisse après la mise en régime.
// Puis mille bascules de « bouton_marche », la mémoire toujours plate.
#include "endurance.h"
#include "form1.h"
#include "outils_fenetres.h"
#include "programme_sodel.h"

#include <QLineEdit>

TEST(EnduranceSodel, LaMemoireResteStableAuFilDesTops)
{
    ProgrammeSodel programme;
    Form1 *banc = programme.ouvrir_form1();
    for (auto [saisie, valeur] : {std::pair{"choix_v1", "230"}, {"choix_T", "27"}}) {
        essai::controle<QLineEdit>(banc, saisie)->clear();
        essai::taper(banc, saisie, valeur);
    }
    essai::cliquer(banc, "bouton_marche");
    auto *charge = essai::controle<QComboBox>(banc, "choix_charge");
    charge->setCurrentIndex(sodel::frein);
    emit charge->activated(sodel::frein);
    essai::endurance([&] {
        banc->Timer1_Timer();
        banc->Timer2_Timer();
        banc->Timer3_Timer();
        banc->Timer4_Timer();
    });
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}

TEST(EnduranceSodel, LaMemoireResteStableAuFilDesMarchesEtArrets)
{
    ProgrammeSodel programme;
    essai::bascules(*programme.ouvrir_form1(), "bouton_marche");
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}
