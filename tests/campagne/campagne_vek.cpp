// SPDX-License-Identifier: GPL-3.0-or-later
// Campagne d'entrées hostiles sur vek : banc, mot de passe, caractéristiques,
// enregistreur et aperçu.
#include "campagne.h"
#include "programme_vek.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeVek> programme;
const QStringList marche = {"choixUe=180", "choixUi=40", "!Interinduit", "choixUi=220"};
} // namespace

TEST(Campagne, Vek)
{
    campagne::Programme p{"vek", [] {
                              programme.emplace();
                              programme->caracteristiques = vek::machine_6kW();
                              programme->ouvrir_machine1();
                          }};
    p.etats = {
        {"au repos",
         [] {
             campagne::jouer({"!trace_courbe", "!courbe/impression", "!modif_moteur"});
         }},
        {"en marche",
         [] {
             campagne::jouer(marche + QStringList{"!trace_courbe", "!courbe/impression"});
         }},
        {"en charge", [] { campagne::jouer(marche + QStringList{"!Interinduit_géné"}); }},
        {"caractéristiques", [] { programme->ouvrir_caract_moteur(); }},
    };
    p.graine = 14;
    campagne::exercer(p);
    programme.reset();
}
