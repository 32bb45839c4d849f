// SPDX-License-Identifier: GPL-3.0-or-later
// Endurance de orvalt : 10^5 tops de l'oscilloscope, une grandeur sur chaque
// voie, sans que la mémoire en usage croisse après la mise en régime.
// Puis mille bascules de « arret », la mémoire toujours plate.
#include "endurance.h"
#include "redressement.h"

TEST(EnduranceOrvalt, LaMemoireResteStableAuFilDesTops)
{
    Redressement w;
    w.show();
    essai::tracer_sur_toutes_les_voies(w);
    w.Timer1()->stop(); // les tops sont appelés ici
    essai::endurance([&] { w.Timer1_Timer(); });
}

TEST(EnduranceOrvalt, LaMemoireResteStableAuFilDesArretsEtDemarrages)
{
    Redressement w;
    essai::bascules(w, "arret");
}
