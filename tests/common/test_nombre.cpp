// SPDX-License-Identifier: GPL-3.0-or-later
// Lecture des saisies et écriture des afficheurs.
#include "nombre.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

using namespace nombre;

TEST(LireNombre, PrendLeNombreDeTete)
{
    const struct {
        const char *texte;
        double attendu;
    } cas[] = {
        {"abc", 0},       {"12,5", 12},    {"1.5e2", 150},  {"180", 180},     {"", 0},
        {"-3.25", -3.25}, {"+7", 7},       {".5", 0.5},     {"-.5", -0.5},    {"5.", 5},
        {"  42", 42},     {"1e", 1},       {"1e+", 1},      {"2E-3", 0.002},  {"e5", 0},
        {"-", 0},         {".", 0},        {"12abc", 12},   {"1.2.3", 1.2},   {"0x10", 0},
        {"inf", 0},       {"nan", 0},      {"1e999", 0},    {"-1e999", 0},    {"1e-999", 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_DOUBLE_EQ(lire_nombre(c.texte), c.attendu);
    }
}

TEST(LireNombre, TexteTresLongSansException)
{
    EXPECT_DOUBLE_EQ(lire_nombre(std::string(100000, '7').substr(0, 3)), 777);
    const double tres_long = lire_nombre(std::string(100000, '9'));
    EXPECT_EQ(tres_long, 0.0); // 10^100000 déborde : lu comme 0
    EXPECT_DOUBLE_EQ(lire_nombre("0." + std::string(100000, '5')), 0.5555555555555556);
    EXPECT_EQ(lire_nombre(std::string(100000, 'x')), 0.0);
    EXPECT_DOUBLE_EQ(lire_nombre("1e" + std::string(5000, '0') + "2"), 100.0);
}

TEST(TexteNombre, QuinzeChiffresSansZerosInutiles)
{
    EXPECT_EQ(texte_nombre(0.1235), "0.1235");
    EXPECT_EQ(texte_nombre(1250), "1250");
    EXPECT_EQ(texte_nombre(0.0012350000000000002), "0.001235");
    EXPECT_EQ(texte_nombre(-1235), "-1235");
    EXPECT_EQ(texte_nombre(0), "0");
    EXPECT_EQ(texte_nombre(-0.0), "0");
    EXPECT_EQ(texte_nombre(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(texte_nombre(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(texte_nombre(987700000), "987700000");
}

TEST(TexteNombre, LesExtremesDuDoubleSeRelisent)
{
    // Arrondi au plus proche à 15 chiffres, le plus grand double s'écrirait
    // 1.79769313486232e+308, au-delà de lui-même : relu 0. Tronqué, il se relit.
    const double plus_grand = std::numeric_limits<double>::max();
    const double plus_petit = std::numeric_limits<double>::denorm_min();
    const struct {
        double valeur;
        const char *texte;
    } cas[] = {
        {plus_grand, "1.79769313486231e+308"},
        {-plus_grand, "-1.79769313486231e+308"},
        {1.7976931348623e308, "1.7976931348623e+308"},
        {plus_petit, "4.94065645841247e-324"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(texte_nombre(c.valeur), c.texte);
        const double relu = lire_nombre(texte_nombre(c.valeur));
        EXPECT_TRUE(std::isfinite(relu));
        EXPECT_LE(std::fabs(relu - c.valeur), 1e-14 * std::fabs(c.valeur));
    }
}

TEST(TexteSimple, SeptChiffresPourLaSimplePrecision)
{
    EXPECT_EQ(texte_simple(0.3f), "0.3");
    EXPECT_EQ(texte_simple(1.2f), "1.2");
    EXPECT_EQ(texte_simple(6000.0f), "6000");
    EXPECT_EQ(texte_simple(0.15f), "0.15");
}

TEST(TexteChiffresSimple, PasNonArrondiSansLeBruitDeLaSimplePrecision)
{
    const struct {
        double valeur;
        const char *texte;
    } cas[] = {{10.0000006357829, "10"}, {0.0499999946805319, "0.05"}, {1.99999988079071, "2"},
               {0.5000000223517418, "0.5"}, {2000.00012, "2000"}, {0.2500001, "0.25"}};
    for (const auto &c : cas)
        EXPECT_EQ(nombre::texte_chiffres_simple(c.valeur), c.texte) << c.valeur;
}

TEST(TexteSimpleCourt, LePlusCourtQuiRedonneLeMemeFloat)
{
    const struct {
        float valeur;
        const char *attendu;
    } cas[] = {
        {0.1f, "0.1"}, // et non 0.100000001490116
        {2.736f, "2.736"},
        {-0.1f, "-0.1"},
        {220.0f, "220"},
        {1.00000012f, "1.0000001"},   // le float qui suit 1 : sept chiffres ne suffisent pas
        {16777216.0f, "16777216"},    // 2^24, écrit en entier
        {123456789.0f, "123456790"},  // rangé 123456792 ; huit chiffres le retrouvent
        {0.0001f, "0.0001"},
        {0.00001f, "1e-05"},
        {3.40282347e38f, "3.4028235e+38"}, // le plus grand float
        {0.0f, "0"},
        {-0.0f, "0"},
        {std::numeric_limits<float>::quiet_NaN(), "0"},
        {-std::numeric_limits<float>::infinity(), "0"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.attendu);
        EXPECT_EQ(texte_simple_court(c.valeur), c.attendu);
    }
}

TEST(TexteSimple, EntierArrondiEntre1e7Et1e15ExposantAuDela)
{
    // Une résistance tapée « 2147483648 » ou « 1e9 » : l'exposant n'est
    // gardé que hors de 1e-4 … 1e15.
    const struct {
        float valeur;
        const char *texte;
    } cas[] = {
        {9999999.0f, "9999999"},
        {12345678.0f, "12345680"},
        {2147483648.0f, "2147484000"},
        {-2147483648.0f, "-2147484000"},
        {1e9f, "1000000000"},
        {-1e7f, "-10000000"},
        {9.876543e14f, "987654300000000"},
        {1e15f, "1e+15"},
        {3e38f, "3e+38"},
        {1e-5f, "1e-05"},
        {0.0001f, "0.0001"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(texte_simple(c.valeur), c.texte);
    }
}

TEST(Conversions, SimplePrecisionEtEntierGardes)
{
    EXPECT_EQ(en_simple(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(en_simple(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(en_simple(1.5), 1.5f);
    EXPECT_EQ(en_entier_borne(3178.5, 1, 1000000, 200), 3178); // égalité : vers le pair
    EXPECT_EQ(en_entier_borne(3179.47, 1, 1000000, 200), 3179);
    EXPECT_EQ(en_entier_borne(0.2, 1, 1000000, 200), 1);
    EXPECT_EQ(en_entier_borne(1e30, 1, 1000000, 200), 1000000);
    EXPECT_EQ(en_entier_borne(std::numeric_limits<double>::quiet_NaN(), 1, 10, 7), 7);
}
