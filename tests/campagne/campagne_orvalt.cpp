// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur orvalt : sa fenêtre unique.
#include "campagne.h"
#include "redressement.h"

#include <gtest/gtest.h>

TEST(Campagne, Orvalt)
{
    campagne::Programme p{"orvalt", [] { (new Redressement)->show(); }};
    p.etats = {
        {"au repos", [] {}},
        {"en marche", [] { campagne::jouer({"!arret"}); }},
    };
    p.graine = 14;
    campagne::exercer(p);
}
