// sodel en classe : chaque fenêtre à 200 %.
#include "campagne.h"
#include "classe.h"
#include "programme_sodel.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
std::optional<ProgrammeSodel> programme;
} // namespace

TEST(Classe, Sodel)
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
                                   {"caract_charge",
                                    [] {
                                        programme->ouvrir_form1();
                                        programme->ouvrir_caract_charge();
                                    }},
                                   {"courbes", banc({"!trace_courbe"})},
                                   {"apercu_impression", banc({"!trace_courbe", "!courbes/impression"})},
                               });
    programme.reset();
}
