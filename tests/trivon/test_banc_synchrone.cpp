// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du banc de la machine synchrone, sans fenêtre. Les valeurs attendues
// sont les points de référence du banc, vérifiés à la main.
#include "banc_synchrone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using trivon::Afficheur;

namespace {

// Enregistre les effets dans l'ordre où le modèle les produit.
struct Effets : trivon::EffetsBanc {
    std::vector<std::string> journal, avertissements;
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
    void avertir(const std::string &message) override { avertissements.push_back(message); }
    double operator[](Afficheur a) const { return lu[static_cast<int>(a)]; }
};

struct Banc : ::testing::Test {
    Effets effets;
    trivon::BancSynchrone banc{effets};
    // Règle le banc depuis l'état initial et fait un calcul.
    void calculer(double U, double Ue, bool ferme = false, bool etoile = true, double R = 500, float L = 0)
    {
        banc.initialise();
        banc.reglages() = {U, Ue, R, L, ferme, etoile};
        effets = Effets{};
        banc.calcul_point();
    }
};

} // namespace

TEST_F(Banc, PointsDeFonctionnementDeReference)
{
    // U = 120 V : 1499,9 tr/min ; Ue = 70 V : Ie = 2,6 A.
    const struct {
        const char *cas;
        bool ferme, etoile;
        double R, V, I, P, T;
    } cas[] = {
        {"à vide, étoile : V = f.é.m.", false, true, 500, 276.4, 0, 0, 0.748},
        {"500 ohms, étoile", true, true, 500, 269.9, 0.540, 437, 3.51},
        {"500 ohms, triangle", true, false, 500, 158.8, 0.318, 151, NAN},
        {"court-circuit, étoile : couple des pertes seul", true, true, 0, 0, 3.25, 0, 0.223},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.cas);
        calculer(120, 70, c.ferme, c.etoile, c.R);
        EXPECT_EQ(effets[Afficheur::n], 1500);
        EXPECT_EQ(effets[Afficheur::f], 50);
        EXPECT_EQ(effets[Afficheur::ie], 2.6);
        EXPECT_NEAR(effets[Afficheur::v], c.V, 0.051);
        EXPECT_NEAR(effets[Afficheur::i], c.I, 0.0051);
        EXPECT_NEAR(effets[Afficheur::P], c.P, 1);
        if (!std::isnan(c.T)) {
            EXPECT_NEAR(effets[Afficheur::t], c.T, 0.0051);
        }
        EXPECT_EQ(effets.ferme, c.ferme);
    }
    calculer(120, 70);
    EXPECT_NEAR(banc.resultats().Pfer, 82.5, 0.05);
    const std::vector<std::string> ordre = {"ouvert",     "afficher 0", "afficher 1",
                                            "afficher 2", "afficher 3", "afficher 4",
                                            "afficher 5", "afficher 6", "afficher 7"};
    EXPECT_EQ(effets.journal, ordre);
    EXPECT_EQ(trivon::kphi(0), 0.0);
    EXPECT_EQ(trivon::kphi(-2.6), -trivon::kphi(2.6)); // même saturation dans les deux sens
}

TEST_F(Banc, LimitesDeVitesseEtDExcitation)
{
    const std::string vite = "Le moteur tourne trop vite",
                      fort = "Le courant dans l'inducteur est trop grand";
    const struct {
        double U, Ue;
        std::vector<std::string> avertissements;
        double n, Ie, Ue_lu;
    } cas[] = {
        {400, 70, {}, 5000, 2.6, 70},  // 4999,6 tr/min
        {401, 70, {vite}, 0, 2.6, 70}, // 5012 tr/min
        {-401, 70, {vite}, 0, 2.6, 70},
        {120, 209, {}, 1500, 7.763, 209},
        {120, 210, {fort}, 1500, 0, 0}, // 7,80002 A > 7,8 A
        {120, -210, {fort}, 1500, 0, 0},
        {500, 300, {vite, fort}, 0, 0, 0}, // les deux, dans l'ordre du calcul
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.U) + " V, Ue = " + std::to_string(c.Ue) + " V");
        calculer(c.U, c.Ue, true);
        EXPECT_EQ(effets.avertissements, c.avertissements);
        EXPECT_EQ(effets[Afficheur::n], c.n);
        EXPECT_EQ(effets[Afficheur::ie], c.Ie);
        EXPECT_EQ(effets[Afficheur::ue], c.Ue_lu);
        if (c.n == 0) { // survitesse : tout à 0 sauf l'excitation
            for (Afficheur a : {Afficheur::v, Afficheur::i, Afficheur::t, Afficheur::P, Afficheur::f})
                EXPECT_EQ(effets[a], 0) << static_cast<int>(a);
        }
    }
    // La tension en vigueur reste à 0 : le calcul suivant n'avertit plus.
    calculer(401, 70);
    effets.avertissements.clear();
    banc.calcul_point();
    EXPECT_TRUE(effets.avertissements.empty());
}

TEST_F(Banc, RotationALEnversEtExcitationInverseeDonnentLesMemesGrandeursAlternatives)
{
    // Fréquence, tension efficace, courant et puissance de la marche avant ;
    // le couple s'oppose toujours à la rotation.
    const struct {
        double U, Ue, n, T;
    } cas[] = {{-120, 70, -1500, -3.508}, {120, -70, 1500, 3.508}, {-120, -70, -1500, -3.508}};
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.U) + " / " + std::to_string(c.Ue));
        calculer(c.U, c.Ue, true);
        EXPECT_EQ(effets[Afficheur::n], c.n);
        EXPECT_EQ(effets[Afficheur::f], 50);
        EXPECT_NEAR(effets[Afficheur::v], 269.9, 0.051);
        EXPECT_NEAR(effets[Afficheur::i], 0.540, 0.0051);
        EXPECT_NEAR(effets[Afficheur::P], 437, 1);
        EXPECT_NEAR(effets[Afficheur::t], c.T, 0.0051);
    }
}

TEST_F(Banc, ChargesAbsurdesDonnentDesLecturesFiniesOuNulles)
{
    const struct {
        double R;
        float L;
        bool etoile;
    } cas[] = {{-4.9, -0.27f, true},
               {1e300, 0, true},
               {500, INFINITY, true},
               {-4.9 / 3, 0, false},
               {-1e300, 1e30f, false}};
    for (double U : {0.0, 120.0})
        for (const auto &c : cas) {
            SCOPED_TRACE(std::to_string(U) + " V, R = " + std::to_string(c.R) +
                         ", L = " + std::to_string(c.L));
            calculer(U, 70, true, c.etoile, c.R, c.L);
            for (double lu : effets.lu)
                EXPECT_TRUE(std::isfinite(lu));
            EXPECT_TRUE(std::isfinite(banc.resultats().T) && std::isfinite(banc.resultats().Pfer));
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
        {true, 1500, 255, 150}, {false, 1500, 192, 0},   {true, 750, 255, 300}, {true, -1500, 255, 150},
        {true, 5000, 255, 45},  {true, 3.5, 255, 64286}, // encore visible : 64 286 ms
        {true, 3.4, 0, 100},                             // trop lent : arrêté, cadence de repos
        {true, 0, 0, 100},      {false, 0, 0, 0},        {true, NAN, 0, 100},   {false, INFINITY, 0, 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::to_string(c.n) + (c.premier ? " Timer1" : " Timer2"));
        const trivon::EtatArbre e = trivon::top_arbre(c.premier, c.n);
        EXPECT_EQ(e.couleur, c.couleur);
        EXPECT_EQ(e.intervalle, c.intervalle);
    }
}
