// Modèle du banc de la machine synchrone, sans fenêtre : les valeurs attendues
// sont celles du banc réel de référence (calculées à la main), pas recalculées
// par les formules du modèle.
#include "banc_synchrone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using trivon::Afficheur;

namespace {

// Enregistre les effets dans l'ordre où le modèle les produit.
struct Effets : trivon::EffetsBanc {
    std::vector<std::string> journal;
    double lu[8] = {};
    bool ferme = false;

    void afficher(Afficheur a, double valeur) override
    {
        lu[static_cast<int>(a)] = valeur;
        journal.push_back("afficher " + std::to_string(static_cast<int>(a)));
    }
    void dessiner_interrupteur(bool f) override
    {
        ferme = f;
        journal.push_back(f ? "fermé" : "ouvert");
    }
    void avertir(const std::string &message) override { journal.push_back(message); }
    double operator[](Afficheur a) const { return lu[static_cast<int>(a)]; }
    std::vector<std::string> avertissements() const
    {
        std::vector<std::string> a;
        for (const auto &e : journal)
            if (e.rfind("Le ", 0) == 0)
                a.push_back(e);
        return a;
    }
};

struct Banc : ::testing::Test {
    Effets effets;
    trivon::BancSynchrone banc{effets};

    void SetUp() override
    {
        banc.initialise();
        banc.calcul_point();
        effets.journal.clear();
    }
    // U = 120 V et Ue = 70 V : 1500 tr/min et Ie = 2,6 A.
    void au_point_nominal()
    {
        banc.reglages().U = 120;
        banc.reglages().Ue = 70;
    }
};

} // namespace

TEST_F(Banc, AuChargementToutEstAZeroInterrupteurOuvertEnEtoile)
{
    for (int a = 0; a < 8; ++a)
        EXPECT_EQ(effets.lu[a], 0.0) << a;
    EXPECT_FALSE(effets.ferme);
    EXPECT_TRUE(banc.reglages().etoile);
    EXPECT_EQ(banc.reglages().R, 500.0);
    EXPECT_EQ(banc.reglages().L, 0.0f);
}

TEST_F(Banc, CourbeDAimantation)
{
    EXPECT_EQ(trivon::kphi(0), 0.0);
    // À Ie = Ien et 1500 tr/min, la f.é.m. d'un enroulement vaut environ 276,4 V.
    EXPECT_NEAR(trivon::kphi(2.6) * 1500, 276.4, 0.05);
    // Saturation : vers En / (0,9328 . nn) = 0,19297 V par tr/min.
    EXPECT_NEAR(trivon::kphi(100), 0.192967, 1e-6);
    // Le sens du courant d'excitation ne change que le signe.
    EXPECT_EQ(trivon::kphi(-2.6), -trivon::kphi(2.6));
}

TEST_F(Banc, PointsDeFonctionnementDeReference)
{
    const struct {
        const char *cas;
        bool ferme, etoile;
        double R;
        float L;
        double V, I, P, T, precision_P;
    } cas[] = {
        // À vide : V est la f.é.m. ; pertes fer 82,5 W seules sur l'arbre.
        {"ouvert, étoile", false, true, 500, 0, 276.4, 0, 0, 0.748, 0},
        {"fermé sur 500 ohms, étoile", true, true, 500, 0, 269.9, 0.540, 437, 3.51, 1},
        {"fermé sur 500 ohms, triangle", true, false, 500, 0, 158.8, 0.318, 151, -1, 1},
        // Court-circuit : courant limité par Rs et Ls, couple des pertes seul.
        {"court-circuit en étoile", true, true, 0, 0, 0, 3.25, 0, 0.223, 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.cas);
        au_point_nominal();
        banc.reglages().inter_ferme = c.ferme;
        banc.reglages().etoile = c.etoile;
        banc.reglages().R = c.R;
        banc.reglages().L = c.L;
        banc.calcul_point();
        EXPECT_EQ(effets[Afficheur::n], 1500);
        EXPECT_EQ(effets[Afficheur::f], 50);
        EXPECT_EQ(effets[Afficheur::ie], 2.6);
        EXPECT_NEAR(effets[Afficheur::v], c.V, 0.051);
        EXPECT_NEAR(effets[Afficheur::i], c.I, 0.0051);
        EXPECT_NEAR(effets[Afficheur::p], c.P, c.precision_P);
        if (c.T >= 0) {
            EXPECT_NEAR(effets[Afficheur::t], c.T, 0.0051);
        }
        EXPECT_EQ(effets.ferme, c.ferme);
    }
    // À vide, pertes fer de 82,5 W.
    banc.reglages().inter_ferme = false;
    banc.reglages().etoile = true;
    banc.calcul_point();
    EXPECT_NEAR(banc.resultats().Pfer, 82.5, 0.05);
}

TEST_F(Banc, LesAfficheursSontRafraichisDansLOrdreEtArrondis)
{
    au_point_nominal();
    banc.calcul_point();
    const std::vector<std::string> attendu = {"ouvert",     "afficher 0", "afficher 1",
                                              "afficher 2", "afficher 3", "afficher 4",
                                              "afficher 5", "afficher 6", "afficher 7"};
    EXPECT_EQ(effets.journal, attendu);
    // 1499,9 tr/min arrondi à quatre chiffres ; 276,39 V de même.
    EXPECT_NEAR(banc.resultats().n, 1499.9, 0.05);
    EXPECT_EQ(effets[Afficheur::v], 276.4);
}

TEST_F(Banc, OuvrirLInterrupteurRameneIetPaZeroEtVAlaFem)
{
    au_point_nominal();
    banc.reglages().inter_ferme = true;
    banc.calcul_point();
    EXPECT_GT(effets[Afficheur::p], 0);
    banc.reglages().inter_ferme = false;
    banc.calcul_point();
    EXPECT_EQ(effets[Afficheur::i], 0);
    EXPECT_EQ(effets[Afficheur::p], 0);
    EXPECT_EQ(effets[Afficheur::v], 276.4);
}

TEST_F(Banc, LimitesDeVitesseEtDExcitation)
{
    const struct {
        double U, Ue;
        const char *avertissement; // nullptr : accepté
        double n, Ie, Ue_affiche;
    } cas[] = {
        {400, 70, nullptr, 5000, 2.6, 70},                   // 4999,6 tr/min
        {401, 70, "Le moteur tourne trop vite", 0, 2.6, 70}, // 5012 tr/min
        {-401, 70, "Le moteur tourne trop vite", 0, 2.6, 70},
        {120, 209, nullptr, 1500, 7.763, 209},
        {120, 210, "Le courant dans l'inducteur est trop grand", 1500, 0, 0}, // 7,80002 A
        {120, -210, "Le courant dans l'inducteur est trop grand", 1500, 0, 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.U) + " V, Ue = " + std::to_string(c.Ue) + " V");
        banc.initialise();
        banc.reglages().U = c.U;
        banc.reglages().Ue = c.Ue;
        effets.journal.clear();
        banc.calcul_point();
        if (c.avertissement)
            EXPECT_EQ(effets.avertissements(), std::vector<std::string>{c.avertissement});
        else
            EXPECT_TRUE(effets.avertissements().empty());
        EXPECT_EQ(effets[Afficheur::n], c.n);
        EXPECT_EQ(effets[Afficheur::ie], c.Ie);
        EXPECT_EQ(effets[Afficheur::ue], c.Ue_affiche);
    }
}

TEST_F(Banc, SurvitesseToutAZeroSaufLExcitationEtLaTensionResteAZero)
{
    au_point_nominal();
    banc.reglages().U = 401;
    banc.reglages().inter_ferme = true;
    banc.calcul_point();
    for (Afficheur a : {Afficheur::n, Afficheur::v, Afficheur::i, Afficheur::t, Afficheur::p, Afficheur::f})
        EXPECT_EQ(effets[a], 0) << static_cast<int>(a);
    EXPECT_EQ(effets[Afficheur::ue], 70);
    EXPECT_EQ(effets[Afficheur::ie], 2.6);
    // La tension en vigueur est 0 : un nouveau calcul n'avertit plus.
    EXPECT_EQ(banc.reglages().U, 0.0);
    effets.journal.clear();
    banc.calcul_point();
    EXPECT_TRUE(effets.avertissements().empty());
}

TEST_F(Banc, LesDeuxAvertissementsDansLeMemeCalculDansLOrdre)
{
    banc.reglages().U = 500;
    banc.reglages().Ue = 300;
    banc.calcul_point();
    EXPECT_EQ(effets.avertissements(),
              (std::vector<std::string>{"Le moteur tourne trop vite",
                                        "Le courant dans l'inducteur est trop grand"}));
    EXPECT_EQ(effets.journal.front(), "Le moteur tourne trop vite");
    for (int a = 0; a < 8; ++a)
        EXPECT_EQ(effets.lu[a], 0.0) << a;
}

TEST_F(Banc, RotationALEnversEtExcitationInverseeDonnentLesMemesGrandeursAlternatives)
{
    // Le moteur à l'envers : vitesse négative, mais la fréquence, la tension
    // efficace et la puissance restent celles de la marche avant ; le couple
    // s'oppose toujours à la rotation.
    const struct {
        double U, Ue, n, T;
    } cas[] = {{-120, 70, -1500, -3.508}, {120, -70, 1500, 3.508}, {-120, -70, -1500, -3.508}};
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.U) + " / " + std::to_string(c.Ue));
        banc.initialise();
        banc.reglages().U = c.U;
        banc.reglages().Ue = c.Ue;
        banc.reglages().inter_ferme = true;
        banc.calcul_point();
        EXPECT_EQ(effets[Afficheur::n], c.n);
        EXPECT_EQ(effets[Afficheur::f], 50);
        EXPECT_NEAR(effets[Afficheur::v], 269.9, 0.051);
        EXPECT_NEAR(effets[Afficheur::i], 0.540, 0.0051);
        EXPECT_NEAR(effets[Afficheur::p], 437, 1);
        EXPECT_NEAR(effets[Afficheur::t], c.T, 0.0051);
    }
}

TEST_F(Banc, ChargesAbsurdesDonnentDesLecturesFiniesOuNulles)
{
    const struct {
        const char *cas;
        double R;
        float L;
        bool etoile;
    } cas[] = {
        {"Z = 0 : R = -Rs, L = -Ls", -4.9, -0.27f, true},       {"R démesurée", 1e300, 0, true},
        {"L hors de la simple précision", 500, INFINITY, true}, {"triangle, R = -Rs/3", -4.9 / 3, 0, false},
        {"triangle, R démesurée", -1e300, 1e30f, false},
    };
    for (double U : {0.0, 120.0}) {
        for (const auto &c : cas) {
            SCOPED_TRACE(std::string(c.cas) + (U == 0 ? ", à l'arrêt" : ", en marche"));
            banc.initialise();
            banc.reglages().U = U;
            banc.reglages().Ue = 70;
            banc.reglages().inter_ferme = true;
            banc.reglages().etoile = c.etoile;
            banc.reglages().R = c.R;
            banc.reglages().L = c.L;
            banc.calcul_point();
            for (int a = 0; a < 8; ++a)
                EXPECT_TRUE(std::isfinite(effets.lu[a])) << a;
            EXPECT_TRUE(std::isfinite(banc.resultats().T));
            EXPECT_TRUE(std::isfinite(banc.resultats().Pfer));
        }
    }
}

TEST(Arbre, CadenceDuScintillement)
{
    const struct {
        bool premier;
        double n;
        std::uint32_t couleur;
        int intervalle;
    } cas[] = {
        {true, 1500, 255, 150}, // 150 ms à la vitesse nominale
        {false, 1500, 192, 0},  {true, 750, 255, 300}, {true, -1500, 255, 150}, // à l'envers, même cadence
        {false, -1500, 192, 0}, {true, 5000, 255, 45}, {true, 3.5, 255, 64286}, // encore visible : 64 286 ms
        {true, 3.4, 0, 100}, // trop lent : montré arrêté, cadence de repos
        {true, 0, 0, 100},      {false, 0, 0, 0},      {true, NAN, 0, 100},     {false, INFINITY, 0, 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.n) + (c.premier ? " Timer1" : " Timer2"));
        const trivon::EtatArbre e = trivon::top_arbre(c.premier, c.n);
        EXPECT_EQ(e.couleur, c.couleur);
        EXPECT_EQ(e.intervalle, c.intervalle);
    }
}
