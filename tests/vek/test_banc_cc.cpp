// SPDX-License-Identifier: GPL-3.0-or-later
// Tests du modèle du banc à courant continu, sans fenêtre : une fausse
// fenêtre note chaque effet dans l'ordre où le modèle le produit.

#include "banc_cc.h"

#include "nombre.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace vek;

namespace {

const char *nom(Afficheur a)
{
    switch (a) {
    case Afficheur::Ie:
        return "Ie";
    case Afficheur::Ii:
        return "Ii";
    case Afficheur::n:
        return "n";
    case Afficheur::Ue:
        return "Ue";
    case Afficheur::Tu:
        return "Tu";
    case Afficheur::Ui:
        return "Ui";
    }
    return "?";
}

// Fausse fenêtre : chaque effet devient une ligne de texte.
class Journal : public EffetsBanc
{
public:
    std::vector<std::string> effets;
    std::vector<double> valeurs; // toutes les valeurs affichées, pour vérifier qu'elles sont finies
    double lu[6] = {};           // dernière valeur de chaque afficheur

    void afficher(Afficheur a, double v) override
    {
        effets.push_back(std::string("afficher ") + nom(a) + " " + nombre::texte_nombre(v));
        valeurs.push_back(v);
        lu[static_cast<int>(a)] = v;
    }
    void colorer_alerte(Afficheur a, bool rouge) override
    {
        effets.push_back(std::string(rouge ? "rouge " : "normal ") + nom(a));
    }
    void dessiner_inter1(bool ferme) override { effets.push_back(ferme ? "inter1 fermé" : "inter1 ouvert"); }
    void dessiner_inter2(bool ferme) override { effets.push_back(ferme ? "inter2 fermé" : "inter2 ouvert"); }
    void ecrire_choixUe(const std::string &t) override { effets.push_back("choixUe " + t); }
    void avertir(const std::string &m) override { effets.push_back("avertir " + m); }
    void placer_curseur_rheostat(double d) override
    {
        effets.push_back("curseur " + nombre::texte_nombre(d));
    }
    void selectionner_rheostat(int e) override { effets.push_back("liste " + std::to_string(e)); }

    double lecture(Afficheur a) const { return lu[static_cast<int>(a)]; }
    std::vector<std::string> avertissements() const
    {
        std::vector<std::string> r;
        for (const auto &e : effets)
            if (e.rfind("avertir ", 0) == 0)
                r.push_back(e.substr(8));
        return r;
    }
    // Les effets qui ne sont pas des rafraîchissements d'afficheurs.
    std::vector<std::string> sans_affichages() const
    {
        std::vector<std::string> r;
        for (const auto &e : effets)
            if (e.rfind("afficher ", 0) != 0)
                r.push_back(e);
        return r;
    }
    void vider()
    {
        effets.clear();
        valeurs.clear();
    }
};

const std::string sans_inducteur = "L'inducteur du moteur n'est pas alimenté !";
const std::string demarrage =
    "Au démarrage, l'intensité absorbée par l'induit est très importante. La tension "
    "d'induit doit être réduite quand on ferme l'interrupteur d'induit.";
const std::string surintensite_induit =
    "L'intensité du courant circulant dans l'induit est trop importante. Vous risquez d'endommager le moteur.";
const std::string surintensite_inducteur = "L'intensité du courant circulant dans l'inducteur est trop "
                                           "importante. Vous risquez d'endommager le moteur.";
const std::string survitesse = "Le moteur tourne trop vite.";
const std::string avant_bloquer =
    "Pour être en sécurité, ouvrez le circuit de l'induit du moteur avant de bloquer le rotor";
const std::string avant_debloquer =
    "Pour être en sécurité, ouvrez le circuit de l'induit du moteur avant de débloquer le rotor";
const std::string arbre_tourne = "Pour être en sécurité, l'arbre du moteur ne doit pas tourner";
const std::string rheostat_sous_tension =
    "Vous ne devez pas remplacer le rhéostat quand il est sous tension.";

// Un banc chargé, prêt à être manipulé comme par l'élève.
struct Banc {
    Caracteristiques c;
    Reglages r;
    Journal j;
    BancCC banc;

    explicit Banc(const Caracteristiques &car = machine_6kW()) : c(car), banc(c, r, j) { banc.charger(); }

    void regler_Ue(double Ue)
    {
        r.Ue = Ue;
        banc.affichage_mesure();
    }
    void regler_Ui(double Ui)
    {
        r.Ui = Ui;
        banc.affichage_mesure();
    }
    void regler_U2(float U2)
    {
        r.U2 = U2;
        banc.affichage_mesure();
    }
    // Moteur à vide au champ nominal : fermé à 40 V puis tension montée.
    void moteur_a_vide(double Ui)
    {
        regler_Ue(180);
        r.Ui = 40;
        banc.Interinduit_Click();
        regler_Ui(Ui);
    }
};

std::vector<std::string> six_affichages(const std::string &Ie, const std::string &Ii, const std::string &n,
                                        const std::string &Ue, const std::string &Tu, const std::string &Ui)
{
    return {"afficher Ie " + Ie, "afficher Ii " + Ii, "afficher n " + n,
            "afficher Ue " + Ue, "afficher Tu " + Tu, "afficher Ui " + Ui};
}

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> r;
    for (auto &p : parts)
        r.insert(r.end(), p.begin(), p.end());
    return r;
}

} // namespace

// --- Machines proposées et constantes dérivées ---------------------------------

TEST(Machines, PresetsDuTableau)
{
    const Caracteristiques p = machine_200W();
    EXPECT_EQ(p.Uin, 170);
    EXPECT_EQ(p.Iin, 1.5);
    EXPECT_EQ(p.Ri, 12.0f);
    EXPECT_EQ(p.Uen, 170);
    EXPECT_EQ(p.Ien, 0.15f);
    EXPECT_EQ(p.nn, 3000);
    EXPECT_EQ(p.Pmn, 200.0f);
    const Caracteristiques t = machine_3kW();
    EXPECT_EQ(t.Iin, 15);
    EXPECT_EQ(t.Ri, 1.0f);
    EXPECT_EQ(t.Pmn, 3000.0f);
    const Caracteristiques s = machine_6kW();
    EXPECT_EQ(s.Uin, 220);
    EXPECT_EQ(s.Iin, 30);
    EXPECT_EQ(s.Ri, 0.3f);
    EXPECT_EQ(s.Ien, 1.2f);
    EXPECT_EQ(s.nn, 1200);
    EXPECT_EQ(s.Pmn, 6000.0f);
}

TEST(Machines, ConstantesDeLaMachine6kW)
{
    Banc b;
    EXPECT_EQ(b.banc.En(), 211.0);           // 220 - 0.3 . 30
    EXPECT_EQ(b.banc.Re(), 150.0);           // 180 / 1.2
    EXPECT_NEAR(b.banc.Tp(), 2.62606, 1e-5); // 60 . (6330 - 6000) / (2 pi . 1200)
    EXPECT_EQ(b.banc.Rmax(), 10.0f);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(b.banc.Ie2()), 1.2f);
    EXPECT_EQ(b.banc.Ue2(), 180.0f);
}

TEST(Machines, ConstantesDeLaMachine200W)
{
    Banc b(machine_200W());
    EXPECT_NEAR(b.banc.Re(), 1133.33, 0.01); // 170 / 0.15
    EXPECT_EQ(b.banc.En(), 152.0);           // 170 - 12 . 1.5
    EXPECT_NEAR(b.banc.Tp(), 0.0891, 1e-4);  // 60 . (228 - 200) / (2 pi . 3000)
}

TEST(Machines, FluxNulSansExcitationEtSaturation)
{
    Banc b;
    EXPECT_EQ(b.banc.kphi(0.0), 0.0);
    // Au courant nominal, kphi vaut En / Omega_n = 211 / (2 pi . 20) ≈ 1.6791.
    EXPECT_NEAR(b.banc.kphi(1.2), 1.6791, 1e-4);
    // À très fort champ, 1.1565 fois la valeur nominale.
    EXPECT_NEAR(b.banc.kphi(100.0) / b.banc.kphi(1.2), 1.1565, 1e-4);
    // Champ négatif : même courbe, (1 - e^2) au lieu de (1 - e^-2), soit -e^2 fois la valeur nominale.
    EXPECT_NEAR(b.banc.kphi(-1.2), -7.389056 * 1.6791, 1e-3);
}

// --- Chargement -----------------------------------------------------------------

TEST(BancChargement, OrdreDesEffetsEtEtatSur)
{
    Caracteristiques c = machine_6kW();
    Reglages r{35.0, 120.0, 50.0f};
    Journal j;
    BancCC banc(c, r, j);
    banc.charger();
    const auto zeros = six_affichages("0", "0", "0", "0", "0", "0");
    EXPECT_EQ(
        j.effets,
        concat({{"curseur 2655", "liste 0", "inter1 ouvert", "liste 0", "inter1 ouvert"}, zeros, zeros}));
    EXPECT_EQ(r.Ue, 0.0);
    EXPECT_EQ(r.U2, 0.0f);
    EXPECT_EQ(r.Ui, 35.0); // la tension d'induit n'est pas remise à zéro au chargement
    EXPECT_FALSE(banc.inter1_ferme());
    EXPECT_FALSE(banc.inter2_ferme());
    EXPECT_FALSE(banc.blocage());
    EXPECT_FALSE(banc.curseur_saisi());
}

TEST(BancChargement, RemiseAZeroSansEffet)
{
    Banc b;
    b.moteur_a_vide(220);
    b.r.U2 = 12.0f;
    b.banc.Interinduit_gene_Click();
    b.j.vider();
    b.banc.remise_a_zero();
    EXPECT_TRUE(b.j.effets.empty());
    EXPECT_EQ(b.r.Ui, 0.0);
    EXPECT_EQ(b.r.Ue, 0.0);
    EXPECT_EQ(b.r.U2, 0.0f);
    EXPECT_EQ(b.banc.Ie(), 0.0);
    EXPECT_EQ(b.banc.n(), 0.0f);
    EXPECT_EQ(b.banc.U_mes(), 0.0);
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_FALSE(b.banc.inter2_ferme());
}

// --- Points de fonctionnement ----------------------------------------------------

TEST(BancPoint, MoteurAVideAuChampNominal)
{
    Banc b;
    b.moteur_a_vide(220);
    ASSERT_TRUE(b.banc.inter1_ferme());
    EXPECT_NEAR(b.banc.Ie(), 1.2, 1e-9);
    EXPECT_NEAR(b.banc.Ii(), 1.564, 1e-3);
    EXPECT_NEAR(b.banc.n(), 1248.5, 0.05);
    EXPECT_EQ(b.banc.T(), 0.0f);
    EXPECT_NEAR(b.banc.E(), 219.53, 0.01); // 220 - 0.3 . 1.564
    EXPECT_TRUE(b.j.avertissements().empty());
    // Lectures arrondies : n à quatre chiffres, le reste à trois.
    EXPECT_EQ(b.j.effets.back(), "afficher Ui 220");
    const auto fin = std::vector<std::string>(b.j.effets.end() - 6, b.j.effets.end());
    EXPECT_EQ(fin, six_affichages("1.2", "1.56", "1249", "180", "0", "220"));
}

TEST(BancPoint, FreineParLaMachine2)
{
    Banc b;
    b.moteur_a_vide(220);
    b.banc.Interinduit_gene_Click();
    ASSERT_TRUE(b.banc.inter2_ferme());
    EXPECT_NEAR(b.banc.T(), 32.22, 0.01);
    EXPECT_NEAR(b.banc.Ii(), 20.75, 0.01);
    EXPECT_NEAR(b.banc.n(), 1215.8, 0.1);
    EXPECT_EQ(b.j.lecture(Afficheur::Ii), 20.8);
    EXPECT_EQ(b.j.lecture(Afficheur::Tu), 32.2);
}

TEST(BancPoint, FreineSousChampReduit)
{
    // Ue = 150 V : les flux des deux machines diffèrent. Valeurs tirées de la
    // résolution directe des deux mailles (vitesse commune, couples égaux).
    Banc b;
    b.regler_Ue(150);
    b.r.Ui = 40;
    b.banc.Interinduit_Click();
    b.banc.Interinduit_gene_Click();
    b.regler_Ui(220);
    ASSERT_TRUE(b.banc.inter1_ferme());
    EXPECT_NEAR(b.banc.T(), 34.38, 0.01);
    EXPECT_NEAR(b.banc.Ii(), 23.49, 0.01);
    EXPECT_NEAR(b.banc.n(), 1291.0, 0.1);
}

TEST(BancPoint, GrandeTensionU2LaisseLeMoteurAVide)
{
    Banc b;
    b.moteur_a_vide(220);
    b.banc.Interinduit_gene_Click();
    b.regler_U2(400.0f);
    EXPECT_EQ(b.banc.T(), 0.0f);
    EXPECT_NEAR(b.banc.n(), 1248.5, 0.05);
    EXPECT_NEAR(b.banc.Ii(), 1.564, 1e-3);
}

TEST(BancPoint, Machine2EntraineLaMachine1AVide)
{
    Banc b;
    b.regler_Ue(180);
    b.banc.Interinduit_gene_Click();
    b.regler_U2(200.0f);
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_NEAR(b.banc.n(), 1045.8, 0.1);
    EXPECT_NEAR(b.banc.U_mes(), 183.9, 0.05);
    EXPECT_EQ(b.banc.Ii(), 0.0);
    EXPECT_EQ(b.banc.T(), 0.0f);
    const float n = b.banc.n();
    // Sans excitation, la machine 1 ne produit plus de f.é.m. mais tourne toujours.
    b.regler_Ue(0);
    EXPECT_EQ(b.banc.n(), n);
    EXPECT_EQ(b.banc.U_mes(), 0.0);
    EXPECT_TRUE(b.j.avertissements().empty());
}

TEST(BancPoint, Machine2TropFaiblePourVaincreLesPertes)
{
    Banc b;
    b.regler_Ue(180);
    b.banc.Interinduit_gene_Click();
    // Seuil (Ri + Rh) . Tp / kphi = 10.3 . 2.62606 / 1.6791 ≈ 16.11 V.
    b.regler_U2(16.0f);
    EXPECT_EQ(b.banc.n(), 0.0f);
    EXPECT_EQ(b.banc.U_mes(), 0.0);
    b.regler_U2(16.3f);
    EXPECT_GT(b.banc.n(), 0.0f);
}

TEST(BancPoint, CalageSousFaibleTension)
{
    Banc b;
    b.regler_Ue(180);
    b.r.Ui = 0.4;
    b.banc.Interinduit_Click();
    ASSERT_TRUE(b.banc.inter1_ferme());
    EXPECT_EQ(b.banc.n(), 0.0f);
    EXPECT_NEAR(b.banc.Ii(), 1.333, 1e-3);
    EXPECT_EQ(b.banc.T(), 0.0f);
    EXPECT_EQ(b.banc.E(), 0.0);
    // Juste au-dessus du seuil Ri . Tp / kphi ≈ 0.469 V, l'arbre tourne.
    b.regler_Ui(0.48);
    EXPECT_GT(b.banc.n(), 0.0f);
}

TEST(BancPoint, RotorBloqueSansExcitation)
{
    Banc b;
    b.banc.rotor_bloque_Click();
    ASSERT_TRUE(b.banc.blocage());
    b.r.Ui = 3.0;
    b.j.vider();
    b.banc.Interinduit_Click();
    EXPECT_TRUE(b.banc.inter1_ferme());
    EXPECT_TRUE(b.j.avertissements().empty());
    EXPECT_NEAR(b.banc.Ii(), 10.0, 1e-5); // 3 / 0.3
    EXPECT_EQ(b.banc.n(), 0.0f);
    EXPECT_EQ(b.j.sans_affichages(), (std::vector<std::string>{"inter1 fermé", "inter1 fermé"}));
}

TEST(BancPoint, ChampNegatifDonneUneVitesseNegative)
{
    Banc b;
    b.regler_Ue(-180);
    b.r.Ui = 40;
    b.banc.Interinduit_Click();
    EXPECT_TRUE(b.banc.inter1_ferme());
    EXPECT_LT(b.banc.n(), 0.0f);
}

// --- Règle du courant de démarrage ------------------------------------------------

TEST(Demarrage, SeuilDe45VoltsAccepte)
{
    Banc b;
    b.regler_Ue(180);
    b.r.Ui = 45.0;
    b.banc.Interinduit_Click();
    EXPECT_TRUE(b.banc.inter1_ferme());
    EXPECT_TRUE(b.j.avertissements().empty());
    b.banc.Interinduit_Click(); // ouverture
    b.r.Ui = 45.01;
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{demarrage});
}

TEST(Demarrage, AuDessusDuSeuilRefuseAvecLeCourantDeDemarrage)
{
    Banc b;
    b.regler_Ue(180);
    b.r.Ui = 50.0;
    b.j.vider();
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    // Le calcul se fait d'abord interrupteur fermé, puis 50 / 0.3 ≈ 167 A s'affiche en rouge.
    EXPECT_EQ(b.j.sans_affichages(),
              (std::vector<std::string>{"inter1 fermé", "rouge Ii", "avertir " + demarrage, "normal Ii",
                                        "inter1 ouvert"}));
    const auto debut = std::find(b.j.effets.begin(), b.j.effets.end(), "rouge Ii");
    ASSERT_NE(debut, b.j.effets.end());
    EXPECT_EQ(*(debut - 1), "afficher Ii 167");
    EXPECT_EQ(b.j.effets.back(), "afficher Ui 0");
}

TEST(Demarrage, SeuilDeLaMachine3kW)
{
    Banc b(machine_3kW());
    b.regler_Ue(180);
    b.r.Ui = 75.0; // 5 . 1 . 15
    b.banc.Interinduit_Click();
    EXPECT_TRUE(b.banc.inter1_ferme());
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    b.r.Ui = 75.01;
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{demarrage});
}

TEST(Demarrage, MonteeDeTensionApresFermetureAdmise)
{
    Banc b;
    b.moteur_a_vide(200);
    EXPECT_TRUE(b.banc.inter1_ferme());
    EXPECT_TRUE(b.j.avertissements().empty());
}

TEST(Demarrage, OuvertureSansConditionMemeSousForteTension)
{
    Banc b;
    b.moteur_a_vide(220);
    b.j.vider();
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_TRUE(b.j.avertissements().empty());
    EXPECT_EQ(b.j.sans_affichages(), (std::vector<std::string>{"inter1 ouvert", "inter1 ouvert"}));
}

// --- Contrôle des limites --------------------------------------------------------

TEST(Limites, InducteurNonAlimente)
{
    Banc b;
    b.r.Ui = 10;
    b.j.vider();
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    const auto zeros = six_affichages("0", "0", "0", "0", "0", "0");
    EXPECT_EQ(
        b.j.effets,
        concat(
            {{"avertir " + sans_inducteur, "inter1 ouvert"}, zeros, zeros, {"inter1 ouvert"}, zeros, zeros}));
}

TEST(Limites, SurintensiteInduitOuvreEtRemetLeRheostat)
{
    Banc b;
    b.banc.rheostat_MouseDown(100);
    b.banc.rheostat_MouseUp(1327.5);
    ASSERT_EQ(b.banc.Rh(), 5.0f);
    b.banc.rotor_bloque_Click();
    b.regler_Ue(180);
    b.r.Ui = 40; // rotor bloqué : 40 / 0.3 ≈ 133 A
    b.j.vider();
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.banc.Rh(), 10.0f);
    EXPECT_EQ(b.banc.Ii(), 0.0);
    const std::vector<std::string> attendu =
        concat({{"inter1 fermé"},
                six_affichages("1.2", "133", "0", "180", "0", "40"),
                {"rouge Ii", "avertir " + surintensite_induit, "normal Ii", "inter1 ouvert", "curseur 2655",
                 "liste 0"},
                six_affichages("1.2", "0", "0", "180", "0", "0")});
    ASSERT_GE(b.j.effets.size(), attendu.size());
    EXPECT_EQ(std::vector<std::string>(b.j.effets.begin(), b.j.effets.begin() + attendu.size()), attendu);
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{surintensite_induit});
}

TEST(Limites, CourantInduitEgalADeuxFoisNominalAdmis)
{
    Banc b(machine_3kW());
    b.banc.rotor_bloque_Click();
    b.regler_Ue(180);
    b.r.Ui = 30; // 30 / 1 = 2 . 15 exactement
    b.banc.Interinduit_Click();
    EXPECT_EQ(b.banc.Ii(), 30.0);
    EXPECT_TRUE(b.banc.inter1_ferme());
    EXPECT_TRUE(b.j.avertissements().empty());
    b.regler_Ui(30.001);
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{surintensite_induit});
}

TEST(Limites, SurintensiteInducteurRepeteeACHaqueCalcul)
{
    Banc b;
    b.j.vider();
    b.regler_Ue(400);
    const std::vector<std::string> une_fois =
        concat({{"inter1 ouvert"},
                six_affichages("2.67", "0", "0", "400", "0", "0"),
                {"rouge Ie", "avertir " + surintensite_inducteur, "normal Ie", "choixUe 0"},
                six_affichages("0", "0", "0", "0", "0", "0")});
    EXPECT_EQ(b.j.effets, une_fois);
    EXPECT_EQ(b.r.Ue, 400.0); // le réglage n'est pas touché
    EXPECT_EQ(b.banc.Ue_mes(), 0.0);
    EXPECT_EQ(b.banc.Ie(), 0.0);
    // Tout nouveau calcul reprend le réglage et redonne l'avertissement...
    b.j.vider();
    b.banc.Interinduit_gene_Click();
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{surintensite_inducteur});
    b.j.vider();
    b.banc.rheostat_MouseDown(10);
    b.banc.rheostat_MouseUp(10);
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{surintensite_inducteur});
    // ... jusqu'à ce que l'élève valide une tension admissible.
    b.j.vider();
    b.regler_Ue(360);
    EXPECT_TRUE(b.j.avertissements().empty());
    EXPECT_NEAR(b.banc.Ie(), 2.4, 1e-9);
}

TEST(Limites, CourantInducteurEgalADeuxFoisNominalAdmis)
{
    Caracteristiques c = machine_6kW();
    c.Uen = 200;
    c.Ien = 1.25f; // Re = 160 ohms exactement
    Banc b(c);
    b.regler_Ue(400);
    EXPECT_EQ(b.banc.Ie(), 2.5);
    EXPECT_TRUE(b.j.avertissements().empty());
    b.regler_Ue(400.001);
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{surintensite_inducteur});
}

TEST(Limites, SurvitesseSousChampFaible)
{
    Banc b;
    b.regler_Ue(3); // Ie = 0.02 A, kphi ≈ 0.0637 : n ≈ 4144 tr/min à 40 V
    b.r.Ui = 40;
    b.j.vider();
    b.banc.Interinduit_Click();
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{survitesse});
    const std::vector<std::string> attendu =
        concat({{"inter1 fermé"},
                six_affichages("0.02", "41.2", "4144", "3", "0", "40"),
                {"rouge n", "avertir " + survitesse, "normal n", "inter1 ouvert"},
                six_affichages("0.02", "0", "0", "3", "0", "0")});
    EXPECT_EQ(std::vector<std::string>(b.j.effets.begin(), b.j.effets.begin() + attendu.size()), attendu);
    EXPECT_EQ(b.banc.n(), 0.0f);
}

TEST(Limites, VitesseEgaleATroisFoisNominaleAdmise)
{
    Banc b;
    b.regler_Ue(180);
    b.banc.Interinduit_gene_Click();
    // Tension de la machine 2 choisie pour que la vitesse, rangée en simple
    // précision, vaille exactement 3 . 1200 tr/min.
    b.regler_U2(649.109009f);
    ASSERT_EQ(b.banc.n(), 3600.0f);
    EXPECT_TRUE(b.j.avertissements().empty());
    b.regler_U2(649.2f);
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{survitesse});
}

TEST(Limites, ChaqueControleSExecuteMemeSiUnAutreAEteDeclenche)
{
    Banc b;
    b.banc.rotor_bloque_Click();
    b.regler_Ue(180);
    b.r.Ui = 40;
    b.banc.Interinduit_Click(); // surintensité d'induit
    b.j.vider();
    // Induit fermé au rotor bloqué et champ excessif : deux alertes, dans l'ordre.
    b.r.Ui = 30;
    b.r.Ue = 400;
    b.banc.Interinduit_Click();
    const auto av = b.j.avertissements();
    ASSERT_GE(av.size(), 2u);
    EXPECT_EQ(av[0], surintensite_induit);
    EXPECT_EQ(av[1], surintensite_inducteur);
}

TEST(Limites, UneGrandeurNegativeDeclencheCommeLaPositive)
{
    // Induit fermé sous Ui, champ Ue : seuils de 45 V au démarrage, 2 . 30 A
    // d'induit (3 kW : 2 . 15 A sous Ri = 1 ohm), 3 . 1200 tr/min.
    const struct {
        bool machine_3kW, bloque;
        double Ue, Ui;
        std::vector<std::string> avertissements;
    } cas[] = {
        {false, false, 180, 45, {}},
        {false, false, 180, 45.01, {demarrage}},
        // Sous une tension d'induit négative, l'arbre reste calé : tout le
        // courant Ui / 0,3 traverse l'induit, -33,3 A admis, -150 A non.
        {false, false, 180, -10, {}},
        {false, false, 180, -45, {surintensite_induit}},
        {false, true, 180, 40, {surintensite_induit}}, // 133 A
        {false, true, 180, -40, {surintensite_induit}},
        {true, true, 180, -30, {}}, // -30 A : exactement deux fois le nominal
        {true, true, 180, -30.001, {surintensite_induit}},
        {false, false, 3, 40, {survitesse}}, // champ faible : 4144 tr/min
        {false, false, -3, 40, {survitesse}}, // -4144 tr/min
    };
    for (const auto &c : cas) {
        SCOPED_TRACE("Ue = " + nombre::texte_nombre(c.Ue) + " V, Ui = " + nombre::texte_nombre(c.Ui) + " V" +
                     (c.bloque ? ", rotor bloqué" : ""));
        Banc b(c.machine_3kW ? machine_3kW() : machine_6kW());
        if (c.bloque)
            b.banc.rotor_bloque_Click();
        b.regler_Ue(c.Ue);
        b.r.Ui = c.Ui;
        b.banc.Interinduit_Click();
        EXPECT_EQ(b.j.avertissements(), c.avertissements);
        EXPECT_EQ(b.banc.inter1_ferme(), c.avertissements.empty());
    }
}

TEST(Limites, ChampNegatifExcessifAverti)
{
    // Re = 180 / 1,2 = 150 ohms ; limite 2 . 1,2 A, soit 360 V.
    const struct {
        double Ue;
        bool averti;
    } cas[] = {{360, false}, {-360, false}, {400, true}, {-400, true}, {-1000000, true}, {1000000, true}};
    for (const auto &c : cas) {
        SCOPED_TRACE("Ue = " + nombre::texte_nombre(c.Ue) + " V");
        Banc b;
        b.regler_Ue(c.Ue);
        EXPECT_EQ(b.j.avertissements(),
                  c.averti ? std::vector<std::string>{surintensite_inducteur} : std::vector<std::string>{});
        EXPECT_NEAR(b.banc.Ie(), c.averti ? 0.0 : c.Ue / 150.0, 1e-9);
        EXPECT_EQ(b.j.lecture(Afficheur::Ie), c.averti ? 0.0 : (c.Ue > 0 ? 2.4 : -2.4));
    }
}

// --- Verrouillage du rotor --------------------------------------------------------

TEST(Verrou, BloquerInduitFermeOuvreLInduit)
{
    Banc b;
    b.moteur_a_vide(100);
    b.j.vider();
    b.banc.rotor_bloque_Click();
    EXPECT_TRUE(b.banc.blocage());
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.sans_affichages(),
              (std::vector<std::string>{"avertir " + avant_bloquer, "inter1 ouvert", "inter1 ouvert"}));
}

TEST(Verrou, DebloquerInduitFermeGardeLEtat)
{
    Banc b;
    b.banc.rotor_bloque_Click();
    b.regler_Ue(180);
    b.r.Ui = 10;
    b.banc.Interinduit_Click();
    ASSERT_TRUE(b.banc.inter1_ferme());
    b.j.vider();
    b.banc.rotor_bloque_Click();
    EXPECT_FALSE(b.banc.blocage());
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{avant_debloquer});
}

TEST(Verrou, BloquerUnArbreEntraineOuvreLesDeuxInterrupteurs)
{
    Banc b;
    b.regler_Ue(180);
    b.banc.Interinduit_gene_Click();
    b.regler_U2(200.0f);
    ASSERT_GT(b.banc.n(), 1000.0f);
    b.j.vider();
    b.banc.rotor_bloque_Click();
    EXPECT_TRUE(b.banc.blocage());
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_FALSE(b.banc.inter2_ferme());
    EXPECT_EQ(b.banc.n(), 0.0f);
    EXPECT_EQ(b.j.sans_affichages(), (std::vector<std::string>{"avertir " + arbre_tourne, "inter1 ouvert",
                                                               "inter2 ouvert", "inter1 ouvert"}));
}

TEST(Verrou, ArbreArreteRienASignaler)
{
    Banc b;
    b.j.vider();
    b.banc.rotor_bloque_Click();
    EXPECT_TRUE(b.banc.blocage());
    EXPECT_TRUE(b.j.effets.empty()); // ni avertissement ni recalcul
    b.banc.rotor_bloque_Click();
    EXPECT_FALSE(b.banc.blocage());
}

TEST(Verrou, Interrupteur2BasculeEtRecalcule)
{
    Banc b;
    b.j.vider();
    b.banc.Interinduit_gene_Click();
    EXPECT_TRUE(b.banc.inter2_ferme());
    EXPECT_EQ(b.j.effets.front(), "inter2 fermé");
    EXPECT_EQ(b.j.effets.size(), 1u + 1u + 12u); // dessin, inter1, deux rafraîchissements
    b.banc.Interinduit_gene_Click();
    EXPECT_FALSE(b.banc.inter2_ferme());
}

// --- Rhéostat ----------------------------------------------------------------------

TEST(Rheostat, RelacheAGaucheOuADroiteDuCorps)
{
    Banc b;
    b.banc.rheostat_MouseDown(500);
    EXPECT_TRUE(b.banc.curseur_saisi());
    EXPECT_EQ(b.banc.Rh(), 10.0f); // l'appui seul ne change pas la résistance
    b.j.vider();
    b.banc.rheostat_MouseUp(-300);
    EXPECT_FALSE(b.banc.curseur_saisi());
    EXPECT_EQ(b.banc.Rh(), 0.0f);
    EXPECT_EQ(b.j.effets.front(), "curseur 0");
    b.banc.rheostat_MouseDown(500);
    b.j.vider();
    b.banc.rheostat_MouseUp(4000);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
    EXPECT_EQ(b.j.effets.front(), "curseur 2655");
}

TEST(Rheostat, ClicSansDeplacement)
{
    Banc b;
    b.j.vider();
    b.banc.rheostat_MouseDown(531);
    b.banc.rheostat_MouseUp(531);
    EXPECT_EQ(b.banc.Rh(), 2.0f); // 10 . 531 / 2655
    EXPECT_EQ(b.j.effets[0], "curseur 531");
    EXPECT_EQ(b.j.effets[1], "curseur 531");
}

TEST(Rheostat, GlisserHorsDuCorpsGardeLaDerniereValeur)
{
    Banc b;
    b.banc.rheostat_MouseDown(2000);
    b.banc.rheostat_MouseMove(1062);
    EXPECT_EQ(b.banc.Rh(), 4.0f);
    b.j.vider();
    b.banc.rheostat_MouseMove(3000);
    b.banc.rheostat_MouseMove(-10);
    b.banc.rheostat_MouseMove(0); // les bords eux-mêmes sont hors du corps
    b.banc.rheostat_MouseMove(2655);
    EXPECT_EQ(b.banc.Rh(), 4.0f);
    EXPECT_TRUE(b.j.effets.empty());
    b.banc.rheostat_MouseUp(3000);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
}

TEST(Rheostat, DeplacementSansAppuiIgnore)
{
    Banc b;
    b.j.vider();
    b.banc.rheostat_MouseMove(1000);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
    EXPECT_TRUE(b.j.effets.empty());
}

TEST(Rheostat, GlisserChangeLeFreinage)
{
    Banc b;
    b.moteur_a_vide(220);
    b.banc.Interinduit_gene_Click();
    const float T10 = b.banc.T();
    b.banc.rheostat_MouseDown(2655);
    b.banc.rheostat_MouseMove(1327.5); // 5 ohms : la machine 2 freine davantage
    EXPECT_GT(b.banc.T(), T10);
}

TEST(Rheostat, ChangementSousTensionRefuse)
{
    Banc b;
    b.banc.Interinduit_gene_Click();
    b.banc.rheostat_MouseDown(100);
    b.banc.rheostat_MouseUp(531);
    b.j.vider();
    b.banc.change_rheostat_Click(3);
    EXPECT_EQ(b.j.effets,
              (std::vector<std::string>{"curseur 2655", "liste 0", "avertir " + rheostat_sous_tension}));
    EXPECT_EQ(b.banc.Rmax(), 10.0f);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
}

TEST(Rheostat, ChangementHorsTensionRepartAPleineResistance)
{
    Banc b;
    b.banc.rheostat_MouseDown(100);
    b.j.vider();
    b.banc.change_rheostat_Click(2);
    EXPECT_FALSE(b.banc.curseur_saisi());
    EXPECT_EQ(b.banc.Rmax(), 100.0f);
    EXPECT_EQ(b.banc.Rh(), 100.0f);
    ASSERT_GE(b.j.effets.size(), 3u);
    EXPECT_EQ(b.j.effets[0], "curseur 2655");
    EXPECT_EQ(b.j.effets[1], "liste 2");
    EXPECT_EQ(b.j.effets[2], "inter1 ouvert"); // recalcul
    b.banc.rheostat_MouseDown(100);
    b.banc.rheostat_MouseUp(265.5);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
    b.banc.change_rheostat_Click(3);
    EXPECT_EQ(b.banc.Rh(), 1000.0f);
    b.banc.change_rheostat_Click(0);
    EXPECT_EQ(b.banc.Rh(), 10.0f);
}

// --- Animation du rotor -----------------------------------------------------------

TEST(Rotor, LentOuArreteResteNoir)
{
    EXPECT_EQ(top_rotor(true, 150.0f, 1200).couleur, 0);
    EXPECT_EQ(top_rotor(true, 150.0f, 1200).intervalle, 0);
    EXPECT_EQ(top_rotor(true, -2000.0f, 1200).couleur, 0);
    EXPECT_EQ(top_rotor(false, 0.0f, 1200).couleur, 0);
    EXPECT_EQ(top_rotor(false, 150.0f, 1200).intervalle, 0);
}

TEST(Rotor, CadenceDuScintillement)
{
    const EtatRotor a = top_rotor(true, 151.0f, 3000);
    EXPECT_EQ(a.couleur, 255);
    EXPECT_EQ(a.intervalle, 3179); // 480000 / 151 = 3178.8
    EXPECT_EQ(top_rotor(true, 1200.0f, 1200).intervalle, 160);
    const EtatRotor b = top_rotor(false, 1200.0f, 1200);
    EXPECT_EQ(b.couleur, 192);
    EXPECT_EQ(b.intervalle, 0);
    // Égalités arrondies au pair : 500.5 -> 500, 501.5 -> 502.
    EXPECT_EQ(top_rotor(true, 200.0f, 625.625).intervalle, 500);
    EXPECT_EQ(top_rotor(true, 200.0f, 626.875).intervalle, 502);
}

TEST(Rotor, CadencesAberrantesBornees)
{
    EXPECT_EQ(top_rotor(true, 1000.0f, 0.0).intervalle, 1);
    EXPECT_EQ(top_rotor(true, 1000.0f, -1200.0).intervalle, 1);
    EXPECT_EQ(top_rotor(true, 1e30f, 1200.0).intervalle, 1);
    EXPECT_EQ(top_rotor(true, 200.0f, 1e12).intervalle, 1000000);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (bool premier : {true, false}) {
        EXPECT_EQ(top_rotor(premier, inf, 1200).couleur, 0);
        EXPECT_EQ(top_rotor(premier, inf, 1200).intervalle, 0);
        EXPECT_EQ(top_rotor(premier, nan, 1200).couleur, 0);
        EXPECT_EQ(top_rotor(premier, nan, 1200).intervalle, 0);
    }
}

// --- Caractéristiques dégénérées ----------------------------------------------------

namespace {

// Une séance complète de manipulations ; toutes les lectures doivent rester finies.
void manipuler(Banc &b)
{
    b.regler_Ue(180);
    b.r.Ui = 0;
    b.banc.Interinduit_Click();
    b.regler_Ui(20);
    b.banc.Interinduit_gene_Click();
    b.regler_U2(100.0f);
    b.banc.rheostat_MouseDown(0);
    b.banc.rheostat_MouseUp(0);
    b.banc.Interinduit_Click();
    b.banc.rotor_bloque_Click();
    b.r.Ui = 10;
    b.banc.Interinduit_Click();
    b.banc.rotor_bloque_Click();
    b.banc.change_rheostat_Click(1);
    b.regler_Ue(0);
    b.banc.Interinduit_Click();
    b.banc.Interinduit_gene_Click();
    b.regler_Ue(-50);
    top_rotor(true, b.banc.n(), b.c.nn);
}

} // namespace

TEST(MachineDegeneree, LecturesToujoursFinies)
{
    std::vector<Caracteristiques> cas;
    const Caracteristiques base = machine_6kW();
    Caracteristiques c = base;
    c.Ri = 0;
    cas.push_back(c);
    c = base;
    c.Ien = 0;
    cas.push_back(c);
    c = base;
    c.nn = 0;
    cas.push_back(c);
    c = base;
    c.Iin = 0;
    cas.push_back(c);
    c = base;
    c.Uen = 0;
    cas.push_back(c);
    c = base;
    c.Ri = -1;
    c.nn = -1200;
    c.Ien = -1.2f;
    cas.push_back(c);
    cas.push_back(Caracteristiques{0, 0, 0, 0, 0, 0, 0});
    for (const Caracteristiques &car : cas) {
        Banc b(car);
        manipuler(b);
        ASSERT_FALSE(b.j.valeurs.empty());
        for (double v : b.j.valeurs)
            EXPECT_TRUE(std::isfinite(v)) << "Ri=" << car.Ri << " Ien=" << car.Ien << " nn=" << car.nn;
        const EtatRotor e = top_rotor(true, b.banc.n(), car.nn);
        EXPECT_TRUE(e.intervalle == 0 || e.intervalle >= 1);
    }
}

TEST(MachineDegeneree, InducteurDIntensiteNominaleNulleSansFlux)
{
    Caracteristiques c = machine_6kW();
    c.Ien = 0; // résistance d'inducteur infinie : aucun courant d'excitation
    Banc b(c);
    b.regler_Ue(180);
    EXPECT_EQ(b.banc.Ie(), 0.0);
    EXPECT_EQ(b.banc.kphi(b.banc.Ie()), 0.0);
    b.r.Ui = 10;
    b.banc.Interinduit_Click();
    // Sans flux, l'arbre ne peut pas démarrer : courant de rotor bloqué 10 / 0.3.
    EXPECT_EQ(b.banc.n(), 0.0f);
    EXPECT_NEAR(b.banc.Ii(), 33.33, 0.01);
}

TEST(MachineDegeneree, ResistanceDInduitNulleCourtCircuit)
{
    Caracteristiques c = machine_6kW();
    c.Ri = 0;
    Banc b(c);
    b.banc.rotor_bloque_Click();
    b.regler_Ue(180);
    b.r.Ui = 0;
    b.banc.Interinduit_Click(); // 0 V : accepté
    EXPECT_TRUE(b.banc.inter1_ferme());
    b.regler_Ui(5); // courant infini dans un induit sans résistance : alerte et ouverture
    EXPECT_FALSE(b.banc.inter1_ferme());
    EXPECT_EQ(b.j.avertissements(), std::vector<std::string>{surintensite_induit});
    EXPECT_EQ(b.j.lecture(Afficheur::Ii), 0.0);
}
