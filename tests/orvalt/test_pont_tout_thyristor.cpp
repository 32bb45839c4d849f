// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du pont tout thyristors, sans fenêtre. Les valeurs attendues sont
// calculées à la main avec pi = 3,14159 et vmax = 24 . racine de 2 = 33,9411 V.
#include "pont_tout_thyristor.h"

#include "../outils/concordance_forme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using orvalt::PontToutThyristor;

namespace {

constexpr int f = 50;
// Temps avancé par top avec le pas initial : 50 / (4320 . 50) s.
constexpr double dt_pas_50 = 50.0 / (4320.0 * 50.0);

std::string texte_moyenne(const PontToutThyristor &pont, int indice)
{
    const oscillo::Moyenne m = pont.moyenne(indice);
    return m.genre == oscillo::Moyenne::Genre::texte ? m.texte : "<pas un texte>";
}

double nombre_moyenne(const PontToutThyristor &pont, int indice)
{
    const oscillo::Moyenne m = pont.moyenne(indice);
    EXPECT_EQ(m.genre, oscillo::Moyenne::Genre::nombre) << "indice " << indice;
    return m.valeur;
}

} // namespace

// --- Valeurs au démarrage ---------------------------------------------------

TEST(PontAuDemarrage, CourantMoyenEtTensionRedresseeMoyenne)
{
    const PontToutThyristor pont;
    EXPECT_NEAR(pont.vmax(), 33.94113, 1e-5);
    EXPECT_EQ(pont.r(), 20.0f);
    EXPECT_EQ(pont.alpha(), 0.0f);
    EXPECT_EQ(pont.e(), 0.0);
    // 2 . 33,9411 / 3,14159 / 20
    EXPECT_NEAR(pont.imoy(), 1.080380, 1e-6);
    EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_uc), 21.60761, 1e-5);
    EXPECT_EQ(pont.arrondir(nombre_moyenne(pont, orvalt::i_uc)), 21.61);
    EXPECT_EQ(pont.arrondir(pont.imoy()), 1.08);
}

TEST(PontAuDemarrage, ReferencesDesTroisClasses)
{
    const PontToutThyristor pont;
    const oscillo::References r = pont.references();
    EXPECT_NEAR(r.tension, 33.94113, 1e-5);
    EXPECT_NEAR(r.courant, 1.080380, 1e-6);
    EXPECT_NEAR(r.commande, 0.1080380, 1e-7);
}

TEST(PontAuDemarrage, TableauDesMoyennes)
{
    const PontToutThyristor pont;
    EXPECT_EQ(texte_moyenne(pont, orvalt::i_u), "0");
    EXPECT_EQ(texte_moyenne(pont, orvalt::i_is), "0");
    EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_ic), 1.080380, 1e-6);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_uT1 + k), -10.80380, 1e-5);
        EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_iT1 + k), 0.540190, 1e-6);
        EXPECT_EQ(texte_moyenne(pont, orvalt::i_ig1 + k), "");
    }
}

TEST(PontAuDemarrage, ListeDesGrandeurs)
{
    const PontToutThyristor pont;
    const auto liste = pont.grandeurs();
    ASSERT_EQ(liste.size(), 16u);
    EXPECT_EQ(liste[0].legende, "u tension alternative (V)");
    EXPECT_EQ(liste[3].legende, "is courant absorbé par le redresseur (A)");
    EXPECT_EQ(liste[11].legende, "iT4 intensité dans T4(A)");
    EXPECT_EQ(liste[15].legende, "ig4 intensité dans gâchette T4 (A)");
    const struct {
        int debut, fin;
        oscillo::Classe classe;
    } classes[] = {{0, 1, oscillo::Classe::tension},  {2, 3, oscillo::Classe::courant},
                   {4, 7, oscillo::Classe::tension},  {8, 11, oscillo::Classe::courant},
                   {12, 15, oscillo::Classe::commande}};
    for (const auto &c : classes)
        for (int i = c.debut; i <= c.fin; ++i)
            EXPECT_EQ(liste[i].classe, c.classe) << "indice " << i;
}

// --- Angle d'amorçage ---------------------------------------------------------

TEST(AngleAmorcage, QuatreVingtDixDegresLaisseUnCourantMinusculeNonNul)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(90));
    // cos(90 . 3,14159 / 180) = 1,3268e-6 : imoy = 1,4334e-6 A.
    EXPECT_NEAR(pont.imoy(), 1.43344e-6, 1e-10);
    EXPECT_GT(pont.imoy(), 0.0);
    EXPECT_NEAR(pont.references().courant, 1.43344e-6, 1e-10);
    // Lectures arrondies au plancher de 0,001 : 0.
    EXPECT_EQ(pont.arrondir(pont.imoy()), 0.0);
    EXPECT_EQ(pont.arrondir(nombre_moyenne(pont, orvalt::i_uc)), 0.0);
}

TEST(AngleAmorcage, BornesAccepteesEtValeursRefusees)
{
    PontToutThyristor pont;
    EXPECT_TRUE(pont.fixer_alpha(180));
    EXPECT_EQ(pont.alpha(), 180.0f);
    EXPECT_NEAR(pont.imoy(), -1.080380, 1e-6);
    EXPECT_TRUE(pont.fixer_alpha(0));
    EXPECT_TRUE(pont.fixer_alpha(45));
    for (double refuse : {180.5, -1.0, -1e-9}) {
        SCOPED_TRACE(refuse);
        EXPECT_FALSE(pont.fixer_alpha(refuse));
        EXPECT_EQ(pont.alpha(), 45.0f); // l'angle précédent reste en vigueur
        EXPECT_NEAR(pont.imoy(), 0.763945, 1e-6);
    }
}

TEST(AngleAmorcage, QuaranteCinqDegres)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(45));
    EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_uc), 15.27890, 1e-5);
    EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_uT1), -7.639449, 1e-6);
    EXPECT_NEAR(nombre_moyenne(pont, orvalt::i_iT1 + 2), 0.381972, 1e-6);
}

// --- Table de conduction, à 45° (tα = 2,5 ms, T/2 = 10 ms, T/2 + tα = 12,5 ms) ---

TEST(TableDeConduction, UnInstantDansChacunDesQuatreIntervalles)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(45));
    const double i = 0.7639449;
    const struct {
        const char *nom;
        double t, u;
        bool t1_t4;
        double uc, is;
    } lignes[] = {
        {"avant l'amorçage de T1, T4", 0.001, 10.48838, false, -10.48838, -i},
        {"T1, T4 amorcés, alternance positive", 0.004, 32.27992, true, 32.27992, i},
        {"T1, T4 encore passants, alternance négative", 0.012, -19.95001, true, -19.95001, i},
        {"T2, T3 amorcés", 0.016, -32.27997, false, 32.27997, -i},
    };
    for (const auto &l : lignes) {
        SCOPED_TRACE(l.nom);
        pont.calculer(l.t, dt_pas_50, f);
        EXPECT_NEAR(pont.u(), l.u, 1e-4);
        EXPECT_NEAR(pont.uc(), l.uc, 1e-4);
        EXPECT_NEAR(pont.ic(), i, 1e-6);
        EXPECT_NEAR(pont.is(), l.is, 1e-6);
        EXPECT_EQ(pont.etat(1), l.t1_t4);
        EXPECT_EQ(pont.etat(4), l.t1_t4);
        EXPECT_EQ(pont.etat(2), !l.t1_t4);
        EXPECT_EQ(pont.etat(3), !l.t1_t4);
        EXPECT_FALSE(pont.moyennes_a_zero());
    }
}

TEST(TableDeConduction, TensionsEtCourantsDesThyristors)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(45));
    pont.calculer(0.004, dt_pas_50, f); // T1, T4 passants, u = 32,27992 V
    EXPECT_DOUBLE_EQ(pont.uT(1), 0.6);
    EXPECT_DOUBLE_EQ(pont.uT(4), 0.6);
    EXPECT_NEAR(pont.uT(2), -32.27992, 1e-4);
    EXPECT_NEAR(pont.uT(3), -32.27992, 1e-4);
    EXPECT_NEAR(pont.iT(1), 0.7639449, 1e-6);
    EXPECT_NEAR(pont.iT(4), 0.7639449, 1e-6);
    EXPECT_EQ(pont.iT(2), 0.0);
    EXPECT_EQ(pont.iT(3), 0.0);
    // Même lecture par les indices de la liste.
    EXPECT_DOUBLE_EQ(pont.valeur(orvalt::i_uT1), 0.6);
    EXPECT_NEAR(pont.valeur(orvalt::i_uT1 + 1), -32.27992, 1e-4);
    EXPECT_NEAR(pont.valeur(orvalt::i_iT1 + 3), 0.7639449, 1e-6);

    pont.calculer(0.016, dt_pas_50, f); // T2, T3 passants, u = -32,27997 V
    EXPECT_NEAR(pont.uT(1), -32.27997, 1e-4);
    EXPECT_NEAR(pont.uT(4), -32.27997, 1e-4);
    EXPECT_DOUBLE_EQ(pont.uT(2), 0.6);
    EXPECT_NEAR(pont.iT(3), 0.7639449, 1e-6);
    EXPECT_EQ(pont.iT(1), 0.0);
}

// --- Pont bloqué ---------------------------------------------------------------

TEST(PontBloque, FemDeTrenteVoltsAZeroDegre)
{
    PontToutThyristor pont;
    pont.fixer_e(30);
    // (21,6076 - 30) / 20
    EXPECT_NEAR(pont.imoy(), -0.4196195, 1e-6);
    EXPECT_TRUE(pont.bloque());
    EXPECT_NEAR(pont.references().courant, 0.4196195, 1e-6);   // pleine échelle positive
    EXPECT_NEAR(pont.references().commande, -0.04196195, 1e-7); // signée

    for (double t : {0.004, 0.016}) {
        SCOPED_TRACE(t);
        pont.calculer(t, dt_pas_50, f);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_FALSE(pont.etat(k)) << "T" << k;
            EXPECT_EQ(pont.iT(k), 0.0) << "T" << k;
        }
        EXPECT_EQ(pont.uc(), 0.0);
        EXPECT_EQ(pont.is(), 0.0);
        EXPECT_EQ(pont.ic(), 0.0);
        EXPECT_TRUE(pont.moyennes_a_zero());
        EXPECT_DOUBLE_EQ(pont.uT(1), pont.u());
        EXPECT_DOUBLE_EQ(pont.uT(4), pont.u());
        EXPECT_DOUBLE_EQ(pont.uT(2), -pont.u());
        EXPECT_DOUBLE_EQ(pont.uT(3), -pont.u());
    }
}

TEST(PontBloque, LesImpulsionsParaissentAvecLeCourantNegatif)
{
    PontToutThyristor pont;
    pont.fixer_e(30);
    pont.calculer(dt_pas_50, dt_pas_50, f); // premier top, alpha = 0
    EXPECT_NEAR(pont.ig(1), -0.04196195, 1e-7);
    EXPECT_NEAR(pont.ig(4), -0.04196195, 1e-7);
    EXPECT_EQ(pont.ig(2), 0.0);
}

TEST(PontBloque, LaFemNeRendPasLeTableauNonFini)
{
    PontToutThyristor pont;
    pont.fixer_e(1e300);
    EXPECT_TRUE(pont.bloque());
    EXPECT_NEAR(pont.imoy(), -5e298, 1e285);
    pont.fixer_e(0);
    EXPECT_FALSE(pont.bloque());
    EXPECT_NEAR(pont.imoy(), 1.080380, 1e-6);
}

// --- Impulsions de gâchette ----------------------------------------------------

TEST(Impulsions, DeuxTopsAutourDeChaqueAmorcageAuPasInitial)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(30));
    // Tops n . 0,231481 ms ; tα = 1,6667 ms = 7,2 tops, T/2 + tα = 50,4 tops.
    // Fenêtre ]tα - Δt ; tα + Δt] = ]6,2 ; 8,2] tops -> tops 7 et 8 pour T1, T4,
    // ]49,4 ; 51,4] -> tops 50 et 51 pour T2, T3.
    for (int n = 0; n <= 87; ++n) {
        pont.calculer(n * dt_pas_50, dt_pas_50, f);
        const bool t1 = n == 7 || n == 8;
        const bool t2 = n == 50 || n == 51;
        EXPECT_EQ(pont.ig(1) != 0.0, t1) << "top " << n;
        EXPECT_EQ(pont.ig(4) != 0.0, t1) << "top " << n;
        EXPECT_EQ(pont.ig(2) != 0.0, t2) << "top " << n;
        EXPECT_EQ(pont.ig(3) != 0.0, t2) << "top " << n;
        if (t1 || t2) {
            // imoy / 10 à 30° : 2 . 33,9411 . 0,866026 / 3,14159 / 20 / 10
            EXPECT_NEAR(pont.ig(t1 ? 1 : 2), 0.09356372, 1e-7);
        }
    }
}

TEST(Impulsions, AuPasDoubleLaFenetreDoubleAussi)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(30));
    const double dt = 100.0 / (4320.0 * 50.0); // 0,462963 ms
    // tα = 3,6 tops de ce pas ; fenêtre ]2,6 ; 4,6] -> tops 3 et 4.
    for (int n = 0; n <= 44; ++n) {
        pont.calculer(n * dt, dt, f);
        EXPECT_EQ(pont.ig(1) != 0.0, n == 3 || n == 4) << "top " << n;
    }
    // 2 ms : dans la fenêtre large ]1,2037 ; 2,1296] ms, hors de l'étroite ]1,4352 ; 1,8981].
    pont.calculer(2.0e-3, dt_pas_50, f);
    EXPECT_EQ(pont.ig(1), 0.0);
    pont.calculer(2.0e-3, dt, f);
    EXPECT_NE(pont.ig(1), 0.0);
}

TEST(Impulsions, AucuneQuandLeCurseurEstArrete)
{
    PontToutThyristor pont;
    ASSERT_TRUE(pont.fixer_alpha(45));
    for (double t : {0.0, 0.0025, 0.0125, 0.015}) {
        pont.calculer(t, 0.0, f);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(pont.ig(k), 0.0) << "t = " << t << ", T" << k;
    }
}

TEST(Impulsions, AZeroDegreUnSeulTopPourT1EtT4)
{
    PontToutThyristor pont;
    int tops = 0;
    for (int n = 1; n <= 87; ++n) {
        pont.calculer(n * dt_pas_50, dt_pas_50, f);
        tops += pont.ig(1) != 0.0;
    }
    EXPECT_EQ(tops, 1);
}

// --- Valeurs efficaces ---------------------------------------------------------
// Calculées à la main : u de 24 V efficaces ; uc vaut u ou -u, donc 24 V à
// tout angle ; ic est lissé, son efficace est sa moyenne ; un thyristor
// conduit ic une demi-période : imoy / racine de 2. La pulsation du modèle
// (6,28318 . f au lieu de 2 pi f) ajoute 1e-5 V aux tensions, sans effet
// sur les quatre chiffres affichés.

namespace {

double efficace(const PontToutThyristor &pont, int indice, double dt = dt_pas_50)
{
    return oscillo::valeur_efficace(pont.forme(indice, dt, f), 1.0 / f);
}

} // namespace

TEST(ValeursEfficaces, TableAZeroEtAQuaranteCinqDegres)
{
    const struct {
        double alpha;
        int indice;
        double attendu;   // valeur exacte du modèle
        double affichee;  // arrondie à quatre chiffres (plancher)
    } cas[] = {
        {0, orvalt::i_u, 24.0, 24},
        {0, orvalt::i_uc, 24.0, 24},
        {0, orvalt::i_ic, 1.0803805, 1.08},
        {0, orvalt::i_is, 1.0803805, 1.08},
        {0, orvalt::i_iT1 + 2, 0.7639444, 0.7639},
        // uT1 : 0,6 V pendant sa conduction, u le reste : racine de (0,36/2 + 24²/2).
        {0, orvalt::i_uT1, 16.975865, 16.98},
        {45, orvalt::i_uc, 24.0, 24},
        {45, orvalt::i_ic, 0.7639449, 0.7639}, // 1,08038 . cos 45°
        {45, orvalt::i_iT1, 0.5401906, 0.5402},
        // Impulsion de imoy/10 pendant 2 dt = 4,63e-4 s sur 0,02 s.
        {45, orvalt::i_ig1, 0.0116231, 0.01162},
        {45, orvalt::i_ig1 + 2, 0.0116231, 0.01162},
        // À 0°, seule la moitié de l'impulsion de T1 tombe dans la période.
        {0, orvalt::i_ig1, 0.0116230, 0.01162},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE("alpha " + std::to_string(c.alpha) + ", grandeur " + std::to_string(c.indice));
        PontToutThyristor pont;
        ASSERT_TRUE(pont.fixer_alpha(c.alpha));
        EXPECT_NEAR(efficace(pont, c.indice), c.attendu, 2e-5);
        EXPECT_DOUBLE_EQ(pont.arrondir(efficace(pont, c.indice)), c.affichee);
    }
}

TEST(ValeursEfficaces, LeCourantDeChargeEgaleSaMoyenneATousLesAngles)
{
    for (double alpha : {0.0, 30.0, 60.0, 80.0}) { // e = 2,5 V reste sous la tension redressée moyenne
        SCOPED_TRACE(alpha);
        PontToutThyristor pont;
        pont.fixer_alpha(alpha);
        pont.fixer_e(2.5);
        EXPECT_NEAR(efficace(pont, orvalt::i_ic), pont.imoy(), 1e-12);
        EXPECT_EQ(pont.arrondir(efficace(pont, orvalt::i_ic)), pont.arrondir(pont.imoy()));
    }
}

TEST(ValeursEfficaces, PontBloqueSeulesLesTensionsRestent)
{
    PontToutThyristor pont;
    pont.fixer_e(30);
    EXPECT_EQ(efficace(pont, orvalt::i_uc), 0.0);
    EXPECT_EQ(efficace(pont, orvalt::i_ic), 0.0);
    EXPECT_EQ(efficace(pont, orvalt::i_iT1), 0.0);
    // Un thyristor bloqué toute la période supporte u ou -u : 24 V.
    EXPECT_NEAR(efficace(pont, orvalt::i_uT1 + 1), 24.0, 2e-5);
    EXPECT_NEAR(efficace(pont, orvalt::i_u), 24.0, 2e-5);
}

TEST(ValeursEfficaces, CurseurArreteAucuneImpulsion)
{
    PontToutThyristor pont;
    pont.fixer_alpha(45);
    EXPECT_EQ(efficace(pont, orvalt::i_ig1, 0.0), 0.0);
    // Au pas double, impulsion deux fois plus large : racine de 2 fois plus.
    EXPECT_NEAR(efficace(pont, orvalt::i_ig1, 2 * dt_pas_50), 0.0116231 * std::sqrt(2.0), 1e-6);
}

TEST(ValeursEfficaces, LaFormeDeChaqueGrandeurEstCelleDuCalcul)
{
    const struct {
        double alpha, e;
    } cas[] = {{0, 0}, {45, 0}, {120, -5}, {180, 0}, {0, 30}};
    for (const auto &c : cas) {
        SCOPED_TRACE("alpha " + std::to_string(c.alpha) + ", e " + std::to_string(c.e));
        PontToutThyristor pont;
        pont.fixer_alpha(c.alpha);
        pont.fixer_e(c.e);
        concordance::verifier(pont, dt_pas_50, f);
    }
}
