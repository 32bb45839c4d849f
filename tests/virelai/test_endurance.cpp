// SPDX-License-Identifier: GPL-3.0-or-later
// Endurance de virelai : le champ tournant animé pendant 10^5 tops, sans que
// la mémoire en usage croisse après la mise en régime.
// Puis mille bascules de « bouton_arret », la mémoire toujours plate.
#include "endurance.h"
#include "fenetre_virelai.h"

TEST(EnduranceVirelai, LaMemoireResteStableAuFilDesTops)
{
    Virelai w;
    w.Timer1()->stop(); // les tops sont appelés ici
    w.show();
    essai::endurance([&] { w.Timer1_Timer(); });
}

TEST(EnduranceVirelai, LaMemoireResteStableAuFilDesArretsEtReprises)
{
    Virelai w;
    essai::bascules(w, "bouton_arret");
}
