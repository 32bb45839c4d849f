// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du banc du transformateur, sans fenêtre : les lectures attendues
// sont calculées à la main à partir du schéma équivalent (m = 0,2174,
// R1 = 2,24, X1 = 1,55, R2 = 0,486, X2 = 0,337, Rf = 3300, Xm = 7000 ohms).
#include "banc_transfo.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

using transfo::Afficheur;
using transfo::BancTransfo;

namespace {

// Enregistre les effets dans l'ordre, et la dernière valeur de chaque afficheur.
class Enregistreur : public transfo::EffetsTransfo
{
public:
    std::vector<std::string> journal;
    double lecture[6] = {-1, -1, -1, -1, -1, -1};
    std::string saisie;
    bool kv = true, kcc = true; // dessinés fermés tant qu'on ne les a pas dessinés
    double fleche_r = -1, fleche_l = -1;
    int fusibles = 0;

    double operator[](Afficheur a) const { return lecture[static_cast<int>(a)]; }

    void afficher(Afficheur a, double valeur) override
    {
        lecture[static_cast<int>(a)] = valeur;
        journal.push_back("afficher");
    }
    void ecrire_choix_u1(const std::string &texte) override
    {
        saisie = texte;
        journal.push_back("saisie " + texte);
    }
    void dessiner_kv(bool ferme) override
    {
        kv = ferme;
        journal.push_back(ferme ? "kv fermé" : "kv ouvert");
    }
    void dessiner_kcc(bool ferme) override
    {
        kcc = ferme;
        journal.push_back(ferme ? "kcc fermé" : "kcc ouvert");
    }
    void placer_curseur_r(double y) override
    {
        fleche_r = y;
        journal.push_back("curseur r");
    }
    void placer_curseur_l(double y) override
    {
        fleche_l = y;
        journal.push_back("curseur l");
    }
    void fusible_fondu() override
    {
        ++fusibles;
        journal.push_back("fusible");
    }
};

constexpr double h_r = transfo::hauteur_piste_r, h_l = transfo::hauteur_piste_l;

class Banc : public ::testing::Test
{
protected:
    Enregistreur effets;
    BancTransfo banc{effets};

    void SetUp() override
    {
        banc.init_transfo();
        banc.calcul_transfo();
        effets.journal.clear();
    }

    void tension(const char *texte) { banc.valid_u1_Click(texte); }

    // Un clic sur une piste, relâché à la hauteur y (twips depuis le haut).
    void regler_r(double y)
    {
        banc.rheostat_MouseDown(y);
        banc.rheostat_MouseUp(y);
    }
    void regler_l(double y)
    {
        banc.L_MouseDown(y);
        banc.L_MouseUp(y);
    }

    // Les six lectures, à quatre chiffres significatifs près.
    void attendre(double u1, double i1, double p1, double u2, double i2, double p2)
    {
        const double attendu[6] = {u1, i1, p1, u2, i2, p2};
        const char *noms[6] = {"u1", "i1", "p1", "u2", "i2", "p2"};
        for (int k = 0; k < 6; ++k)
            EXPECT_NEAR(effets.lecture[k], attendu[k], 1e-9 * std::fabs(attendu[k])) << noms[k];
    }
};

} // namespace

// --- Départ -------------------------------------------------------------------

TEST_F(Banc, AuDepartToutEstAuReposEtLaSaisieVautZero)
{
    EXPECT_EQ(effets.saisie, "0");
    attendre(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(banc.r_charge(), 20.0);
    EXPECT_EQ(banc.x_charge(), 0.0);
    EXPECT_FALSE(banc.kv_ferme());
    EXPECT_FALSE(banc.kcc_ferme());
    EXPECT_FALSE(banc.glisse_r());
    EXPECT_FALSE(banc.glisse_l());
}

// --- Les trois essais ---------------------------------------------------------

TEST_F(Banc, EssaiAVideA230V)
{
    // I1 = 230 . sqrt(1/3300² + 1/7000²) = 0,07705 A ; P1 = 230²/3300 = 16,03 W ;
    // U2 = 0,2174 . 230 = 50,00 V.
    tension("230");
    attendre(230, 0.07705, 16.03, 50, 0, 0);
    // tan phi1 = Rf/Xm = 0,4714, cos phi1 = 0,9045.
    EXPECT_NEAR(banc.resultats().cos_phi1, 0.9045, 5e-5);
    EXPECT_EQ(effets.fusibles, 0);
}

TEST_F(Banc, ChargeResistiveDe20OhmsA230V)
{
    banc.commande_kv_Click();
    tension("230");
    attendre(230, 0.599, 137.4, 48.56, 2.428, 117.9);
}

TEST_F(Banc, ChargeDe20OhmsEt0virgule1HenryA230V)
{
    banc.commande_kv_Click();
    regler_l(h_l + 300); // relâché sous la piste : L = 0,1 H
    tension("230");
    attendre(230, 0.3546, 51.86, 49.12, 1.319, 34.8);
}

TEST_F(Banc, CourtCircuitA20V)
{
    banc.commande_kcc_Click();
    tension("20");
    attendre(20, 1.319, 21.7, 0, 6.038, 0);
    EXPECT_NEAR(banc.resultats().cos_phi1, 0.8223, 5e-5);
}

// --- Charge et court-circuit ----------------------------------------------------

TEST_F(Banc, LesDeuxCurseursEnHautCourtCircuitentLaCharge)
{
    banc.commande_kv_Click();
    regler_r(-200); // relâché au-dessus : R = 0
    regler_l(-200); // X = 0
    tension("20");
    EXPECT_EQ(banc.r_charge(), 0.0);
    EXPECT_EQ(banc.x_charge(), 0.0);
    attendre(20, 1.319, 21.7, 0, 6.038, 0);
}

TEST_F(Banc, LeCourtCircuitLEmporteSurLInterrupteurDeCharge)
{
    banc.commande_kcc_Click();
    tension("20");
    banc.commande_kv_Click();
    EXPECT_TRUE(banc.kv_ferme());
    attendre(20, 1.319, 21.7, 0, 6.038, 0);

    // Le court-circuit ouvert, la charge de 20 ohms apparaît : I1 = 0,599 . 20/230.
    banc.commande_kcc_Click();
    EXPECT_NEAR(effets[Afficheur::i2], 0.2111, 1e-12);
    EXPECT_NEAR(effets[Afficheur::u2], 4.222, 1e-12);
}

TEST_F(Banc, LesInterrupteursSontDessinesAvantLeCalcul)
{
    banc.commande_kv_Click();
    ASSERT_GE(effets.journal.size(), 7u);
    EXPECT_EQ(effets.journal[0], "kv fermé");
    EXPECT_EQ(effets.journal[1], "afficher");
    effets.journal.clear();
    banc.commande_kv_Click();
    EXPECT_EQ(effets.journal.front(), "kv ouvert");
    EXPECT_FALSE(effets.kv);
}

// --- Fusible ----------------------------------------------------------------------

TEST_F(Banc, CourtCircuitA49VLeFusibleTient)
{
    banc.commande_kcc_Click();
    tension("49");
    EXPECT_NEAR(effets[Afficheur::i1], 3.232, 1e-12);
    EXPECT_EQ(effets.fusibles, 0);
    EXPECT_TRUE(banc.kcc_ferme());
}

TEST_F(Banc, CourtCircuitA50VLeFusibleFondEtLeSecondaireSOuvre)
{
    banc.commande_kcc_Click();
    banc.commande_kv_Click();
    effets.journal.clear();
    tension("50");

    // Premier calcul : I1 = 3,298 A, au-delà de 3 . 250/230 = 3,261 A.
    const std::vector<std::string> attendu = {"afficher", "afficher",  "afficher",   "afficher", "afficher",
                                              "afficher", "kv ouvert", "kcc ouvert", "fusible",  "afficher",
                                              "afficher", "afficher",  "afficher",   "afficher", "afficher"};
    EXPECT_EQ(effets.journal, attendu);
    EXPECT_EQ(effets.fusibles, 1);
    EXPECT_FALSE(banc.kv_ferme());
    EXPECT_FALSE(banc.kcc_ferme());
    EXPECT_FALSE(effets.kv);
    EXPECT_FALSE(effets.kcc);
    // Puis le secondaire ouvert : I1 = 50 . 3,3502e-4 = 0,01675 A, P1 = 50²/3300,
    // U2 = 0,2174 . 50 ; u1 reste 50 V.
    attendre(50, 0.01675, 0.7576, 10.87, 0, 0);
    EXPECT_EQ(banc.u1(), 50.0);
}

TEST(Fusible, UneTensionNegativeFaitFondreCommeLaPositive)
{
    // Court-circuit : 3,232 A sous 49 V, 3,298 A sous 50 V ; secondaire
    // ouvert : 3,35e-4 A par volt, soit 335 A sous un million de volts.
    const struct {
        const char *u1;
        bool court_circuit;
        int fusibles;
    } cas[] = {
        {"49", true, 0},       {"-49", true, 0},      {"50", true, 1},   {"-50", true, 1},
        {"1000000", false, 1}, {"-1000000", false, 1}, {"-230", false, 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.u1);
        Enregistreur effets;
        BancTransfo banc{effets};
        banc.init_transfo();
        banc.calcul_transfo();
        if (c.court_circuit)
            banc.commande_kcc_Click();
        banc.valid_u1_Click(c.u1);
        EXPECT_EQ(effets.fusibles, c.fusibles); // une seule fois, même au-delà de 9,73 kV
        EXPECT_EQ(banc.kcc_ferme(), c.court_circuit && c.fusibles == 0);
        if (c.fusibles == 0) {
            EXPECT_LE(std::fabs(banc.resultats().I1), transfo::I1_fusible);
        }
    }
}

TEST_F(Banc, UneIntensiteEgaleAuSeuilNeFaitPasFondreLeFusible)
{
    banc.commande_kcc_Click();
    tension("1");
    const double admittance = banc.resultats().I1; // intensité sous 1 V
    // Cherche une tension, à quelques ulps près, qui donne exactement le seuil.
    double u = transfo::I1_fusible / admittance;
    bool trouve = false;
    for (int pas = 0; pas < 64 && !trouve; ++pas) {
        char tampon[64];
        const auto fin = std::to_chars(tampon, tampon + sizeof tampon, u).ptr;
        banc.valid_u1_Click(std::string(tampon, fin));
        ASSERT_EQ(effets.fusibles, 0)
            << "fusible fondu sous le seuil ou à égalité, I1 = " << banc.resultats().I1;
        if (banc.resultats().I1 == transfo::I1_fusible)
            trouve = true;
        else
            u = std::nextafter(u, banc.resultats().I1 < transfo::I1_fusible ? 1e9 : 0.0);
    }
    ASSERT_TRUE(trouve);
    EXPECT_TRUE(banc.kcc_ferme());

    // Quelques ulps de plus et il fond.
    while (effets.fusibles == 0 && banc.resultats().I1 <= transfo::I1_fusible) {
        u = std::nextafter(u, 1e9);
        char tampon[64];
        const auto fin = std::to_chars(tampon, tampon + sizeof tampon, u).ptr;
        banc.valid_u1_Click(std::string(tampon, fin));
    }
    EXPECT_EQ(effets.fusibles, 1);
    EXPECT_FALSE(banc.kcc_ferme());
}

TEST_F(Banc, A230VLeFusibleFondSousUneResistanceDEnviron2virgule79Ohms)
{
    banc.commande_kv_Click();
    tension("230");
    regler_r(h_r * 2.80 / 20); // 2,80 ohms : I1 = 3,255 A
    EXPECT_EQ(effets.fusibles, 0);
    EXPECT_TRUE(banc.kv_ferme());
    regler_r(h_r * 2.78 / 20); // 2,78 ohms : I1 = 3,274 A
    EXPECT_EQ(effets.fusibles, 1);
    EXPECT_FALSE(banc.kv_ferme());
    // La résistance et la tension restent réglées.
    EXPECT_NEAR(banc.r_charge(), 2.78, 1e-12);
    EXPECT_EQ(banc.u1(), 230.0);
}

TEST_F(Banc, LeFusibleLacheLesCurseursEnCoursDeGlissement)
{
    banc.commande_kv_Click();
    tension("230");
    banc.L_MouseDown(0);
    banc.rheostat_MouseDown(h_r);
    banc.rheostat_MouseMove(h_r / 20); // 1 ohm : le fusible fond
    EXPECT_EQ(effets.fusibles, 1);
    EXPECT_FALSE(banc.glisse_r());
    EXPECT_FALSE(banc.glisse_l());
    const double r = banc.r_charge();
    banc.rheostat_MouseMove(h_r / 2);
    EXPECT_EQ(banc.r_charge(), r);
}

TEST_F(Banc, AuDelaDe9virgule73kVLeFusibleNeFondQuUneFoisParAction)
{
    // Secondaire ouvert : I1 = 20000 . 3,3502e-4 = 6,700 A, toujours au-delà du seuil.
    tension("20000");
    EXPECT_EQ(effets.fusibles, 1);
    EXPECT_NEAR(effets[Afficheur::i1], 6.7, 1e-12);
    EXPECT_NEAR(effets[Afficheur::u2], 4348, 1e-9);
    // Une nouvelle action refait fondre le fusible une fois, pas davantage.
    banc.commande_kv_Click();
    EXPECT_EQ(effets.fusibles, 2);
    EXPECT_FALSE(banc.kv_ferme());
}

TEST_F(Banc, UneTensionDemesureeNeDonneQueDesLecturesFinies)
{
    for (const char *texte : {"1e300", "-1e300", "1e999", "abc", ""}) {
        SCOPED_TRACE(texte);
        tension(texte);
        for (double v : effets.lecture)
            EXPECT_TRUE(std::isfinite(v));
    }
    // 1e999 dépasse un double : lu 0 ; un texte sans nombre aussi.
    tension("1e999");
    EXPECT_EQ(banc.u1(), 0.0);
    tension("abc");
    EXPECT_EQ(banc.u1(), 0.0);
}

// --- Curseurs -----------------------------------------------------------------------

TEST_F(Banc, RelacheSousOuAuDessusDeLaPisteLeCurseurVaAuBout)
{
    struct Cas {
        const char *nom;
        double y;
        double fleche, R;
    } cas[] = {
        {"sous la piste", h_r + 500, h_r, 20.0},
        {"au-dessus", -500, 0, 0.0},
        {"au milieu", h_r / 2, h_r / 2, 10.0},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        regler_r(c.y);
        EXPECT_DOUBLE_EQ(effets.fleche_r, c.fleche);
        EXPECT_DOUBLE_EQ(banc.r_charge(), c.R);
        EXPECT_FALSE(banc.glisse_r());
    }
}

TEST_F(Banc, LInductanceVaDe0a0virgule1Henry)
{
    regler_l(h_l + 1); // sous la piste : X = 0,1 . 314,16 = 31,416 ohms
    EXPECT_EQ(effets.fleche_l, h_l);
    EXPECT_NEAR(banc.x_charge(), 31.41593, 1e-5);
    regler_l(h_l / 4); // un quart : 7,854 ohms
    EXPECT_NEAR(banc.x_charge(), 7.853982, 1e-5);
    regler_l(-1);
    EXPECT_EQ(banc.x_charge(), 0.0);
    EXPECT_EQ(effets.fleche_l, 0.0);
}

TEST_F(Banc, UnClicSansDeplacementAppliqueLaPositionDuRelachement)
{
    banc.commande_kv_Click();
    tension("100");
    effets.journal.clear();
    banc.rheostat_MouseDown(h_r / 4);
    EXPECT_TRUE(banc.glisse_r());
    EXPECT_EQ(effets.journal, std::vector<std::string>{"curseur r"}); // pas de calcul à l'appui
    EXPECT_EQ(banc.r_charge(), 20.0);
    banc.rheostat_MouseUp(h_r / 4);
    EXPECT_EQ(banc.r_charge(), 5.0);
    EXPECT_EQ(effets.journal.size(), 8u); // curseur, curseur, six lectures
}

TEST_F(Banc, SurvolerUnePisteSansAppuyerNeChangeRien)
{
    banc.rheostat_MouseMove(h_r / 2);
    banc.L_MouseMove(h_l / 2);
    EXPECT_TRUE(effets.journal.empty());
    EXPECT_EQ(banc.r_charge(), 20.0);
    EXPECT_EQ(banc.x_charge(), 0.0);
}

TEST_F(Banc, EnGlissantSeulsLesPointsStrictementDansLaPisteComptent)
{
    banc.rheostat_MouseDown(h_r);
    banc.rheostat_MouseMove(h_r * 0.3); // 6 ohms
    EXPECT_DOUBLE_EQ(banc.r_charge(), 6.0);
    EXPECT_DOUBLE_EQ(effets.fleche_r, h_r * 0.3);
    for (double y : {0.0, h_r, -10.0, h_r + 10}) {
        banc.rheostat_MouseMove(y);
        EXPECT_DOUBLE_EQ(banc.r_charge(), 6.0) << y;
    }
    banc.L_MouseDown(0);
    banc.L_MouseMove(h_l * 0.5);
    EXPECT_NEAR(banc.x_charge(), 15.70796, 1e-5);
    banc.L_MouseMove(h_l);
    EXPECT_NEAR(banc.x_charge(), 15.70796, 1e-5);
}
