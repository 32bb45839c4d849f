// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur onduleur : sa fenêtre unique.
#include "campagne.h"
#include "onduleur.h"

#include <gtest/gtest.h>

TEST(Campagne, Onduleur)
{
    campagne::Programme p{"onduleur", [] { (new Onduleur)->show(); }};
    p.etats = {
        {"au repos", [] {}},
        {"en marche", [] { campagne::jouer({"!arret"}); }},
    };
    p.graine = 14;
    campagne::exercer(p);
}
