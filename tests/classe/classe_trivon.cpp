// trivon en classe : chaque fenêtre à 200 %.
#include "campagne.h"
#include "classe.h"
#include "programme_trivon.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeTrivon> programme;
} // namespace

TEST(Classe, Trivon)
{
    const auto demarrer = [] { programme.emplace(); };
    const auto banc = [](const QStringList &e) {
        return [e] {
            programme->ouvrir_form1();
            campagne::jouer(e);
        };
    };
    classe::verifier(demarrer, {
                                   {"Form1", banc({})},
                                   {"courbe", banc({"!trace_courbe"})},
                                   {"apercu_impression", banc({"!trace_courbe", "!courbe/impression"})},
                               });
    programme.reset();
}
