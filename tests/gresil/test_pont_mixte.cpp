// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du pont mixte, sans fenêtre. Les valeurs attendues sont calculées à
// la main avec pi = 3,14159 et vmax = 24 . racine de 2 = 33,9411 V.
#include "pont_mixte.h"

#include "../outils/concordance_forme.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

using gresil::PontMixte;

namespace {

constexpr int f = 50;
// Temps avancé par top avec le pas initial : 50 / (4140 . 50) s ; un balayage
// de la période compte 82 tops (le 83e dépasse le bout de l'axe).
constexpr double dt = 50.0 / (4140.0 * 50.0);
constexpr int tops_par_periode = 82;

double nombre_moyenne(const PontMixte &pont, int indice)
{
    const oscillo::Moyenne m = pont.moyenne(indice);
    EXPECT_EQ(m.genre, oscillo::Moyenne::Genre::nombre) << "indice " << indice;
    return m.valeur;
}

std::array<bool, 4> etats(const PontMixte &pont)
{
    return {pont.conduit(0, gresil::T1), pont.conduit(0, gresil::T2), pont.conduit(0, gresil::D1),
            pont.conduit(0, gresil::D2)};
}

} // namespace

TEST(PontMixte, AngleNulPasDeRoueLibreEtUcEgaleValeurAbsolueDeU)
{
    PontMixte pont;
    EXPECT_NEAR(pont.imoy(), 1.080380, 1e-6); // 33,9411 . 2 / (20 . 3,14159)
    EXPECT_EQ(pont.arrondir(nombre_moyenne(pont, gresil::i_uc)), 21.61);
    for (int n = 1; n <= tops_par_periode; ++n) {
        SCOPED_TRACE(n);
        pont.calculer(n * dt, dt, f);
        EXPECT_EQ(pont.uc(), std::fabs(pont.u()));
        // Jamais de roue libre : un thyristor et la diode de l'autre bras.
        EXPECT_NE(pont.conduit(0, gresil::T1), pont.conduit(0, gresil::D1));
        EXPECT_NE(pont.conduit(0, gresil::T1), pont.conduit(0, gresil::T2));
    }
}

TEST(PontMixte, CentQuatreVingtsDegresRoueLibreToutLaPeriode)
{
    PontMixte pont;
    ASSERT_TRUE(pont.fixer_alpha(180));
    // cos(180 . 3,14159 / 180) = -0,9999999999965 : imoy vaut 1,9e-12 A, pas 0.
    EXPECT_NEAR(pont.imoy(), 1.9e-12, 1e-13);
    EXPECT_EQ(pont.arrondir(pont.imoy()), 0.0);
    EXPECT_EQ(pont.arrondir(nombre_moyenne(pont, gresil::i_uc)), 0.0);
    for (int n = 1; n <= tops_par_periode; ++n) {
        SCOPED_TRACE(n);
        pont.calculer(n * dt, dt, f);
        EXPECT_EQ(pont.uc(), 0.0);
        EXPECT_EQ(pont.is(), 0.0);
        // T2 et D2 jusqu'à T/2, puis T1 et D1 : toujours un seul bras.
        EXPECT_EQ(pont.conduit(0, gresil::T1), pont.conduit(0, gresil::D1));
    }
}

// À 60°, t_alpha = 3,333 ms : un instant dans chacun des quatre intervalles.
TEST(PontMixte, TableDeConductionASoixanteDegres)
{
    const double ic = 0.8102858; // 33,9411 . 1,5 / (20 . 3,14159)
    const struct {
        double t, u;
        std::array<bool, 4> conduisent; // T1, T2, D1, D2
        double uc, is;
    } cas[] = {
        {0.002, 19.95008, {false, true, false, true}, 0.0, 0.0},       // roue libre T2, D2
        {0.006, 32.27995, {true, false, false, true}, 32.27995, ic},   // T1, D2
        {0.012, -19.95001, {true, false, true, false}, 0.0, 0.0},      // roue libre T1, D1
        {0.016, -32.27997, {false, true, true, false}, 32.27997, -ic}, // T2, D1
    };
    PontMixte pont;
    ASSERT_TRUE(pont.fixer_alpha(60));
    EXPECT_NEAR(pont.imoy(), ic, 1e-6);
    for (const auto &c : cas) {
        SCOPED_TRACE(c.t);
        pont.calculer(c.t, dt, f);
        EXPECT_NEAR(pont.u(), c.u, 1e-4);
        EXPECT_EQ(etats(pont), c.conduisent);
        EXPECT_NEAR(pont.uc(), c.uc, 1e-4);
        EXPECT_NEAR(pont.is(), c.is, 1e-6);
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            // Passant : 0,6 V et le courant de charge ; bloqué : u pour T1
            // et D2, -u pour T2 et D1, et aucun courant.
            const double bloque = (k == gresil::T1 || k == gresil::D2) ? c.u : -c.u;
            EXPECT_NEAR(pont.tension(k), c.conduisent[k] ? 0.6 : bloque, 1e-4);
            EXPECT_NEAR(pont.courant(k), c.conduisent[k] ? ic : 0.0, 1e-6);
        }
    }
}

TEST(PontMixte, ImpulsionsDeGachetteDeuxTopsAutourDeChaqueAmorcage)
{
    // 60° : t_alpha = 3,333 ms, soit les tops 13 (3,140 ms) et 14 (3,382 ms) ;
    // T/2 + t_alpha = 13,333 ms, soit les tops 55 (13,285) et 56 (13,527).
    PontMixte pont;
    ASSERT_TRUE(pont.fixer_alpha(60));
    std::set<int> tops_ig1, tops_ig2;
    for (int n = 1; n <= tops_par_periode; ++n) {
        pont.calculer(n * dt, dt, f);
        if (pont.valeur(gresil::i_ig1) != 0.0) {
            tops_ig1.insert(n);
            EXPECT_NEAR(pont.ig(1), 0.08102858, 1e-8);
        }
        if (pont.valeur(gresil::i_ig1 + 1) != 0.0)
            tops_ig2.insert(n);
    }
    EXPECT_EQ(tops_ig1, (std::set<int>{13, 14}));
    EXPECT_EQ(tops_ig2, (std::set<int>{55, 56}));
}

TEST(PontMixte, MoyennesDesComposantsASoixanteDegres)
{
    // -vmax cos 60° / pi pour les thyristors, -vmax / pi pour les diodes ;
    // les courants de gâchette n'ont pas de valeur moyenne affichée.
    PontMixte pont;
    ASSERT_TRUE(pont.fixer_alpha(60));
    const double attendues[] = {-5.402, -5.402, -10.8, -10.8};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(pont.arrondir(nombre_moyenne(pont, gresil::i_uT1 + k)), attendues[k]) << k;
    EXPECT_EQ(pont.moyenne(gresil::i_is).texte, "0");
    EXPECT_EQ(pont.moyenne(gresil::i_ig1 + 1).genre, oscillo::Moyenne::Genre::texte);
    EXPECT_EQ(pont.moyenne(gresil::i_ig1 + 1).texte, "");
}

// --- Valeurs efficaces ---------------------------------------------------------
// À la main : uc vaut u de l'amorçage à la demi-période et -u de même dans
// l'alternance négative, 0 en roue libre ; à 90°, sin² a pour moyenne 1/2 sur
// chaque quart de période conduit : uc efficace = vmax / 2 = 16,97 V.

TEST(PontMixte, ValeursEfficacesCalculeesALaMain)
{
    const struct {
        double alpha;
        int indice;
        double attendu, affichee;
    } cas[] = {
        {90, gresil::i_uc, 16.970563, 16.97},
        {0, gresil::i_uc, 24.0, 24},
        {90, gresil::i_u, 24.0, 24},
        {0, gresil::i_ic, 1.0803805, 1.08},
        // Chaque composant conduit ic une demi-période à tout angle.
        {0, gresil::i_iT1, 0.7639444, 0.7639},
        // imoy à 90° : 1,08038 / 2 = 0,54019 ; divisé par racine de 2.
        {90, gresil::i_iT1 + 3, 0.3819727, 0.382},
        // is : ic pendant les deux intervalles conduits, soit une demi-période à 90°.
        {90, gresil::i_is, 0.3819727, 0.382},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE("alpha " + std::to_string(c.alpha) + ", grandeur " + std::to_string(c.indice));
        PontMixte pont;
        ASSERT_TRUE(pont.fixer_alpha(c.alpha));
        const double v = oscillo::valeur_efficace(pont.forme(c.indice, dt, f), 1.0 / f);
        EXPECT_NEAR(v, c.attendu, 5e-5); // 6,28318 au lieu de 2 pi : quelques 1e-5 V de plus
        EXPECT_DOUBLE_EQ(pont.arrondir(v), c.affichee);
    }
}

TEST(PontMixte, LaFormeDeChaqueGrandeurEstCelleDuCalcul)
{
    for (double alpha : {0.0, 60.0, 90.0, 180.0}) {
        SCOPED_TRACE(alpha);
        PontMixte pont;
        pont.fixer_alpha(alpha);
        concordance::verifier(pont, dt, f);
    }
}
