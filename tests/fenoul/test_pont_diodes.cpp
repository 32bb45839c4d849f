// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du pont de diodes, sans fenêtre. Les valeurs attendues sont
// calculées à la main avec pi = 3,14159 et vmax = 24 . racine de 2 = 33,9411 V.
#include "pont_diodes.h"

#include "../outils/concordance_forme.h"

#include <gtest/gtest.h>

#include <cmath>

using fenoul::PontDiodes;

namespace {
constexpr int f = 50;
constexpr double dt = 50.0 / (4140.0 * 50.0); // un top au pas initial
} // namespace

TEST(PontDiodes, UcEstLaValeurAbsolueDeUATousLesTopsDunBalayage)
{
    PontDiodes pont;
    for (int n = 1; n <= 82; ++n) {
        SCOPED_TRACE(n);
        pont.calculer(n * dt, dt, f);
        EXPECT_EQ(pont.uc(), std::fabs(pont.u()));
        // D1 et D4 sur l'alternance positive, D2 et D3 sur la négative ;
        // passantes : tension nulle et courant de charge ; bloquées : u pour
        // D1 et D4, -u pour D2 et D3, aucun courant.
        const bool positive = n <= 41; // T/2 tombe entre les tops 41 et 42
        for (int k = 1; k <= 4; ++k) {
            const bool passante = (k == 1 || k == 4) == positive;
            EXPECT_EQ(pont.etat(k), passante) << k;
            EXPECT_EQ(pont.uD(k), passante ? 0.0 : (k == 1 || k == 4) ? pont.u() : -pont.u()) << k;
            EXPECT_NEAR(pont.iD(k), passante ? 1.080380 : 0.0, 1e-6) << k;
        }
        EXPECT_EQ(pont.is(), positive ? pont.ic() : -pont.ic());
    }
}

TEST(PontDiodes, MoyennesEtListeSansCourantDeCommande)
{
    const PontDiodes pont;
    const struct {
        int indice;
        double arrondie;
    } cas[] = {{fenoul::i_uc, 21.61}, {fenoul::i_ic, 1.08}, {4, -10.8}, {7, -10.8},
               {8, 0.5402},           {11, 0.5402}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.indice);
        const oscillo::Moyenne m = pont.moyenne(c.indice);
        ASSERT_EQ(m.genre, oscillo::Moyenne::Genre::nombre);
        EXPECT_EQ(pont.arrondir(m.valeur), c.arrondie);
    }
    EXPECT_EQ(pont.moyenne(fenoul::i_u).texte, "0");
    EXPECT_EQ(pont.moyenne(fenoul::i_is).texte, "0");
    const auto liste = pont.grandeurs();
    ASSERT_EQ(liste.size(), 12u);
    for (const auto &g : liste)
        EXPECT_NE(g.classe, oscillo::Classe::commande) << g.legende;
}

// --- Valeurs efficaces ---------------------------------------------------------
// À la main : uc = |u|, donc 24 V ; chaque diode conduit imoy une
// demi-période : imoy / racine de 2 = 1,0804 / 1,4142 = 0,7639 A.

TEST(PontDiodes, ValeursEfficacesCalculeesALaMain)
{
    const PontDiodes pont;
    const struct {
        int indice;
        double attendu, affichee;
    } cas[] = {
        {fenoul::i_u, 24.0, 24},
        {fenoul::i_uc, 24.0, 24},
        {fenoul::i_ic, 1.0803805, 1.08},
        {fenoul::i_is, 1.0803805, 1.08},
        {fenoul::i_iD1, 0.7639444, 0.7639},
        {fenoul::i_iD1 + 3, 0.7639444, 0.7639},
        // Bloquée une demi-période sous u : 24 / racine de 2.
        {fenoul::i_uD1 + 1, 16.970563, 16.97},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.indice);
        const double v = oscillo::valeur_efficace(pont.forme(c.indice, dt, f), 1.0 / f);
        EXPECT_NEAR(v, c.attendu, 2e-5); // 6,28318 au lieu de 2 pi : 1e-5 V de plus
        EXPECT_DOUBLE_EQ(pont.arrondir(v), c.affichee);
    }
}

TEST(PontDiodes, LaFormeDeChaqueGrandeurEstCelleDuCalcul)
{
    PontDiodes pont;
    concordance::verifier(pont, dt, f);
}
