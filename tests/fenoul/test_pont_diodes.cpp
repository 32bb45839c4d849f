// Modèle du pont de diodes, sans fenêtre. Les valeurs attendues sont
// calculées à la main avec pi = 3,14159 et vmax = 24 . racine de 2 = 33,9411 V.
#include "pont_diodes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using fenoul::PontDiodes;

namespace {

constexpr int f = 50;
constexpr double dt = 50.0 / (4140.0 * 50.0); // un top au pas initial

std::array<bool, 4> etats(const PontDiodes &pont)
{
    return {pont.etat(1), pont.etat(2), pont.etat(3), pont.etat(4)};
}

} // namespace

TEST(PontDiodes, UcEstLaValeurAbsolueDeUATousLesTopsDunBalayage)
{
    PontDiodes pont;
    for (int n = 1; n <= 82; ++n) {
        SCOPED_TRACE(n);
        pont.calculer(n * dt, dt, f);
        EXPECT_EQ(pont.uc(), std::fabs(pont.u()));
        // Les deux diodes passantes : tension nulle, courant de charge.
        int passantes = 0;
        for (int k = 1; k <= 4; ++k)
            if (pont.etat(k)) {
                ++passantes;
                EXPECT_EQ(pont.uD(k), 0.0);
                EXPECT_EQ(pont.iD(k), pont.imoy());
            }
        EXPECT_EQ(passantes, 2);
    }
}

TEST(PontDiodes, DiodesPassantesEtTensionsDesBloquees)
{
    const struct {
        double t, u;
        std::array<bool, 4> conduisent; // D1 .. D4
        double uc, is;
    } cas[] = {
        {0.0, 0.0, {false, true, false, true}, 0.0, 0.0},                    // t = t_alpha = 0 : D2, D4
        {0.006, 32.27995, {true, false, false, true}, 32.27995, 1.080380},   // D1, D4
        {0.016, -32.27997, {false, true, true, false}, 32.27997, -1.080380}, // D2, D3
    };
    PontDiodes pont;
    for (const auto &c : cas) {
        SCOPED_TRACE(c.t);
        pont.calculer(c.t, dt, f);
        EXPECT_EQ(etats(pont), c.conduisent);
        EXPECT_NEAR(pont.uc(), c.uc, 1e-4);
        EXPECT_NEAR(pont.is(), c.is, 1e-6);
        // Bloquées : u pour D1 et D4, -u pour D2 et D3.
        for (int k = 1; k <= 4; ++k) {
            if (!c.conduisent[k - 1]) {
                EXPECT_NEAR(pont.valeur(fenoul::i_uD1 + k - 1), (k == 1 || k == 4) ? c.u : -c.u, 1e-4) << k;
            }
        }
    }
}

TEST(PontDiodes, MoyennesEtListeSansCourantDeCommande)
{
    const PontDiodes pont;
    EXPECT_NEAR(pont.imoy(), 1.080380, 1e-6);
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
    EXPECT_EQ(liste[7].legende, "uD4 tension aux bornes de D4 (V)");
    EXPECT_EQ(liste[11].legende, "iD4 intensité dans D4 (A)");
    for (const auto &g : liste)
        EXPECT_NE(g.classe, oscillo::Classe::commande) << g.legende;
}
