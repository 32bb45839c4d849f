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
                                   {"Transfo"},
                                   {"Fusible",
                                    [] {
                                        campagne::jouer({"choix_u1=230", "!commande_kv", "!commande_kcc"});
                                    }},
                               });
    programme.reset();
}
