// SPDX-License-Identifier: GPL-3.0-or-later
// virelai en classe : sa fenêtre à 200 %, parcourue au clavier.
#include "classe.h"
#include "fenetre_virelai.h"

#include <gtest/gtest.h>

TEST(Classe, Virelai)
{
    classe::verifier(
        [] { (new Virelai)->show(); },
        {{"virelai", [] {}, {}, {"Check(0)", "Check(1)", "Check(2)", "Check(3)", "bouton_arret"}}});
}
