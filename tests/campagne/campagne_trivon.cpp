// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur trivon : banc, enregistreur et aperçu.
#include "campagne.h"
#include "programme_trivon.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeTrivon> programme;
const QStringList marche = {"choix_uvek=120", "choix_ue=70", "!bouton_inter"};
} // namespace

TEST(Campagne, Trivon)
{
    campagne::Programme p{"trivon", [] {
                              programme.emplace();
                              programme->ouvrir_form1();
                          }};
    p.etats = {
        {"au repos",
         [] {
             campagne::jouer({"!trace_courbe", "!courbe/impression"});
         }},
        {"en marche",
         [] {
             campagne::jouer(marche + QStringList{"!trace_courbe", "!courbe/impression"});
         }},
        {"en charge",
         [] {
             campagne::jouer(marche + QStringList{"choix_rc=10", "choix_lc=0.01"});
         }},
    };
    p.graine = 14;
    campagne::exercer(p);
    programme.reset();
}
