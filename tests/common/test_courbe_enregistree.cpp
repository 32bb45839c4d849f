// SPDX-License-Identifier: GPL-3.0-or-later
// Enregistreur de courbes sans fenêtre : ajout et retrait des points, maxima
// et pas, disposition des marques et graduations, ajustement, lecture des
// coordonnées. Les valeurs attendues sont calculées à la main (en commentaire).
#include "courbe_enregistree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using courbe::Ajout;
using courbe::CourbeEnregistree;

namespace {

// Un banc factice : deux afficheurs « a » et « b » dont on écrit le texte.
struct BancFactice {
    std::map<std::string, std::string> textes;
    courbe::Variante variante;

    explicit BancFactice(bool pas_arrondi = true)
    {
        variante.pas_arrondi = pas_arrondi;
        for (const char *nom : {"a", "b"})
            variante.grandeurs.push_back(
                {std::string("grandeur ") + nom, std::string(nom) + " (V)", [this, n = std::string(nom)] {
                     return textes[n];
                 }});
    }

    // Place le point dont le banc montre (x, y) sur les afficheurs a et b.
    Ajout placer(CourbeEnregistree &c, const std::string &x, const std::string &y)
    {
        textes["a"] = x;
        textes["b"] = y;
        return courbe::placer_point(c, variante);
    }
};

CourbeEnregistree axes_a_b()
{
    CourbeEnregistree c;
    c.grandeur_x = 1;
    c.grandeur_y = 2;
    return c;
}

} // namespace

// --- Enregistrement ------------------------------------------------------------

TEST(Enregistrement, UnDoublonNEstAbandonneQueSiLesDeuxCoordonneesSontEgales)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    EXPECT_EQ(banc.placer(c, "1", "2").resultat, Ajout::Resultat::ajoute);
    EXPECT_EQ(banc.placer(c, "1", "3").resultat, Ajout::Resultat::ajoute); // même x seulement
    EXPECT_EQ(banc.placer(c, "4", "2").resultat, Ajout::Resultat::ajoute); // même y seulement
    EXPECT_EQ(banc.placer(c, "1", "2").resultat, Ajout::Resultat::doublon);
    EXPECT_EQ(c.nb_points, 3);
    // Le même point de fonctionnement deux fois de suite : un seul point.
    EXPECT_EQ(banc.placer(c, "1", "3").resultat, Ajout::Resultat::doublon);
    EXPECT_EQ(c.nb_points, 3);
    EXPECT_EQ(c.x_point[3], 4.0f);
    EXPECT_EQ(c.y_point[3], 2.0f);
    EXPECT_EQ(c.x_point[0], 0.0f); // la case 0 n'est jamais écrite
}

TEST(Enregistrement, LesMaximaNeFontQueCroitre)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    Ajout a = banc.placer(c, "150", "1500");
    EXPECT_TRUE(a.xmax_change);
    EXPECT_EQ(c.xmax, 150.0);
    EXPECT_EQ(c.pas_x, 20.0); // mantisse 15 : 2 x 150 / 15
    EXPECT_EQ(c.ymax, 1500.0f);
    EXPECT_EQ(c.pas_y, 200.0f); // mantisse 15 : 2 x 1500 / 15

    a = banc.placer(c, "50", "1000");
    EXPECT_FALSE(a.xmax_change);
    EXPECT_FALSE(a.ymax_change);
    EXPECT_EQ(c.xmax, 150.0);
    EXPECT_EQ(c.ymax, 1500.0f);

    a = banc.placer(c, "250", "1200");
    EXPECT_TRUE(a.xmax_change);
    EXPECT_FALSE(a.ymax_change);
    EXPECT_EQ(c.xmax, 250.0);
    EXPECT_EQ(c.pas_x, 50.0); // mantisse 25 : 5 x 250 / 25
}

TEST(Enregistrement, ValeursNegativesOuNullesLaissentLesMaximaAZero)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    const Ajout a = banc.placer(c, "-5", "0");
    EXPECT_EQ(a.resultat, Ajout::Resultat::ajoute);
    EXPECT_FALSE(a.xmax_change);
    EXPECT_FALSE(a.ymax_change);
    banc.placer(c, "-20", "-3");
    EXPECT_EQ(c.xmax, 0.0);
    EXPECT_EQ(c.ymax, 0.0f);
    // Toutes les marques sur les axes, aucune graduation.
    const courbe::Disposition d = courbe::disposer(c, courbe::repere_courbe_vek_trivon);
    ASSERT_EQ(d.marque_x.size(), 2u);
    EXPECT_EQ(d.marque_x[0], 4800);
    EXPECT_EQ(d.marque_x[1], 4800);
    EXPECT_EQ(d.marque_y[0], 1740);
    EXPECT_EQ(d.marque_y[1], 1740);
    EXPECT_TRUE(d.graduations_x.empty());
    EXPECT_TRUE(d.graduations_y.empty());
    EXPECT_FALSE(d.echelle_x_gauche.has_value());
    EXPECT_FALSE(d.echelle_y_haut.has_value());
}

TEST(Enregistrement, EnleverLePointDuMaximumRevientAuSuivant)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    banc.placer(c, "150", "40");
    banc.placer(c, "300", "20");
    banc.placer(c, "250", "45");

    // Le dernier (250, 45) porte ymax mais pas xmax.
    courbe::Retrait r = courbe::enlever_dernier_point(c, banc.variante);
    EXPECT_FALSE(r.xmax_change);
    EXPECT_TRUE(r.ymax_change);
    EXPECT_EQ(c.nb_points, 2);
    EXPECT_EQ(c.xmax, 300.0);
    EXPECT_EQ(c.ymax, 40.0f);
    EXPECT_EQ(c.pas_y, 5.0f); // 40 : mantisse simple précision 39.999996, d'où 5

    // (300, 20) porte xmax : l'échelle revient à 150.
    r = courbe::enlever_dernier_point(c, banc.variante);
    EXPECT_TRUE(r.xmax_change);
    EXPECT_FALSE(r.ymax_change);
    EXPECT_EQ(c.nb_points, 1);
    EXPECT_EQ(c.xmax, 150.0);
    EXPECT_EQ(c.pas_x, 20.0);
    EXPECT_EQ(c.ymax, 40.0f);
}

TEST(Enregistrement, EnleverSansPointGardeLaListeVideEtLesMaximaANul)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    banc.placer(c, "7", "8");
    courbe::enlever_dernier_point(c, banc.variante);
    const courbe::Retrait r = courbe::enlever_dernier_point(c, banc.variante);
    EXPECT_EQ(c.nb_points, 0);
    EXPECT_EQ(c.xmax, 0.0);
    EXPECT_EQ(c.ymax, 0.0f);
    // La case 0 vaut le maximum nul : les étiquettes sont réécrites (à 0).
    EXPECT_TRUE(r.xmax_change);
    EXPECT_TRUE(r.ymax_change);
}

TEST(Enregistrement, SansGrandeurChoisieLePointPrendCeQueSaCaseContient)
{
    BancFactice banc;
    CourbeEnregistree c; // aucun axe choisi : première ouverture
    banc.placer(c, "12", "34");
    EXPECT_EQ(c.nb_points, 1);
    EXPECT_EQ(c.x_point[1], 0.0f);
    EXPECT_EQ(c.y_point[1], 0.0f);

    // Après un nouveau départ, les cases gardent les valeurs d'avant.
    c = axes_a_b();
    banc.placer(c, "5", "7");
    courbe::recommencer(c);
    EXPECT_EQ(c.nb_points, 0);
    EXPECT_EQ(c.grandeur_x, 0);
    EXPECT_EQ(c.xmax, 0.0);
    banc.placer(c, "99", "99");
    EXPECT_EQ(c.x_point[1], 5.0f);
    EXPECT_EQ(c.y_point[1], 7.0f);
    EXPECT_EQ(c.xmax, 5.0);
}

TEST(Enregistrement, MemeGrandeurSurLesDeuxAxesDonneLaDiagonale)
{
    BancFactice banc;
    CourbeEnregistree c;
    c.grandeur_x = 1;
    c.grandeur_y = 1;
    for (const char *v : {"10", "20", "40"})
        banc.placer(c, v, "ignoré");
    const courbe::Disposition d = courbe::disposer(c, courbe::repere_courbe_vek_trivon);
    // 10/40 de 5280 = 1320 et 10/40 de 1260 = 315, etc.
    const double x[] = {6120, 7440, 10080}, y[] = {1425, 1110, 480};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(d.marque_x[i], x[i]);
        EXPECT_EQ(d.marque_y[i], y[i]);
    }
}

TEST(Enregistrement, Le101ePointEstRefuseEtLaListeResteTelleQuelle)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    for (int i = 1; i <= 100; ++i)
        ASSERT_EQ(banc.placer(c, std::to_string(i), "1").resultat, Ajout::Resultat::ajoute);
    const Ajout a = banc.placer(c, "500", "9");
    EXPECT_EQ(a.resultat, Ajout::Resultat::liste_pleine);
    EXPECT_FALSE(a.xmax_change);
    EXPECT_EQ(c.nb_points, 100);
    EXPECT_EQ(c.x_point[100], 100.0f);
    EXPECT_EQ(c.xmax, 100.0);
    // Une place libérée accueille de nouveau un point.
    courbe::enlever_dernier_point(c, banc.variante);
    EXPECT_EQ(banc.placer(c, "500", "9").resultat, Ajout::Resultat::ajoute);
    EXPECT_EQ(c.x_point[100], 500.0f);
}

TEST(Enregistrement, UnTexteIllisibleSeLitCommeLesSaisies)
{
    struct Cas {
        const char *texte;
        float attendu;
    };
    const Cas cas[] = {{"abc", 0.0f},  {"", 0.0f},       {"12,5", 12.0f}, {"1.5e2", 150.0f},
                       {" -3.5", -3.5f}, {"1e39", 0.0f}, // hors de la simple précision
                       {"1e999", 0.0f}};
    for (const Cas &k : cas) {
        SCOPED_TRACE(k.texte);
        EXPECT_EQ(courbe::lire_valeur(k.texte), k.attendu);
    }
}

TEST(Enregistrement, PasArrondiDuBancCCOuPasTelQueCalcule)
{
    // 20 : mantisse 19.999998 en simple précision, pas 2.0000002 avant arrondi.
    BancFactice vek(true), autre(false);
    CourbeEnregistree c1 = axes_a_b(), c2 = axes_a_b();
    vek.placer(c1, "20", "20");
    autre.placer(c2, "20", "20");
    EXPECT_EQ(c1.pas_x, 2.0);
    EXPECT_EQ(c1.pas_y, 2.0f);
    EXPECT_NE(c2.pas_x, 2.0);
    EXPECT_NEAR(c2.pas_x, 2.0, 1e-6);
}

// --- Positions -------------------------------------------------------------------

TEST(Positions, MarquesEtGraduationsDUnJeuConnu)
{
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    for (auto [x, y] : {std::pair{"50", "120"}, {"110", "300"}, {"220", "450"}, {"12.5", "33"}})
        banc.placer(c, x, y);
    ASSERT_EQ(c.pas_x, 50.0);  // 220 : mantisse 22, 5 x 220 / 22
    ASSERT_EQ(c.pas_y, 100.0f); // 450 : mantisse 45, 10 x 450 / 45
    const courbe::Disposition d = courbe::disposer(c, courbe::repere_courbe_vek_trivon);
    // x : 24 twips par unité (5280 / 220) ; y : 2.8 twips par unité (1260 / 450).
    const double mx[] = {6000, 7440, 10080, 5100}, my[] = {1404, 900, 480, 1647}; // 1740 - 92.4
    ASSERT_EQ(d.marque_x.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.marque_x[i], mx[i]);
        EXPECT_EQ(d.marque_y[i], my[i]);
    }
    // La plus grande valeur de chaque axe au bout de l'axe.
    EXPECT_EQ(d.marque_x[2], courbe::repere_courbe_vek_trivon.Xend);
    EXPECT_EQ(d.marque_y[2], courbe::repere_courbe_vek_trivon.Ytop);
    EXPECT_EQ(d.graduations_x, (std::vector<double>{6000, 7200, 8400, 9600}));
    EXPECT_EQ(d.graduations_y, (std::vector<double>{1460, 1180, 900, 620}));
    EXPECT_EQ(d.echelle_x_gauche, 5900.0);
    EXPECT_EQ(d.echelle_y_haut, 1360.0);
}

TEST(Positions, DeQuatreADixGraduationsParAxe)
{
    struct Cas {
        const char *maximum;
        double pas;
        int graduations;
    };
    const Cas cas[] = {{"20", 2, 10},     {"40", 5, 8},      {"45", 10, 4}, {"150", 20, 7},
                       {"1000", 100, 10}, {"1999", 200, 9}, {"2500", 500, 5}};
    for (const Cas &k : cas) {
        SCOPED_TRACE(k.maximum);
        BancFactice banc;
        CourbeEnregistree c = axes_a_b();
        banc.placer(c, k.maximum, k.maximum);
        EXPECT_EQ(c.pas_x, k.pas);
        const courbe::Disposition d = courbe::disposer(c, courbe::repere_courbe_sodel);
        EXPECT_EQ(static_cast<int>(d.graduations_x.size()), k.graduations);
        EXPECT_EQ(static_cast<int>(d.graduations_y.size()), k.graduations);
        ASSERT_FALSE(d.graduations_x.empty());
        EXPECT_LE(d.graduations_x.back(), courbe::repere_courbe_sodel.Xend + 1e-9);
    }
}

TEST(Positions, UneLectureDemesureeNeDonneNiBoucleSansFinNiGraduation)
{
    // 1e10 : le pas arrondi à trois chiffres devient 0 (trois_chif_sign ne
    // garde rien au-delà de 1e8) ; sans garde, xmax / pas serait infini.
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    banc.placer(c, "1e10", "1e30");
    EXPECT_EQ(c.pas_x, 0.0);
    const courbe::Disposition d = courbe::disposer(c, courbe::repere_courbe_vek_trivon);
    EXPECT_TRUE(d.graduations_x.empty());
    EXPECT_TRUE(d.graduations_y.empty());
    EXPECT_EQ(d.marque_x[0], 10080);
    EXPECT_EQ(d.marque_y[0], 480);
    EXPECT_EQ(courbe::nombre_graduations(5.0, 1e-9), 0);
}

TEST(Positions, LApercuDeVekCompteDepuisLaLigneXEtLeBasDeLaLigneY)
{
    // Aperçu de vek : ligne_x à 6360, bas de ligne_y à 6367.
    BancFactice banc;
    CourbeEnregistree c = axes_a_b();
    banc.placer(c, "220", "0");
    courbe::Disposition d = courbe::disposer(c, courbe::repere_apercu_vek);
    EXPECT_EQ(d.marque_y[0], 6360); // ymax nul : à la hauteur de ligne_x
    banc.placer(c, "110", "450");
    d = courbe::disposer(c, courbe::repere_apercu_vek);
    EXPECT_EQ(d.marque_y[0], 6367); // y = 0 compté depuis le bas de ligne_y
    EXPECT_EQ(d.marque_y[1], 690);
    EXPECT_EQ(d.marque_x[1], 5381); // 1140 + 8482 / 2
    // Première graduation : 6360 - 100/450 x 5677 = 5098.44
    ASSERT_EQ(d.graduations_y.size(), 4u);
    EXPECT_NEAR(d.graduations_y[0], 5098.444, 1e-3);
    EXPECT_NEAR(*d.echelle_y_haut, 4998.444, 1e-3);
}

// --- Ajustement ----------------------------------------------------------------

TEST(Ajustement, DeuxPointsDonnentLaDroite)
{
    // (2000, 5000) et (6000, 4000) : y = 5500 - x / 4.
    const auto c = courbe::interpoler({2000, 6000}, {5000, 4000});
    ASSERT_TRUE(c.has_value());
    ASSERT_EQ(c->size(), 2u);
    EXPECT_NEAR((*c)[0], 5500, 1e-9);
    EXPECT_NEAR((*c)[1], -0.25, 1e-12);

    const courbe::Segment cadre{0, 0, 12000, 9000};
    const auto s = courbe::tracer_polynome(*c, 2000, 10000, 500, cadre);
    ASSERT_EQ(s.size(), 100u); // pas de 80 twips
    EXPECT_DOUBLE_EQ(s.front().x1, 2000);
    EXPECT_DOUBLE_EQ(s.front().y1, 5000);
    EXPECT_DOUBLE_EQ(s.front().x2, 2080);
    EXPECT_DOUBLE_EQ(s.front().y2, 4980);
    EXPECT_DOUBLE_EQ(s.back().x2, 10000);
    EXPECT_DOUBLE_EQ(s.back().y2, 3000);
}

TEST(Ajustement, NeufPointsPassentParChaquePoint)
{
    // y = x^2 par 9 points : coefficients 0, 0, 1, 0, ...
    std::vector<double> x, y;
    for (int i = 1; i <= 9; ++i) {
        x.push_back(i);
        y.push_back(i * i);
    }
    const auto c = courbe::interpoler(x, y);
    ASSERT_TRUE(c.has_value());
    ASSERT_EQ(c->size(), 9u);
    const double attendu[] = {0, 0, 1, 0, 0, 0, 0, 0, 0};
    for (int p = 0; p < 9; ++p)
        EXPECT_NEAR((*c)[p], attendu[p], 1e-6) << "coefficient " << p;
    EXPECT_NEAR(courbe::polynome(*c, 4.5), 20.25, 1e-6);
}

TEST(Ajustement, HorsDeDeuxANeufPointsRefuse)
{
    std::vector<double> x, y;
    for (int i = 1; i <= 10; ++i) {
        x.push_back(i);
        y.push_back(i);
    }
    EXPECT_FALSE(courbe::interpoler(x, y).has_value());
    EXPECT_FALSE(courbe::interpoler({1}, {1}).has_value());
    EXPECT_FALSE(courbe::interpoler({}, {}).has_value());
}

TEST(Ajustement, DeuxAbscissesEgalesRefusent)
{
    EXPECT_FALSE(courbe::interpoler({3000, 3000}, {100, 200}).has_value());
    EXPECT_FALSE(courbe::interpoler({1000, 5000, 1000, 7000}, {1, 2, 3, 4}).has_value());
}

TEST(Ajustement, LaCourbeSInterrompAuDessusDeLAxeY)
{
    // y = (x - 5000)^2 / 10000 + 200 : sous le haut de l'axe (500) quand
    // |x - 5000| > 1732. Pas de 80 depuis 1000 : dernier segment tracé
    // avant le trou en x = 3240 (y = 509.76), reprise en x = 6760.
    const std::vector<double> c{2700, -1, 0.0001};
    const auto s = courbe::tracer_polynome(c, 1000, 9000, 500, {0, 0, 12000, 9000});
    EXPECT_EQ(s.size(), 57u); // 28 avant le trou, 29 après
    for (const courbe::Segment &seg : s)
        EXPECT_TRUE(seg.x2 <= 3240 || seg.x2 >= 6760) << seg.x2;
    const auto reprise = std::find_if(s.begin(), s.end(), [](const courbe::Segment &g) { return g.x2 == 6760; });
    ASSERT_NE(reprise, s.end());
    EXPECT_EQ(reprise->x1, 6680);
    EXPECT_EQ(reprise->y1, 482); // le point précédent, au-dessus de l'axe
    EXPECT_EQ(reprise->y2, 509);
}

TEST(Ajustement, UnPolynomeQuiSEnvoleNeSortJamaisDuCadre)
{
    const courbe::Segment cadre{0, 0, 12000, 9000};
    // Descente très raide sous l'axe x : le premier segment est coupé au bord.
    const auto raide = courbe::tracer_polynome({-1e12, 1e9}, 1000, 9000, 500, cadre);
    for (const courbe::Segment &s : raide) {
        for (double v : {s.x1, s.x2})
            EXPECT_TRUE(v >= 0 && v <= 12000);
        for (double v : {s.y1, s.y2})
            EXPECT_TRUE(v >= 0 && v <= 9000);
    }
    // y = 1e9 (x - 1000) - ... : y(1000) = 0, y(1080) = 8e10 : un seul morceau visible.
    ASSERT_EQ(raide.size(), 1u);
    EXPECT_EQ(raide[0].y2, 9000);
    EXPECT_TRUE(courbe::tracer_polynome({NAN, 1}, 1000, 9000, 500, cadre).empty());
    EXPECT_TRUE(courbe::tracer_polynome({1e300, 1e300, 1e300}, 1000, 9000, 500, cadre).empty());
}

TEST(Ajustement, UnSegmentDemesureEstCoupeExactementAuCadre)
{
    // Trouvé par le fuzzing : une marque à x = -1.78e20 twips (abscisse
    // enregistrée très négative), des pas de 1.78e18 twips. Le dernier
    // segment, long de ~1e18, traverse le cadre ; sa découpe calculée
    // laissait une extrémité à y = 8704, 64 twips sous le cadre.
    const courbe::Segment cadre{0, 0, 11520, 8640};
    const std::vector<double> c{-3180.9975528753716, 0.99230903688166405, 5.5868842832609494e-21};
    const auto segments = courbe::tracer_polynome(c, -1.7761403074961732e20, 9622, 690, cadre);
    ASSERT_FALSE(segments.empty());
    for (const courbe::Segment &seg : segments) {
        for (double v : {seg.x1, seg.x2})
            EXPECT_TRUE(v >= 0 && v <= 11520) << v;
        for (double v : {seg.y1, seg.y2})
            EXPECT_TRUE(v >= 0 && v <= 8640) << v;
    }
}

// --- Lecture des coordonnées ------------------------------------------------------

TEST(Lecture, CoordonneesAuMilieuDuGraphe)
{
    // Milieu de l'aperçu de vek : x = 1140 + 8482/2, y = 6367 - 5677/2.
    const auto t = courbe::lecture_coordonnees(courbe::repere_apercu_vek, 300, 1200, 5381, 3528.5);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, "X =150 ;   Y =  600");
    const auto coin = courbe::lecture_coordonnees(courbe::repere_apercu_vek, 300, 1200, 1141, 6366);
    ASSERT_TRUE(coin.has_value());
    EXPECT_EQ(*coin, "X =0.03537 ;   Y =  0.2114"); // 300/8482 et 1200/5677
    // L'écriture de la fenêtre dans une autre langue.
    EXPECT_EQ(courbe::lecture_coordonnees(courbe::repere_apercu_vek, 300, 1200, 5381, 3528.5, "X = %1; Y = %2"),
              "X = 150; Y = 600");
}

TEST(Lecture, RienExactementSurUnAxeNiAuDehors)
{
    const courbe::Repere &r = courbe::repere_apercu_trivon;
    EXPECT_FALSE(courbe::lecture_coordonnees(r, 10, 10, r.X0, 3000).has_value());
    EXPECT_FALSE(courbe::lecture_coordonnees(r, 10, 10, 5000, r.Y0).has_value());
    EXPECT_FALSE(courbe::lecture_coordonnees(r, 10, 10, r.Xend, 3000).has_value());
    EXPECT_FALSE(courbe::lecture_coordonnees(r, 10, 10, 5000, r.Ytop).has_value());
    EXPECT_FALSE(courbe::lecture_coordonnees(r, 10, 10, 100, 100).has_value());
}
