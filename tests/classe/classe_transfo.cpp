// transfo en classe : chaque fenêtre à 200 %.
#include "campagne.h"
#include "classe.h"
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
                                    }},
                               });
    programme.reset();
}
