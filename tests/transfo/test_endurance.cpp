// SPDX-License-Identifier: GPL-3.0-or-later
// Endurance de transfo : mille bascules de l'interrupteur du primaire sans
// que la mémoire en usage croisse après la mise en régime.
#include "endurance.h"
#include "programme_transfo.h"
#include "transfo.h"

TEST(EnduranceTransfo, LaMemoireResteStableAuFilDesBasculesDeLInterrupteur)
{
    ProgrammeTransfo programme;
    essai::bascules(*programme.ouvrir_transfo(), "commande_kv");
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
}
