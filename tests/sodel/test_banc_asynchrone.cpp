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
    std::map<Afficheur, std::string> afficheurs; // "" : effacé
    std::vector<std::string> journal;
    bool etoile = true, marche = false, vert = false;

    std::string lire_saisie(Saisie s) const override
    {
        const auto i = saisies.find(s);
        return i == saisies.end() ? std::string() : i->second;
    }
    void ecrire_saisie(Saisie s, const std::string &t) override
    {
        saisies[s] = t;
        journal.push_back("saisie");
    }
    void afficher(Afficheur a, double v) override
    {
        // Comme la fenêtre, qui écrit un nombre fini ou "0".
        afficheurs[a] = std::isfinite(v) ? std::to_string(v) : "non fini";
        journal.push_back(nom(a));
    }
    void effacer(Afficheur a) override
    {
        afficheurs[a] = "";
        journal.push_back(nom(a) + " vide");
    }
    void ecrire_couplage(bool e) override
    {
        etoile = e;
        journal.push_back("couplage");
    }
    void legende_marche(bool m) override
    {
        marche = m;
        journal.push_back(m ? "Marche" : "Arrêt");
    }
    void colorer_marche(bool m) override
    {
        vert = m;
        journal.push_back(m ? "vert" : "rouge");
    }
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

TEST_F(Banc, PointNominalEnEtoileFreinA27)
{
    demarrer("230", frein, "27");
    EXPECT_NEAR(fenetre.valeur(Afficheur::n), 1426, 1);
    EXPECT_NEAR(fenetre.valeur(Afficheur::g), 4.9, 0.05);
    EXPECT_NEAR(fenetre.valeur(Afficheur::i), 8.87, 0.01);
    EXPECT_NEAR(fenetre.valeur(Afficheur::cosphi), 0.78, 0.01);
    EXPECT_NEAR(fenetre.valeur(Afficheur::p1), 4790, 10);
    EXPECT_EQ(fenetre.valeur(Afficheur::T), 27);
    EXPECT_EQ(fenetre.valeur(Afficheur::v1), 398); // 230 . √3 = 398.4 à trois chiffres
    EXPECT_NEAR(fenetre.valeur(Afficheur::tmax), 144, 0.5);
    EXPECT_NEAR(banc.Tmax(), 144.3, 0.05);
    EXPECT_NEAR(banc.gmax(), 0.498, 0.0005);
    EXPECT_EQ(fenetre.valeur(Afficheur::gmax), 0.498);
}

TEST_F(Banc, LesCinqChargesA230V)
{
    const struct {
        const char *nom;
        int charge;
        double n, T, I; // T et I : NAN quand le relevé ne les donne pas
    } cas[] = {
        {"frein à 0 N.m", frein, 1497, 1, 4.95},
        {"levage", levage, 1391, 41, 11.7},
        {"pompe", pompe, 1388, 41.9, NAN},
        {"fraiseuse", fraiseuse, 1405, 36.0, NAN},
        {"ventilateur", ventilateur, 1418, 31.3, NAN},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        FausseFenetre f;
        BancAsynchrone b(f);
        b.initialise();
        f.saisies[Saisie::v1] = "230";
        b.bouton_marche_Click();
        b.choix_charge_Click(c.charge);
        // La recherche s'arrête à environ Tmax/200 de l'équilibre.
        EXPECT_NEAR(b.n(), c.n, 3);
        EXPECT_NEAR(b.T(), c.T, 0.75);
        if (!std::isnan(c.I)) {
            EXPECT_NEAR(f.valeur(Afficheur::i), c.I, 0.05);
        }
    }
}

TEST_F(Banc, FreinAVideFacteurDePuissanceFaible)
{
    demarrer("230", frein, "0");
    EXPECT_NEAR(fenetre.valeur(Afficheur::cosphi), 0.16, 0.01);
}

TEST_F(Banc, TriangleA133VDonneLaTensionEtoileEtUnCourantEnLigne)
{
    banc.bouton_couplage_Click();
    demarrer("133", frein, "27");
    EXPECT_FALSE(fenetre.etoile);
    EXPECT_NEAR(banc.V(), 230.36, 0.01); // 133 . √3
    EXPECT_NEAR(fenetre.valeur(Afficheur::i), 15.4, 0.05);
    EXPECT_NEAR(fenetre.valeur(Afficheur::n), 1426, 1);
}

TEST_F(Banc, CoupleHorsDAtteinteBloqueLeRotor)
{
    // Tmax - Tp vaut 143.3 N.m : 150 N.m ne peut pas être entraîné.
    demarrer("230", frein, "150");
    EXPECT_EQ(banc.g(), 1);
    EXPECT_EQ(banc.n(), 0);
    EXPECT_EQ(fenetre.valeur(Afficheur::g), 100);
    EXPECT_EQ(fenetre.valeur(Afficheur::n), 0);
    EXPECT_EQ(fenetre.valeur(Afficheur::T), 150);
    // Courant à rotor bloqué, bien au-dessus du nominal.
    EXPECT_GT(fenetre.valeur(Afficheur::i), 40);
}

TEST_F(Banc, LevageDemandeToujours41NmPertesComprises)
{
    fenetre.saisies[Saisie::Tp] = "3";
    demarrer("230", levage);
    EXPECT_EQ(banc.T(), 41.0f);
    EXPECT_EQ(fenetre.valeur(Afficheur::T), 38);
}

TEST_F(Banc, CoupleNulSeulLeCourantMagnetisant)
{
    // Frein à -Tp : T = 0, g = 0, synchronisme ; seule la branche Rf // jXm
    // absorbe : Z = Xm.Rf/√(Xm² + Rf²) = 46.80 ohms, I = 230/46.80 = 4.915 A,
    // cos phi = Z/Rf = 0.117.
    demarrer("230", frein, "-1");
    EXPECT_EQ(banc.g(), 0);
    EXPECT_NEAR(banc.n(), 1500, 0.001);
    EXPECT_NEAR(banc.I(), 4.9145, 0.001);
    EXPECT_NEAR(banc.cosphi(), 0.117, 0.001);
    EXPECT_EQ(fenetre.valeur(Afficheur::T), 0);
}

TEST_F(Banc, FrequenceMoitieDoubleLeGlissementCritique)
{
    demarrer("230", frein, "-1");
    fenetre.saisies[Saisie::f] = "25";
    banc.valid_f_Click();
    EXPECT_NEAR(banc.gmax(), 2 * 0.4976, 0.001);
    EXPECT_NEAR(banc.n(), 750, 0.001);
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

TEST_F(Banc, FraiseuseQuiNePeutPasEtreEntraineeCaleLeMoteur)
{
    // A 150 V le couple maximal (62 N.m) ne suffit pas : la fraiseuse à
    // l'arrêt demande plus que tout couple, la recherche monte jusqu'à Tmax.
    demarrer("150", fraiseuse);
    EXPECT_EQ(banc.n(), 0);
    EXPECT_EQ(fenetre.valeur(Afficheur::g), 100);
    EXPECT_TRUE(std::isfinite(banc.T()));
    EXPECT_GE(banc.T(), banc.Tmax());
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

TEST(CaracteristiqueCharge, PleinesEchellesAuxValeursParDefaut)
{
    const struct {
        int charge;
        double T_axe;
    } cas[] = {{levage, 48}, {pompe, 64.8}, {fraiseuse, 240}, {ventilateur, 58.32}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.charge);
        GrapheCharge g;
        calcul_charge(g, c.charge, 50, 2);
        EXPECT_DOUBLE_EQ(g.n_axe, 1800);
        EXPECT_NEAR(g.T_axe, c.T_axe, 1e-4);
        EXPECT_EQ(g.pas_n, 200);
    }
}

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

TEST(CaracteristiqueCharge, LectureSousLePointeurAuxBornesStrictes)
{
    GrapheCharge g;
    calcul_charge(g, levage, 50, 2); // 1800 tr/min, 48 N.m
    const RepereCharge r{1560, 9600, 1020, 4620, 4620};
    for (const auto &[x, y] :
         {std::pair{1560.0, 2000.0}, {9600.0, 2000.0}, {3000.0, 1020.0}, {3000.0, 4620.0}})
        EXPECT_FALSE(lecture(g, r, x, y)) << x << ", " << y;
    // Milieu du cadre : 900 tr/min, 24 N.m.
    const auto l = lecture(g, r, 5580, 2820);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->n, 900);
    EXPECT_EQ(l->T, 24);
}
