// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur sodel : banc, caractéristique de la charge,
// enregistreur et aperçu.
#include "banc_asynchrone.h"
#include "campagne.h"
#include "programme_sodel.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeSodel> programme;
const QStringList marche = {"choix_v1=230", "choix_T=27", "!bouton_marche"};
} // namespace

TEST(Campagne, Sodel)
{
    campagne::Programme p{"sodel", [] {
                              programme.emplace();
                              programme->ouvrir_form1();
                          }};
    p.etats = {
        {"au repos",
         [] {
             campagne::jouer({"!trace_courbe", "!courbes/impression"});
         }},
        {"en marche",
         [] {
             campagne::jouer(marche + QStringList{"!trace_courbe", "!courbes/impression"});
         }},
        {"en charge",
         [] {
             campagne::jouer(
                 marche + QStringList{QStringLiteral("choix_charge#%1").arg(static_cast<int>(sodel::frein))});
         }},
        {"caractéristique de la charge", [] { programme->ouvrir_caract_charge(); }},
    };
    p.graine = 14;
    campagne::exercer(p);
    programme.reset();
}
