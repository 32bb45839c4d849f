// SPDX-License-Identifier: GPL-3.0-or-later
// transfo en classe : chaque fenêtre à 200 %.
#include "campagne.h"
#include "classe.h"
#include "outils_fenetres.h"
#include "programme_transfo.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeTransfo> programme;
} // namespace

TEST(Classe, Transfo)
{
    const auto demarrer = [] {
        programme.emplace();
        programme->ouvrir_transfo();
    };
    classe::verifier(demarrer, {
                                   {"Transfo",
                                    [] {},
                                    {{"choix_u1", "U1 (V)"},
                                     {"valid_u1", "Valid U1 (V)"},
                                     {"commande_kcc", "INTER2"},
                                     {"rhéostat", "Rhéostat de charge"},
                                     {"aff_u1", "Tension efficace au primaire : 0"}}},
                                   {"Fusible",
                                    [] {
                                        campagne::jouer({"choix_u1=230", "!commande_kv", "!commande_kcc"});
                                    },
                                    {},
                                    {"Command1"}},
                               });
    programme.reset();
}

TEST(Classe, TransfoPistesAuClavierCommeALaSouris)
{
    const auto preparer = [] {
        programme.emplace();
        programme->ouvrir_transfo();
        campagne::jouer({"choix_u1=230", "!commande_kv"});
    };
    // Rhéostat : piste de 2535 twips = 169 pixels, pas de 3, grand pas de 17,
    // curseur au départ à 2520 twips du haut (168 pixels) ; inductance : 1695
    // twips = 113 pixels, pas de 2, grand pas de 11, curseur en haut (L = 0).
    classe::verifier_piste({"Transfo",
                            "rhéostat",
                            false,
                            preparer,
                            {Qt::Key_Up, Qt::Key_Up, Qt::Key_PageUp},
                            168 - 2 * 3 - 17,
                            "ligne_rhéostat1",
                            "y1",
                            900});
    classe::verifier_piste({"Transfo",
                            "L",
                            false,
                            preparer,
                            {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown},
                            3 * 2 + 11,
                            "ligne_l1",
                            "y1",
                            3900});
    classe::verifier_piste(
        {"Transfo", "L", false, preparer, {Qt::Key_End, Qt::Key_Up}, 113 - 2, "ligne_l1", "y1", 3900});
    programme.reset();
}

TEST(Classe, TransfoTabParcourtLeBancDansLOrdreDeLecture)
{
    // La saisie et son Valid (visible à l'ouverture), les interrupteurs, les
    // deux pistes, puis le bouton de la légende.
    programme.emplace();
    programme->ouvrir_transfo();
    const QStringList attendu = {"choix_u1", "valid_u1", "commande_kv", "commande_kcc",
                                 "rhéostat", "L",        "Command1"};
    const QStringList visites = classe::parcours_tab(essai::fenetre("Transfo"), "choix_u1");
    EXPECT_EQ(visites, attendu) << visites.join(" ").toStdString();
    campagne::fermer_tout();
    programme.reset();
}
