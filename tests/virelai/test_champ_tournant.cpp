// SPDX-License-Identifier: GPL-3.0-or-later
// Animation du champ tournant, sans fenêtre : un écran factice garde ce que
// l'animation fait paraître.
#include "champ_tournant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace virelai;

namespace {

class EcranFactice : public Ecran
{
public:
    // Géométrie des graphes de la fenêtre : axe des valeurs du graphe 0 en
    // X = 7800, axe des temps jusqu'à 11040, soit G = 3240.
    AxeTemps axe_temps(int k) const override
    {
        const AxeTemps a[] = {{7680, 11040, 1500}, {7020, 10380, 7320}, {1080, 4440, 7260}};
        return a[k];
    }
    AxeValeurs axe_valeurs(int k) const override
    {
        const AxeValeurs a[] = {{7800, 780, 2220}, {7140, 6600, 8040}, {1200, 6540, 7980}};
        return a[k];
    }
    bool case_cochee(int k) const override { return cochee[k]; }
    void ecrire_angle(int degres) override { angles.push_back(degres); }
    void placer_vecteur(int k, const Trait &fut, const Pointe &) override { vecteurs[k] = fut; }
    void montrer_vecteur(int k, bool v) override { visible[k] = v; }
    void tracer_segment(const Trait &s, std::uint32_t) override { dernier_segment = s; }
    void effacer_graphe(int, const Point &, const Point &) override { ++effacements; }
    void legende_arret(const std::string &l) override { legende = l; }

    bool cochee[4] = {false, false, false, false};
    std::vector<int> angles;
    Trait vecteurs[nombre_vecteurs];
    bool visible[nombre_vecteurs] = {true, true, true, true, true, true};
    Trait dernier_segment;
    int effacements = 0;
    std::string legende;
};

class Animation : public ::testing::Test
{
protected:
    void SetUp() override { champ.charger(100); }
    void tops(int n)
    {
        for (int i = 0; i < n; ++i)
            champ.Timer1_Timer();
    }
    EcranFactice ecran;
    ChampTournant champ{ecran};
};

double longueur(const Trait &t)
{
    return std::hypot(t.fin.x - t.debut.x, t.fin.y - t.debut.y);
}

} // namespace

TEST_F(Animation, AuDepartAucunVecteurNeParaitEtLaResultanteGardeSaLongueur)
{
    for (int k = 0; k < nombre_vecteurs; ++k)
        EXPECT_FALSE(ecran.visible[k]) << k;
    EXPECT_FLOAT_EQ(champ.dx(), 16.2f); // 50 Hz × 0,1 ms × 3240
    ecran.cochee[3] = true;
    for (int n = 1; n <= 201; ++n) {
        tops(1);
        SCOPED_TRACE(n);
        EXPECT_NEAR(longueur(ecran.vecteurs[3]), 2250.0, 0.1);
        EXPECT_TRUE(ecran.visible[3]);
        for (int k : {0, 1, 2, 4, 5})
            EXPECT_FALSE(ecran.visible[k]);
    }
}

TEST_F(Animation, LaResultanteTourneDansLeSensTrigonometriqueALEcran)
{
    // Pointe de la résultante (centre 5820, 4140 ; 2250 twips) : à gauche à
    // 0°, en bas à 90°, à droite à 180°, en haut à 270° (y vers le bas).
    // 1,8° : 5820 − 2250 cos 1,8° = 3571,11 ; 4140 + 2250 sin 1,8° = 4210,67.
    const struct {
        int top;
        double x, y;
    } cas[] = {{1, 3571.11, 4210.67}, {50, 5820, 6390}, {100, 8070, 4140}, {150, 5820, 1890}};
    int fait = 0;
    for (const auto &c : cas) {
        tops(c.top - fait);
        fait = c.top;
        SCOPED_TRACE(c.top);
        EXPECT_NEAR(ecran.vecteurs[3].fin.x, c.x, 0.5);
        EXPECT_NEAR(ecran.vecteurs[3].fin.y, c.y, 0.5);
    }
    // À 90° le courant de la bobine 1 est à sa crête : son champ, vertical,
    // descend de 1500 twips ; ceux des bobines 2 et 3 valent −0,5 chacun.
    tops(50 - fait + 201); // même instant de la période suivante
    EXPECT_NEAR(champ.i_bobine(0), 0.2513272, 1e-6);
    EXPECT_NEAR(ecran.vecteurs[0].fin.x, 5820, 0.1);
    EXPECT_NEAR(ecran.vecteurs[0].fin.y, 5640, 0.1);
    EXPECT_NEAR(ecran.vecteurs[1].fin.x, 5820 - 750 * 0.866025, 0.1);
    EXPECT_NEAR(ecran.vecteurs[1].fin.y, 4140 + 375, 0.1);
}

TEST_F(Animation, AngleAffichePeriodeDe201Tops)
{
    const struct {
        int top, angle;
    } cas[] = {{1, 1}, {99, 178}, {100, 180}, {101, -179}, {199, -2}, {200, 0}, {201, 1}, {202, 1}, {401, 0}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.top);
        tops(c.top - static_cast<int>(ecran.angles.size()));
        EXPECT_EQ(ecran.angles.back(), c.angle);
        if (c.top == 200) {
            EXPECT_EQ(ecran.effacements, 0);
            EXPECT_NEAR(champ.t(), 0.02, 1e-6);
        }
        if (c.top == 201) {
            // La fin de période tient pour la première fois : les trois
            // graphes effacés, le dernier segment finit 201 × 16,2 = 3256,2
            // twips après l'axe des valeurs, un peu au-delà de l'axe des temps.
            EXPECT_EQ(ecran.effacements, 3);
            EXPECT_EQ(champ.t(), 0.0f);
            EXPECT_EQ(champ.x_trace(), 0.0);
            EXPECT_NEAR(ecran.dernier_segment.fin.x, 1200 + 3256.2, 0.01);
        }
    }
    EXPECT_EQ(ecran.effacements, 3); // la seconde période finit au top 402
}

TEST_F(Animation, ArretAdditionBoutABoutPuisReprise)
{
    ecran.cochee[0] = true;
    tops(30); // 54°
    champ.bouton_arret_Click();
    EXPECT_EQ(ecran.legende, "Reprendre");
    for (int k = 0; k < nombre_vecteurs; ++k)
        EXPECT_TRUE(ecran.visible[k]) << k;
    // Champ de la bobine 1 à 54° : 1500 sin 54° = 1213,5 vers le bas.
    EXPECT_NEAR(ecran.vecteurs[4].debut.x, 5820, 0.01);
    EXPECT_NEAR(ecran.vecteurs[4].debut.y, 4140 + 1213.525, 0.01);
    EXPECT_NEAR(ecran.vecteurs[5].debut.x, ecran.vecteurs[4].fin.x, 1e-9);
    EXPECT_NEAR(ecran.vecteurs[5].debut.y, ecran.vecteurs[4].fin.y, 1e-9);
    EXPECT_NEAR(ecran.vecteurs[5].fin.x, ecran.vecteurs[3].fin.x, 1e-6);
    EXPECT_NEAR(ecran.vecteurs[5].fin.y, ecran.vecteurs[3].fin.y, 1e-6);

    // Figé, la minuterie tourne mais le temps n'avance pas.
    const float t = champ.t();
    tops(10);
    EXPECT_EQ(champ.t(), t);
    EXPECT_EQ(ecran.angles.size(), 30u);

    champ.bouton_arret_Click();
    EXPECT_EQ(ecran.legende, "Arrêt et addition des vecteurs");
    EXPECT_FALSE(ecran.visible[4]);
    EXPECT_FALSE(ecran.visible[5]);
    tops(1);
    EXPECT_EQ(ecran.angles.back(), 55); // 31 × 1,8 = 55,8°
    EXPECT_TRUE(ecran.visible[0]);
    for (int k : {1, 2, 3})
        EXPECT_FALSE(ecran.visible[k]) << k;
}

TEST(PointeFleche, TraitsSelonLaDirectionDuFut)
{
    // Traits d'un dixième du fût, à ±30° en arrière de la pointe : calculés
    // en tournant de ±30° le vecteur unitaire qui revient de la pointe.
    // 0,1 × 1000 × (sin 30°, cos 30°) = (50, 86,60).
    const struct {
        const char *nom;
        Trait fut;
        Point debut1, debut2;
    } cas[] = {
        {"vertical vers le haut", {{0, 1000}, {0, 0}}, {-50, 86.603}, {50, 86.603}},
        {"vertical vers le bas", {{0, 0}, {0, 1000}}, {50, 913.397}, {-50, 913.397}},
        {"horizontal vers la droite", {{0, 0}, {1000, 0}}, {913.397, -50}, {913.397, 50}},
        {"horizontal vers la gauche", {{1000, 0}, {0, 0}}, {86.603, 50}, {86.603, -50}},
        {"oblique en haut à droite", {{0, 0}, {300, -400}}, {254.019, -380.359}, {294.019, -350.359}},
        {"oblique en bas à gauche", {{0, 0}, {-300, 400}}, {-254.019, 380.359}, {-294.019, 350.359}},
        {"longueur nulle", {{5, 7}, {5, 7}}, {5, 7}, {5, 7}},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        const Pointe p = pointe_fleche(c.fut);
        EXPECT_NEAR(p.trait1.debut.x, c.debut1.x, 0.01);
        EXPECT_NEAR(p.trait1.debut.y, c.debut1.y, 0.01);
        EXPECT_NEAR(p.trait2.debut.x, c.debut2.x, 0.01);
        EXPECT_NEAR(p.trait2.debut.y, c.debut2.y, 0.01);
        for (const Trait &t : {p.trait1, p.trait2}) {
            EXPECT_EQ(t.fin.x, c.fut.fin.x);
            EXPECT_EQ(t.fin.y, c.fut.fin.y);
        }
    }
}
