// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur virelai : sa fenêtre unique.
#include "campagne.h"
#include "fenetre_virelai.h"

#include <gtest/gtest.h>

TEST(Campagne, Virelai)
{
    campagne::Programme p{"virelai", [] { (new Virelai)->show(); }};
    p.etats = {
        {"au repos", [] {}},
        {"en marche",
         [] {
             campagne::jouer({"!Check(0)", "!Check(3)", "!bouton_arret"});
         }},
    };
    p.graine = 14;
    campagne::exercer(p);
}
