// SPDX-License-Identifier: GPL-3.0-or-later
// Modèle du banc asynchrone, sans fenêtre : les saisies sont des textes, les
// effets sont enregistrés dans l'ordre. Valeurs attendues : celles relevées
// sur le banc (point nominal, cinq charges) et des calculs à la main.
#include "banc_asynchrone.h"
#include "caracteristique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace sodel;

namespace {

class FausseFenetre : public EffetsBanc
{
public:
    std::map<Saisie, std::string> saisies;
    std::map<Afficheur, std::string> afficheurs; // "" : effacé ; "non fini" ne doit jamais paraître
    std::vector<std::string> journal;

    std::string lire_saisie(Saisie s) const override { return saisies.count(s) ? saisies.at(s) : ""; }
    void ecrire_saisie(Saisie s, const std::string &t) override { saisies[s] = t, note("saisie"); }
    void afficher(Afficheur a, double v) override
    {
        afficheurs[a] = std::isfinite(v) ? std::to_string(v) : "non fini", note(nom(a));
    }
    void effacer(Afficheur a) override { afficheurs[a] = "", note(nom(a) + " vide"); }
    void ecrire_couplage(bool) override { note("couplage"); }
    void legende_marche(bool m) override { note(m ? "Marche" : "Arrêt"); }
    void colorer_marche(bool m) override { note(m ? "vert" : "rouge"); }
    void note(const std::string &effet) { journal.push_back(effet); }
    double valeur(Afficheur a) const { return std::stod(afficheurs.at(a)); }

    static std::string nom(Afficheur a)
    {
        const char *noms[] = {"v1", "i", "p1", "g", "n", "T", "tmax", "gmax", "cosphi"};
        return noms[static_cast<int>(a)];
    }
};

class Banc : public ::testing::Test
{
protected:
    FausseFenetre fenetre;
    BancAsynchrone banc{fenetre};

    void SetUp() override
    {
        banc.initialise();
        banc.efface_mesures();
    }

    // Démarrage à la tension simple v1, puis choix de la charge.
    void demarrer(const std::string &v1, int charge = -1, const std::string &frein = "0")
    {
        fenetre.saisies[Saisie::v1] = v1;
        fenetre.saisies[Saisie::T] = frein;
        banc.bouton_marche_Click();
        if (charge >= 0)
            banc.choix_charge_Click(charge);
    }
};

} // namespace

// Points de fonctionnement relevés sur le banc (réglages par défaut, 50 Hz,
// étoile sauf mention) et calculés à la main. NAN : grandeur non vérifiée.
// La recherche d'équilibre s'arrête à environ Tmax/200 du point exact.
TEST(PointDeFonctionnement, ReleveSurLeBancEtCalculsALaMain)
{
    const struct {
        const char *nom, *v1;
        int charge;
        const char *frein, *Tp, *f;
        bool triangle;
        double n, dn, g, I, cosphi, Tu, T;
    } cas[] = {
        {"nominal, frein 27 N.m", "230", frein, "27", "1", "50", false, 1426, 1, 4.91, 8.87, 0.78, 27, NAN},
        {"frein à 0 N.m", "230", frein, "0", "1", "50", false, 1497, 1, NAN, 4.95, 0.16, 0, NAN},
        {"levage", "230", levage, "0", "1", "50", false, 1391, 3, NAN, 11.7, NAN, 40, 41},
        {"pompe", "230", pompe, "0", "1", "50", false, 1388, 3, NAN, NAN, NAN, NAN, 41.9},
        {"fraiseuse", "230", fraiseuse, "0", "1", "50", false, 1405, 3, NAN, NAN, NAN, NAN, 36.0},
        {"ventilateur", "230", ventilateur, "0", "1", "50", false, 1418, 3, NAN, NAN, NAN, NAN, 31.3},
        // Triangle : V = 133 . √3 = 230.4 V sur l'enroulement, courant en ligne √3 fois plus grand.
        {"triangle à 133 V", "133", frein, "27", "1", "50", true, 1426, 1, NAN, 15.4, NAN, 27, NAN},
        // Tmax - Tp = 143.3 N.m : 150 N.m bloque le rotor, Tu reste affiché.
        {"frein hors d'atteinte", "230", frein, "150", "1", "50", false, 0, 0, 100, NAN, NAN, 150, NAN},
        {"levage, Tp = 3", "230", levage, "0", "3", "50", false, NAN, 0, NAN, NAN, NAN, 38, 41},
        // T = 0 : synchronisme, seule la branche Rf // jXm absorbe :
        // Z = Xm.Rf/√(Xm² + Rf²) = 46.80 ohms, I = 230/46.80 = 4.915 A, cos phi = Z/Rf = 0.117.
        {"couple nul", "230", frein, "-1", "1", "50", false, 1500, 0.001, 0, 4.91, 0.117, 0, 0},
        {"fréquence moitié, couple nul", "230", frein, "-1", "1", "25", false, 750, 0.001, 0, NAN, NAN, 0, 0},
        // A 150 V, Tmax = 62 N.m : la fraiseuse (50000/n) croise la courbe du
        // moteur vers 1192 tr/min, sous 41.95 N.m, en deçà de gmax.
        {"fraiseuse à 150 V", "150", fraiseuse, "0", "1", "50", false, 1192, 3, 20.5, 18.0, 0.854, 41.98, NAN},
        // A 100 V, Tmax - Tp = 3p.m².V²/(4π.f.X2) = 294/10.857 = 27.08 N.m, moins que les
        // 33.3 N.m que la fraiseuse demande même au synchronisme : le moteur
        // cale et fournit son couple maximal, sous le courant rotor bloqué.
        {"fraiseuse à 100 V", "100", fraiseuse, "0", "1", "50", false, 0, 0, 100, 27.4, NAN, 27.08, NAN},
        {"fraiseuse à 100 V, Tp = 0", "100", fraiseuse, "0", "0", "50", false, 0, 0, 100, 27.4, NAN, 27.08, NAN},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        FausseFenetre f;
        BancAsynchrone b(f);
        b.initialise();
        f.saisies[Saisie::v1] = c.v1;
        f.saisies[Saisie::T] = c.frein;
        f.saisies[Saisie::Tp] = c.Tp;
        f.saisies[Saisie::f] = c.f;
        if (c.triangle)
            b.bouton_couplage_Click();
        b.bouton_marche_Click();
        b.choix_charge_Click(c.charge);
        const auto verifier = [&](Afficheur a, double attendu, double tolerance) {
            if (!std::isnan(attendu)) {
                EXPECT_NEAR(f.valeur(a), attendu, tolerance) << FausseFenetre::nom(a);
            }
        };
        verifier(Afficheur::n, c.n, c.dn);
        verifier(Afficheur::g, c.g, 0.005);
        verifier(Afficheur::i, c.I, 0.05);
        verifier(Afficheur::cosphi, c.cosphi, 0.006);
        verifier(Afficheur::T, c.Tu, 0);
        if (!std::isnan(c.T)) {
            EXPECT_NEAR(b.T(), c.T, 0.75);
        }
        EXPECT_TRUE(std::isfinite(b.T()));
    }
}

// Aux basses tensions, la pompe (sous 93,5 V) et le ventilateur (sous 58,6 V)
// ne coupent la courbe du moteur qu'au-delà de gmax = 0,498 : le moteur
// démarre et tourne à ce croisement, lentement et sous un fort courant ; il
// cale s'il ne démarre pas (couple au démarrage sous Tp = 1 N.m, vers 21 V).
// Points attendus calculés à part : avec K = 3p.m².V².R2/(2π.f), le couple
// K.g/(R2² + X2².g²) moins Tp égale celui de la charge à n = 1500.(1 - g), soit
// (Tp + 45.(1 - g)).(R2² + X2².g²) = K.g pour la pompe (0,03.n) et
// (Tp + 33,75.(1 - g)²).(R2² + X2².g²) = K.g pour le ventilateur (1,5e-5.n²),
// polynômes dont la seule racine réelle de ]0, 1] est g ; I du schéma
// équivalent à ce glissement.
TEST(PointDeFonctionnement, FortGlissementAuxBassesTensions)
{
    const struct {
        int charge;
        const char *v1;
        double n, g, I, Tu;
    } cas[] = {
        {pompe, "80", 524.29, 65.05, 19.51, 15.729},
        {pompe, "90", 695.82, 53.61, 20.29, 20.875},       // juste sous la limite
        {pompe, "25", 11.89, 99.21, 6.84, 0.357},          // démarre à peine
        {ventilateur, "50", 615.00, 59.00, 11.74, 5.673},
        {ventilateur, "57", 720.66, 51.96, 12.67, 7.790},  // juste sous la limite
        {ventilateur, "25", 172.49, 88.50, 6.68, 0.446},
        // Couple au démarrage 0,953 N.m < Tp : calé, courant rotor bloqué.
        {pompe, "21", 0, 100, 5.76, NAN},
        {ventilateur, "21", 0, 100, 5.76, NAN},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::string(textes_charges[c.charge]) + " à " + c.v1 + " V");
        FausseFenetre f;
        BancAsynchrone b(f);
        b.initialise();
        f.saisies[Saisie::v1] = c.v1;
        b.bouton_marche_Click();
        b.choix_charge_Click(c.charge);
        EXPECT_NEAR(f.valeur(Afficheur::n), c.n, 0.1);
        EXPECT_NEAR(f.valeur(Afficheur::g), c.g, 0.1);
        EXPECT_NEAR(f.valeur(Afficheur::i), c.I, 0.05);
        if (!std::isnan(c.Tu)) {
            EXPECT_NEAR(f.valeur(Afficheur::T), c.Tu, 0.01);
        }
    }
}

TEST_F(Banc, CoupleMaximalEtGlissementCritique)
{
    demarrer("230", frein, "27");
    EXPECT_NEAR(banc.Tmax(), 144.3, 0.05);
    EXPECT_EQ(fenetre.valeur(Afficheur::tmax), 144);
    EXPECT_EQ(fenetre.valeur(Afficheur::gmax), 0.498);
    EXPECT_EQ(fenetre.valeur(Afficheur::v1), 398); // 230 . √3 = 398.4
    // gmax = R2/(2π.f.l2) double quand f est divisée par deux.
    fenetre.saisies[Saisie::f] = "25";
    banc.valid_f_Click();
    EXPECT_EQ(fenetre.valeur(Afficheur::gmax), 0.995);
}

TEST_F(Banc, ArretRemetToutEtEffaceLesMesuresDansLOrdre)
{
    fenetre.saisies[Saisie::R2] = "0.02";
    demarrer("230", frein, "27");
    fenetre.journal.clear();
    banc.bouton_marche_Click();
    const std::vector<std::string> attendu = {
        "rouge",  "saisie", "saisie", "saisie", "saisie",      "saisie", "saisie",
        "saisie", "saisie", "saisie", "saisie", "couplage",    "gmax",   "tmax",
        "Arrêt",  "v1",     "i",      "p1",     "cosphi vide", "n",      "g"};
    EXPECT_EQ(fenetre.journal, attendu);
    EXPECT_EQ(fenetre.saisies[Saisie::R2], "0.0086");
    EXPECT_EQ(fenetre.saisies[Saisie::f], "50");
    EXPECT_FALSE(banc.marche());
    EXPECT_EQ(banc.v1(), 0);
    // Tp seul : v1 = 0 à l'arrêt.
    EXPECT_EQ(fenetre.valeur(Afficheur::tmax), 1);
}

TEST_F(Banc, DemarrageRafraichitDansLOrdre)
{
    fenetre.saisies[Saisie::v1] = "230";
    fenetre.journal.clear();
    banc.bouton_marche_Click();
    const std::vector<std::string> attendu = {"vert", "couplage", "gmax",   "tmax", "Marche", "v1",
                                              "g",    "i",        "cosphi", "p1",   "n",      "T"};
    EXPECT_EQ(fenetre.journal, attendu);
}

TEST_F(Banc, ParametresNulsOuDemesuresNeDonnentQueDesLecturesFinies)
{
    const struct {
        const char *nom;
        Saisie saisie;
        const char *texte;
    } cas[] = {
        {"f = 0", Saisie::f, "0"},           {"l2 = 0", Saisie::l2, "0"},
        {"p = 0", Saisie::p, "0"},           {"m = 0", Saisie::m, "0"},
        {"lm = 0", Saisie::lm, "0"},         {"Rf = 0", Saisie::Rf, "0"},
        {"R2 = 0", Saisie::R2, "0"},         {"v1 démesurée", Saisie::v1, "1e300"},
        {"f démesurée", Saisie::f, "1e300"}, {"p négatif", Saisie::p, "-2"},
    };
    for (const auto &c : cas)
        for (int charge = frein; charge <= ventilateur; ++charge) {
            SCOPED_TRACE(std::string(c.nom) + ", charge " + std::to_string(charge));
            FausseFenetre f;
            BancAsynchrone b(f);
            b.initialise();
            f.saisies[Saisie::v1] = "230";
            f.saisies[c.saisie] = c.texte;
            b.bouton_marche_Click();
            b.choix_charge_Click(charge);
            for (const auto &[a, t] : f.afficheurs)
                EXPECT_NE(t, "non fini") << FausseFenetre::nom(a);
            EXPECT_TRUE(std::isfinite(b.n()));
            EXPECT_TRUE(std::isfinite(b.T()));
            // Les afficheurs s'accordent : moteur non alimenté, ni couple
            // maximal ni glissement critique, et une charge entraînée ne
            // reçoit rien (pas de reste de la recherche d'équilibre).
            if (b.hors_modele()) {
                EXPECT_EQ(f.afficheurs[Afficheur::tmax], "");
                EXPECT_EQ(f.afficheurs[Afficheur::gmax], "");
                EXPECT_EQ(f.valeur(Afficheur::n), 0);
                if (charge >= pompe) {
                    EXPECT_EQ(f.valeur(Afficheur::T), 0);
                }
            }
        }
    // Un paramètre nul du schéma équivalent : moteur montré non alimenté.
    FausseFenetre f;
    BancAsynchrone b(f);
    b.initialise();
    f.saisies[Saisie::v1] = "230";
    f.saisies[Saisie::lm] = "0";
    b.bouton_marche_Click();
    EXPECT_TRUE(b.hors_modele());
    EXPECT_EQ(f.valeur(Afficheur::i), 0);
    EXPECT_EQ(f.valeur(Afficheur::n), 0);
    EXPECT_EQ(f.afficheurs[Afficheur::cosphi], "");
}

// --- Caractéristiques de la fenêtre caract_charge ---------------------------------

TEST(CaracteristiqueCharge, FraiseusePlateA200EnDessousDe250TrMin)
{
    GrapheCharge g;
    calcul_charge(g, fraiseuse, 50, 2);
    // n_k = 18 k : plat jusqu'à k = 13 (234 tr/min), puis 50000/n.
    for (int k = 0; k <= 13; ++k)
        EXPECT_EQ(g.T[k], 200.0f) << k;
    EXPECT_NEAR(g.T[14], 50000.0 / 252, 1e-3);
}

TEST(CaracteristiqueCharge, LeMoteurCroiseLeVentilateurAuPointDeFonctionnement)
{
    GrapheCharge charge, moteur;
    calcul_charge(charge, ventilateur, 50, 2);
    moteur = charge;
    ASSERT_TRUE(calcul_moteur(moteur, 230, 50, 2, 0.07, 0.0086, 0.000055, 1.0f));
    // Au-dessus de la vitesse de synchronisme, le couple est négatif.
    EXPECT_LT(moteur.T[100], 0);
    int k = 1;
    while (k <= 100 && moteur.T[k] > charge.T[k])
        ++k;
    // Premier point à partir duquel la charge l'emporte, au-dessus de 1100 tr/min.
    while (k <= 100 && (charge.n[k] < 1100 || moteur.T[k] > charge.T[k]))
        ++k;
    ASSERT_LE(k, 100);
    EXPECT_NEAR(charge.n[k], 1418, 18);
    EXPECT_NEAR(charge.T[k], 30, 1.5);
}

// Les courbes restent dans le cadre blanc : à 230 V la courbe du moteur
// (144 N.m au plus) dépasse la pleine échelle de la pompe (64.8 N.m) et passe
// sous l'axe au-delà du synchronisme ; elle est coupée à ces bords.
TEST(CaracteristiqueCharge, LesCourbesSontCoupeesAuCadre)
{
    const RepereCharge r{1560, 9600, 1020, 4620, 4620};
    GrapheCharge g;
    calcul_charge(g, pompe, 50, 2);
    ASSERT_TRUE(calcul_moteur(g, 230, 50, 2, 0.07, 0.0086, 0.000055, 1.0f));
    const TraceCharge t = disposer(g, r);
    bool touche_haut = false, touche_axe = false;
    for (const Segment &s : t.segments) {
        for (double x : {s.x0, s.x1})
            EXPECT_TRUE(r.X1 <= x && x <= r.X2 + 50) << x;
        for (double y : {s.y0, s.y1})
            EXPECT_TRUE(r.Y1 - 50 <= y && y <= r.y_axe_x) << y;
        touche_haut = touche_haut || s.y0 == r.Y1 - 50 || s.y1 == r.Y1 - 50;
        touche_axe = touche_axe || s.y0 == r.y_axe_x || s.y1 == r.y_axe_x;
    }
    EXPECT_TRUE(touche_haut);
    EXPECT_TRUE(touche_axe);
    // Un segment entièrement dedans reste tel quel ; un segment dehors disparaît.
    const auto dedans = dans_cadre({2000, 2000, 3000, 3000}, r.X1, r.Y1, r.X2, r.Y2);
    ASSERT_TRUE(dedans);
    EXPECT_EQ(dedans->x1, 3000);
    EXPECT_FALSE(dans_cadre({0, 0, 100, 5000}, r.X1, r.Y1, r.X2, r.Y2));
}

TEST(CaracteristiqueCharge, EchellesNullesOuSansValeurNeBouclentPas)
{
    const struct {
        double f, p;
    } cas[] = {{0, 2}, {50, 0}, {-50, 2}, {1e300, 1e-300}};
    const RepereCharge r{1560, 9600, 1020, 4620, 4620};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.f);
        GrapheCharge g;
        calcul_charge(g, ventilateur, c.f, c.p);
        calcul_moteur(g, 230, c.f, c.p, 0.07, 0.0086, 0.000055, 1.0f);
        const TraceCharge t = disposer(g, r);
        EXPECT_LE(t.graduations_x.size(), 1000u);
        EXPECT_LE(t.graduations_y.size(), 1000u);
        for (int k = 0; k <= nombre_pas; ++k)
            if (t.present[k]) {
                EXPECT_TRUE(std::isfinite(t.x[k]));
                EXPECT_TRUE(std::isfinite(t.y[k]));
            }
    }
    GrapheCharge g;
    EXPECT_FALSE(calcul_moteur(g, 230, 0, 2, 0.07, 0.0086, 0.000055, 1.0f));
}

// Ce que l'élève compare : le point où la fenêtre des caractéristiques montre
// les deux courbes se croiser du côté du synchronisme et le point de
// fonctionnement du banc, sur toute une plage de tensions, d'un côté de gmax
// comme de l'autre ; sans croisement (fraiseuse sous 145 V), le banc montre
// le moteur calé. Le ventilateur saute 70 V, où le croisement est juste en
// deçà du sommet de la courbe : là, la recherche (à Tmax/200 près) place la
// vitesse moins finement.
TEST(CaracteristiqueCharge, LeCroisementDesCourbesEstLePointDuBanc)
{
    const struct {
        int charge;
        const char *nom;
        int v1_min;
    } charges[] = {{pompe, "pompe", 30}, {fraiseuse, "fraiseuse", 80}, {ventilateur, "ventilateur", 30}};
    for (const auto &ch : charges)
        for (int v1 = ch.v1_min; v1 <= 260; v1 += 10) {
            if (ch.charge == ventilateur && v1 == 70)
                continue;
            SCOPED_TRACE(std::string(ch.nom) + " à " + std::to_string(v1) + " V");
            GrapheCharge charge, moteur;
            calcul_charge(charge, ch.charge, 50, 2);
            moteur = charge;
            ASSERT_TRUE(calcul_moteur(moteur, v1, 50, 2, 0.07, 0.0086, 0.000055, 1.0f));
            // Dernier intervalle [k, k+1] où le moteur passe sous la charge ;
            // croisement interpolé entre les deux points.
            double n_croisement = 0;
            for (int k = 0; k < nombre_pas; ++k) {
                const double d0 = moteur.T[k] - charge.T[k], d1 = moteur.T[k + 1] - charge.T[k + 1];
                if (d0 >= 0 && d1 < 0)
                    n_croisement = charge.n[k] + (charge.n[k + 1] - charge.n[k]) * d0 / (d0 - d1);
            }
            FausseFenetre f;
            BancAsynchrone b(f);
            b.initialise();
            f.saisies[Saisie::v1] = std::to_string(v1);
            b.bouton_marche_Click();
            b.choix_charge_Click(ch.charge);
            EXPECT_NEAR(f.valeur(Afficheur::n), n_croisement, 6);
            if (n_croisement == 0) {
                EXPECT_EQ(f.valeur(Afficheur::g), 100);
            }
        }
}
