// SPDX-License-Identifier: GPL-3.0-or-later
// trivon en classe : chaque fenêtre à 200 %, parcourue au clavier.
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
    classe::verifier(
        demarrer, {
                      // Les saisies et leurs Valid (cachés au repos), les panneaux de
                      // caractéristiques, l'interrupteur et le couplage, les autres boutons.
                      {"Form1",
                       banc({}),
                       {},
                       {"choix_uvek", "choix_ue", "choix_rc", "choix_lc", "choix_kvek", "choix_re",
                        "choix_rs", "choix_ls", "choix_p", "choix_kfer", "choix_tp", "choix_ien", "choix_n",
                        "choix_en", "bouton_inter", "bouton_couplage", "Inducteur", "trace_courbe"}},
                      {"courbe", banc({"!trace_courbe"})},
                      {"apercu_impression", banc({"!trace_courbe", "!courbe/impression"})},
                  });
    programme.reset();
}
