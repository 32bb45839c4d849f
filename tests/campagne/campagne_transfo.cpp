// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur transfo : banc et boîte du fusible.
#include "campagne.h"
#include "programme_transfo.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeTransfo> programme;
} // namespace

TEST(Campagne, Transfo)
{
    campagne::Programme p{"transfo", [] {
                              programme.emplace();
                              programme->ouvrir_transfo();
                          }};
    p.etats = {
        {"au repos", [] {}},
        {"sous tension",
         [] {
             campagne::jouer({"choix_u1=230", "!commande_kv"});
         }},
        {"en charge",
         [] {
             campagne::jouer({"choix_u1=230", "!commande_kv", "!Command1"});
         }},
    };
    p.graine = 14;
    campagne::exercer(p);
    programme.reset();
}
