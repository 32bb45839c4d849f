// SPDX-License-Identifier: GPL-3.0-or-later
// Arrondi des lectures et pas de graduation : valeurs calculées à la main.
#include "arrondi.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace arrondi;

namespace {

struct Cas {
    const char *nom;
    double x;
    double attendu;
};

void verifier(const Cas *cas, std::size_t n, double (*f)(double))
{
    for (std::size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(cas[i].nom);
        EXPECT_DOUBLE_EQ(f(cas[i].x), cas[i].attendu) << "x = " << cas[i].x;
    }
}

} // namespace

TEST(QuatreChiffres, ArronditAQuatreChiffresEtUnDemiVersLeBas)
{
    const Cas cas[] = {
        {"lecture de vitesse", 1248.5164794921875, 1249},
        {"demi positif vers le bas", 1234.5, 1234},
        {"demi négatif vers moins l'infini", -1234.5, -1235},
        {"négatif au-delà du demi", -1234.6, -1235},
        {"petite valeur", 0.00123456, 0.001235},
        {"grande valeur", 987654321, 987700000},
        {"trop grand", 3e9, 0},
        {"zéro", 0, 0},
        {"demi négatif", -0.5, -0.5},
        {"quatre chiffres exacts", 211, 211},
        {"au-dessous de 1e-6", 5e-7, 0},
    };
    verifier(cas, std::size(cas), quatre_chif_sign);
}

TEST(QuatreChiffres, ValeurNonFinieDonneZero)
{
    EXPECT_EQ(quatre_chif_sign(std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(quatre_chif_sign(-std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(quatre_chif_sign(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(trois_chif_sign(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(TroisChiffres, ArronditATroisChiffres)
{
    const Cas cas[] = {
        {"courant d'induit", 20.754717, 20.8},
        {"courant au démarrage", 1.5639811, 1.56},
        {"presque un demi", 0.4999, 0.5},
        {"tension", 219.53, 220},
        {"trop grand", 3e8, 0},
        {"trop petit", 5e-8, 0},
        {"demi vers le bas (puissance de dix exacte)", 122.5, 122},
        {"négatif", -1.5639811, -1.56},
    };
    verifier(cas, std::size(cas), trois_chif_sign);
}

TEST(QuatreChiffresPlancher, Efface_Au_Dessous_De_Un_Millieme)
{
    EXPECT_EQ(quatre_chif_sign_plancher(0.000999), 0.0);
    EXPECT_DOUBLE_EQ(quatre_chif_sign_plancher(0.001), 0.001);
    EXPECT_DOUBLE_EQ(quatre_chif_sign_plancher(-0.001), -0.001);
    EXPECT_EQ(quatre_chif_sign_plancher(-0.0009994), 0.0);
    EXPECT_DOUBLE_EQ(quatre_chif_sign_plancher(21.6138), 21.61);
}

TEST(Mantisse, RameneDansDixCentEnSimplePrecision)
{
    EXPECT_FALSE(mantisse(0).has_value());
    EXPECT_FALSE(mantisse(-5).has_value());
    ASSERT_TRUE(mantisse(1500).has_value());
    EXPECT_NEAR(*mantisse(1500), 15.0f, 1e-5);
    ASSERT_TRUE(mantisse(0.7).has_value());
    EXPECT_NEAR(*mantisse(0.7), 70.0f, 1e-4);
    // Le bruit de la simple précision fait tomber 20 et 40 juste au-dessous.
    EXPECT_LT(*mantisse(20), 20.0f);
    EXPECT_LT(*mantisse(40), 40.0f);
    EXPECT_FALSE(mantisse(1e14).has_value());
}

TEST(PasGraduation, ChoisitDeuxCinqOuDix)
{
    const Cas cas[] = {
        {"1000", 1000, 100}, {"1999", 1999, 200}, {"2500", 2500, 500}, {"150", 150, 20},
        {"15", 15, 2},       {"30", 30, 5},       {"70", 70, 10},      {"0.7", 0.7, 0.1},
        {"20 exactement : mantisse 19.999998", 20, 2},
        {"40 exactement : mantisse 39.999996", 40, 5},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        ASSERT_TRUE(pas_graduation_arrondi(c.x).has_value());
        EXPECT_DOUBLE_EQ(*pas_graduation_arrondi(c.x), c.attendu);
        ASSERT_TRUE(pas_graduation(c.x).has_value());
        EXPECT_NEAR(*pas_graduation(c.x), c.attendu, c.attendu * 1e-6);
    }
}

TEST(PasGraduation, SansArrondiGardeLeBruitDeSimplePrecision)
{
    // 20 / 19.999998 : le pas non arrondi n'est pas exactement 2.
    EXPECT_NE(*pas_graduation(20), 2.0);
    EXPECT_EQ(*pas_graduation_arrondi(20), 2.0);
}

TEST(PasGraduation, VidePourUnMaximumNulOuNegatif)
{
    EXPECT_FALSE(pas_graduation(0).has_value());
    EXPECT_FALSE(pas_graduation(-3).has_value());
    EXPECT_FALSE(pas_graduation_arrondi(0).has_value());
    EXPECT_FALSE(pas_graduation_arrondi(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(pas_graduation_arrondi(std::numeric_limits<double>::infinity()).has_value());
}
