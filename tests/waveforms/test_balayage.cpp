// SPDX-License-Identifier: GPL-3.0-or-later
// Moteur d'oscillogrammes, sans fenêtre : un montage d'essai de trois
// grandeurs (une par classe) et un écran qui enregistre les effets dans
// l'ordre. Géométrie d'essai : axes des temps de 6660 à 10980 (W = 4320) aux
// ordonnées 1320, 3240, 5280, 7320 ; axes des valeurs 600 au-dessus et
// au-dessous de chacun.
#include "arrondi.h"
#include "balayage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using oscillo::Balayage;

namespace {

constexpr double y_axe[4] = {1320, 3240, 5280, 7320};
constexpr double gauche = 6660, droite = 10980;

class MontageEssai : public oscillo::Circuit
{
public:
    static constexpr oscillo::Grandeur liste[3] = {{"tension v", oscillo::Classe::tension},
                                                   {"courant i", oscillo::Classe::courant},
                                                   {"commande g", oscillo::Classe::commande}};
    oscillo::References refs{10.0, 2.0, 0.2};
    double valeurs[3] = {0, 0, 0};
    // Deux jeux de deux composants (comme les transistors et les diodes de
    // l'onduleur, en plus petit).
    bool passants[2][2] = {{false, false}, {false, false}};
    int chargements = 0;
    bool bloque = false;
    std::vector<oscillo::Moyenne> moyennes{oscillo::Moyenne::de_nombre(1.23456),
                                           oscillo::Moyenne::de_texte("0"), oscillo::Moyenne::aucune()};
    std::vector<double> instants, pas_temps;
    // Formes sur une période de 0,02 s : v constante 3 (efficace 3), i
    // constante 2 pendant une demi-période (efficace racine de 2), g sans
    // valeur efficace.
    std::vector<oscillo::Forme> formes{{oscillo::Morceau::constante(0.0, 0.02, 3.0)},
                                       {oscillo::Morceau::constante(0.0, 0.01, 2.0)},
                                       {}};
    mutable std::vector<double> pas_formes;
    // Avec suivre_t, chaque calcul écrit v = t et i = -2 t (pour l'exportation).
    bool suivre_t = false;

    std::span<const oscillo::Grandeur> grandeurs() const override { return liste; }
    oscillo::References references() const override { return refs; }
    double arrondir(double x) const override { return arrondi::quatre_chif_sign(x); }
    void calculer(double t, double dt, int) override
    {
        instants.push_back(t);
        pas_temps.push_back(dt);
        if (suivre_t) {
            valeurs[0] = t;
            valeurs[1] = -2.0 * t;
        }
    }
    oscillo::Forme forme(int indice, double dt, int) const override
    {
        pas_formes.push_back(dt);
        return formes[indice];
    }
    std::unique_ptr<oscillo::Circuit> copie() const override { return std::make_unique<MontageEssai>(*this); }
    oscillo::Dipole dipole() const override { return {0, 1, -1, -1, "essai"}; }
    int grandeur_spectre() const override { return 0; }
    void charger() override { ++chargements; }
    double valeur(int indice) const override { return valeurs[indice]; }
    int nombre_jeux() const override { return 2; }
    int nombre_composants() const override { return 2; }
    bool conduit(int jeu, int k) const override { return passants[jeu][k]; }
    oscillo::Moyenne moyenne(int indice) const override { return moyennes[indice]; }
    bool moyennes_a_zero() const override { return bloque; }
};

struct Segment {
    double x1, y1, x2, y2;
    std::uint32_t couleur;
};

class EcranEssai : public oscillo::Ecran
{
public:
    std::vector<std::string> journal;
    std::vector<Segment> segments;
    double ld = 7200;
    std::string vinst[4], vmoy[4], veff[4], ymax[4], xmax[4];
    bool composants[2][2] = {{false, false}, {false, false}};
    bool minuterie = false;
    std::string legende = "Démarrer ";

    oscillo::AxeTemps axe_temps(int i) const override { return {gauche, droite, y_axe[i]}; }
    oscillo::AxeValeurs axe_valeurs(int i) const override { return {y_axe[i] - 600, y_axe[i] + 600}; }
    double x_ld() const override { return ld; }
    void placer_ld(double x) override
    {
        ld = x;
        journal.push_back("ld");
    }
    void tracer_segment(double x1, double y1, double x2, double y2, std::uint32_t c) override
    {
        segments.push_back({x1, y1, x2, y2, c});
        journal.push_back("segment");
    }
    void effacer_zone(double x1, double y1, double x2, double y2) override
    {
        journal.push_back("efface " + std::to_string(int(x1)) + " " + std::to_string(int(y1)) + " " +
                          std::to_string(int(x2)) + " " + std::to_string(int(y2)));
    }
    void montrer_axe_temps(int i) override { journal.push_back("axe " + std::to_string(i)); }
    void colorer_composant(int jeu, int k, bool conduit) override
    {
        composants[jeu][k] = conduit;
        journal.push_back("composant " + std::to_string(jeu) + "." + std::to_string(k));
    }
    void ecrire_vinst(int i, double v) override
    {
        vinst[i] = texte(v);
        journal.push_back("vinst " + std::to_string(i));
    }
    void ecrire_vmoy(int i, double v) override
    {
        vmoy[i] = texte(v);
        journal.push_back("vmoy " + std::to_string(i));
    }
    void ecrire_vmoy_texte(int i, const std::string &t) override
    {
        vmoy[i] = t;
        journal.push_back("vmoy " + std::to_string(i));
    }
    void ecrire_veff(int i, double v) override
    {
        veff[i] = texte(v);
        journal.push_back("veff " + std::to_string(i));
    }
    void ecrire_ymax(int i, double v) override
    {
        ymax[i] = texte(v);
        journal.push_back("ymax " + std::to_string(i));
    }
    void ecrire_xmax(int i, double v) override { xmax[i] = texte(v); }
    void activer_minuterie(bool a) override
    {
        minuterie = a;
        journal.push_back(a ? "minuterie marche" : "minuterie arrêt");
    }
    void legende_arret(const std::string &l) override { legende = l; }

    static std::string texte(double v)
    {
        char b[32];
        std::snprintf(b, sizeof b, "%.15g", v);
        return b;
    }
};

class Moteur : public ::testing::Test
{
protected:
    MontageEssai montage;
    EcranEssai ecran;
    Balayage balayage{montage, ecran};

    void SetUp() override { balayage.charger(); }

    void choisir(int a, int b, int c, int d)
    {
        balayage.choix_grandeur_Click({a, b, c, d});
        ecran.journal.clear();
        ecran.segments.clear();
    }
    void tops(int n)
    {
        for (int k = 0; k < n; ++k)
            balayage.Timer1_Timer();
    }
    const Segment &dernier(int panneau) const { return ecran.segments[ecran.segments.size() - 4 + panneau]; }
};

} // namespace

// --- Chargement -----------------------------------------------------------------

TEST_F(Moteur, AuChargementRienNeTourne)
{
    EXPECT_FALSE(ecran.minuterie);
    EXPECT_EQ(balayage.x_curseur(), 0);
    EXPECT_EQ(balayage.pas(), 50);
    EXPECT_EQ(balayage.f(), 50);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(balayage.choix(i), -1);
        EXPECT_EQ(balayage.y_cour(i), y_axe[i]);
        EXPECT_EQ(ecran.xmax[i], "0.02");
        EXPECT_EQ(balayage.ymax(i), 0.0f);
    }
}

// --- Le top ---------------------------------------------------------------------

TEST_F(Moteur, UnTopAvanceLeCurseurEtDonneLInstantAuMontage)
{
    choisir(0, -1, -1, -1);
    tops(2);
    EXPECT_EQ(balayage.x_curseur(), 100);
    // 100 / (4320 . 50) s ; pas de temps 50 / (4320 . 50) s.
    EXPECT_NEAR(montage.instants.back(), 4.62963e-4, 1e-9);
    EXPECT_NEAR(montage.pas_temps.back(), 2.31481e-4, 1e-9);
    EXPECT_EQ(ecran.ld, 6760);
    // Le segment part de l'ancienne place du curseur.
    EXPECT_EQ(dernier(0).x1, 6710);
    EXPECT_EQ(dernier(0).x2, 6760);
}

TEST_F(Moteur, OrdreDesEffetsDUnTop)
{
    choisir(0, 1, 2, -1);
    montage.passants[0][1] = true;
    montage.passants[1][0] = true;
    tops(1);
    const std::vector<std::string> attendu = {
        "ld",      "segment", "vinst 0",       "segment",       "vinst 1",       "segment",      "vinst 2",
        "segment", "vinst 3", "composant 0.0", "composant 0.1", "composant 1.0", "composant 1.1"};
    EXPECT_EQ(ecran.journal, attendu);
    // Chaque dessin suit son propre drapeau.
    EXPECT_FALSE(ecran.composants[0][0]);
    EXPECT_TRUE(ecran.composants[0][1]);
    EXPECT_TRUE(ecran.composants[1][0]);
    EXPECT_FALSE(ecran.composants[1][1]);
}

TEST_F(Moteur, LeMontageEstChargeUneFoisEtCalculeUneFoisParTop)
{
    // Un modèle qui garde un état d'un top au suivant compte sur un seul
    // calcul par top : ni le choix, ni l'arrêt, ni l'effacement n'en font.
    EXPECT_EQ(montage.chargements, 1);
    choisir(0, 1, -1, -1);
    balayage.arret_Click();
    balayage.arret_Click();
    balayage.efface_traces();
    balayage.affiche_moyennes();
    EXPECT_TRUE(montage.instants.empty());
    balayage.set_pas(0);
    tops(3);
    EXPECT_EQ(montage.instants.size(), 3u);
    EXPECT_EQ(montage.chargements, 1);
}

TEST_F(Moteur, PontBloqueLesMoyennesPassentAZeroAvantLeTrace)
{
    choisir(0, 1, 2, -1);
    EXPECT_EQ(ecran.vmoy[0], "1.235");
    montage.bloque = true;
    tops(1);
    ASSERT_GE(ecran.journal.size(), 5u);
    EXPECT_EQ(ecran.journal[0], "vmoy 0");
    EXPECT_EQ(ecran.journal[3], "vmoy 3");
    EXPECT_EQ(ecran.journal[4], "ld");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ecran.vmoy[i], "0");
}

// --- Position des points --------------------------------------------------------

TEST_F(Moteur, UneValeurNulleEstTraceeQuinzeUnitesAuDessusDeLAxe)
{
    choisir(0, 1, 2, 0);
    tops(1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(balayage.y_cour(i), y_axe[i] - 15) << "panneau " << i;
        EXPECT_EQ(dernier(i).y2, y_axe[i] - 15);
        EXPECT_EQ(dernier(i).y1, y_axe[i]); // parti de l'axe après l'effacement
        EXPECT_EQ(ecran.vinst[i], "0");
    }
}

TEST_F(Moteur, PleineEchelleAuBoutDeLAxeDesValeurs)
{
    choisir(0, 1, 2, 0);
    montage.valeurs[0] = 10.0; // + pleine échelle de tension
    montage.valeurs[1] = -2.0; // - pleine échelle de courant
    montage.valeurs[2] = 0.05; // quart de la pleine échelle de commande
    tops(1);
    EXPECT_EQ(balayage.y_cour(0), 1320 - 600);
    EXPECT_EQ(balayage.y_cour(1), 3240 + 600);
    EXPECT_NEAR(balayage.y_cour(2), 5280 - 150, 1e-3);
    EXPECT_EQ(balayage.y_cour(3), 7320 - 600);
    EXPECT_EQ(ecran.vinst[2], "0.05");
    tops(1);
    EXPECT_EQ(balayage.y_prec(0), 720.0f);
}

TEST_F(Moteur, LesCouleursSuiventLesClasses)
{
    choisir(0, 1, 2, -1);
    tops(1);
    EXPECT_EQ(dernier(0).couleur, 0x00FF00u); // vert
    EXPECT_EQ(dernier(1).couleur, 0x0000FFu); // rouge (0xBBGGRR)
    EXPECT_EQ(dernier(2).couleur, 0xFFFF00u); // cyan
    EXPECT_EQ(dernier(3).couleur, 0u);        // noir, rien de choisi
}

TEST_F(Moteur, UnePleineEchelleDemesureeNeDonneJamaisDeCoordonneeAbsurde)
{
    montage.refs.courant = 1e-44; // arrondi en simple précision vers un nombre dénormal
    montage.refs.commande = 1e300; // infini en simple précision
    choisir(-1, 1, 2, -1);
    EXPECT_NE(balayage.ymax(1), 0.0f);
    montage.valeurs[1] = 1.0;
    montage.valeurs[2] = std::numeric_limits<double>::max();
    tops(1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(std::isfinite(balayage.y_cour(i)));
        EXPECT_GE(balayage.y_cour(i), y_axe[i] - 600);
        EXPECT_LE(balayage.y_cour(i), y_axe[i] + 600);
    }
    EXPECT_EQ(balayage.y_cour(1), 3240 - 600); // rogné au haut de l'axe
}

// --- Fin de balayage -------------------------------------------------------------

TEST_F(Moteur, LeDernierSegmentEtLEffacementDansLeMemeTop)
{
    choisir(0, -1, -1, -1);
    tops(86); // 86 . 50 = 4300 <= 4320 : pas encore au bout
    EXPECT_EQ(balayage.x_curseur(), 4300);
    ecran.journal.clear();
    tops(1); // 4350 > 4320
    EXPECT_EQ(ecran.ld, 6660 + 4350);
    EXPECT_EQ(dernier(0).x2, 11010); // 30 unités au-delà du bout de l'axe, dessiné
    EXPECT_EQ(balayage.x_curseur(), 0);
    // La boîte va d'une demi-épaisseur de trait avant le début de l'axe à 50
    // après sa fin, d'une demi-épaisseur au-dessus de l'axe des valeurs à 200 sous lui.
    const std::vector<std::string> fin(ecran.journal.end() - 8, ecran.journal.end());
    const std::vector<std::string> attendu = {"efface 6645 705 11030 2120",  "axe 0",
                                              "efface 6645 2625 11030 4040", "axe 1",
                                              "efface 6645 4665 11030 6080", "axe 2",
                                              "efface 6645 6705 11030 8120", "axe 3"};
    EXPECT_EQ(fin, attendu);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(balayage.y_cour(i), y_axe[i]);
    // Le curseur ne revient qu'au top suivant.
    tops(1);
    EXPECT_EQ(ecran.ld, 6710);
}

// --- Vitesse ------------------------------------------------------------------------

TEST_F(Moteur, AuPasMaximalLEffacementCouvreToutLeDernierSegment)
{
    choisir(0, -1, -1, -1);
    balayage.set_pas(110);
    tops(39); // 4290
    ecran.journal.clear();
    tops(1); // 4400 : 80 unités au-delà du bout de l'axe
    EXPECT_EQ(dernier(0).x2, 11060);
    EXPECT_EQ(ecran.journal[ecran.journal.size() - 8], "efface 6645 705 11075 2120");
}

TEST_F(Moteur, AccelererPlafonneA110)
{
    balayage.set_pas(100);
    balayage.accelere_Click();
    EXPECT_EQ(balayage.pas(), 110);
    balayage.accelere_Click();
    EXPECT_EQ(balayage.pas(), 110);
}

TEST_F(Moteur, RalentirSArreteAZero)
{
    for (int k = 0; k < 5; ++k)
        balayage.Ralentir_Click();
    EXPECT_EQ(balayage.pas(), 0);
    balayage.Ralentir_Click();
    EXPECT_EQ(balayage.pas(), 0);
}

TEST_F(Moteur, AuPasNulLeCurseurResteEtLesValeursSeRafraichissent)
{
    choisir(0, -1, -1, -1);
    tops(3);
    balayage.set_pas(0);
    montage.valeurs[0] = 2.5;
    tops(1);
    EXPECT_EQ(balayage.x_curseur(), 150);
    EXPECT_EQ(ecran.vinst[0], "2.5");
    EXPECT_EQ(montage.pas_temps.back(), 0.0);
    EXPECT_EQ(dernier(0).x1, dernier(0).x2);
}

// --- Marche, arrêt, reprise ----------------------------------------------------------

TEST_F(Moteur, ArretAvantToutChoixLanceUnBalayageNoirAZero)
{
    balayage.arret_Click();
    EXPECT_TRUE(ecran.minuterie);
    EXPECT_EQ(ecran.legende, "STOP");
    tops(3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dernier(i).couleur, 0u);
        EXPECT_EQ(dernier(i).y1, y_axe[i]);
        EXPECT_EQ(dernier(i).y2, y_axe[i]); // le long de l'axe des temps
        EXPECT_EQ(ecran.vinst[i], "0");
        EXPECT_EQ(ecran.ymax[i], ""); // pas de pleine échelle écrite
    }
}

TEST_F(Moteur, ArreterGardeTracesEtCurseurReprendreRepartDeLaMemePlace)
{
    choisir(0, -1, -1, -1);
    tops(10);
    balayage.arret_Click();
    EXPECT_FALSE(ecran.minuterie);
    EXPECT_EQ(ecran.legende, "Reprendre");
    EXPECT_EQ(ecran.journal.back(), "minuterie arrêt"); // rien d'effacé
    EXPECT_EQ(balayage.x_curseur(), 500);
    EXPECT_EQ(ecran.ld, 7160);
    balayage.arret_Click();
    EXPECT_TRUE(ecran.minuterie);
    EXPECT_EQ(ecran.legende, "STOP");
    tops(1);
    EXPECT_EQ(balayage.x_curseur(), 550);
    EXPECT_EQ(dernier(0).x1, 7160);
}

// --- Choix des grandeurs ----------------------------------------------------------------

TEST_F(Moteur, ChoisirDansUneListeRelitLesQuatre)
{
    choisir(0, -1, -1, -1);
    montage.refs = {20.0, 4.0, 0.4};
    // Le panneau 0 garde son choix, mais sa pleine échelle est relue.
    choisir(0, 1, 2, 1);
    EXPECT_EQ(balayage.ymax(0), 20.0f);
    EXPECT_EQ(balayage.ymax(1), 4.0f);
    EXPECT_EQ(balayage.ymax(2), 0.4f);
    EXPECT_EQ(balayage.ymax(3), 4.0f);
    EXPECT_EQ(balayage.couleur(3), 0x0000FFu);
    EXPECT_EQ(ecran.ymax[0], "20");
    EXPECT_EQ(ecran.ymax[2], "0.4");
    EXPECT_TRUE(ecran.minuterie);
    EXPECT_EQ(ecran.legende, "STOP");
}

TEST_F(Moteur, UneListeSansSelectionGardeSonEchelle)
{
    choisir(1, -1, -1, -1);
    montage.refs.courant = 8.0;
    choisir(-1, 0, -1, -1);
    EXPECT_EQ(balayage.choix(0), -1);
    EXPECT_EQ(balayage.ymax(0), 2.0f);
    EXPECT_EQ(balayage.couleur(0), 0x0000FFu);
    EXPECT_EQ(ecran.ymax[0], "2");
    EXPECT_EQ(ecran.ymax[3], "0");
}

TEST_F(Moteur, ChoisirEffaceEtRemetLeCurseurAZero)
{
    choisir(0, -1, -1, -1);
    tops(20);
    ecran.journal.clear();
    balayage.choix_grandeur_Click({1, -1, -1, -1});
    EXPECT_EQ(balayage.x_curseur(), 0);
    EXPECT_EQ(ecran.journal.front(), "efface 6645 705 11030 2120");
}

TEST_F(Moteur, LesMoyennesSuiventLeTableauDuMontage)
{
    choisir(0, 1, 2, -1);
    EXPECT_EQ(ecran.vmoy[0], "1.235"); // nombre, arrondi à quatre chiffres
    EXPECT_EQ(ecran.vmoy[1], "0");     // texte fixe
    EXPECT_EQ(ecran.vmoy[2], "");      // inchangé
    EXPECT_EQ(ecran.vmoy[3], "");      // aucun choix
}

// --- Montage modifié ----------------------------------------------------------------------

TEST_F(Moteur, MontageModifieReechelonneCourantEtCommandeSansToucherLaMinuterie)
{
    choisir(0, 1, 2, -1);
    tops(10);
    balayage.arret_Click(); // arrêté
    ecran.journal.clear();
    montage.refs = {99.0, 5.0, -0.5};
    balayage.circuit_modifie();
    EXPECT_EQ(balayage.ymax(0), 10.0f); // tension : garde son échelle
    EXPECT_EQ(balayage.ymax(1), 5.0f);
    EXPECT_EQ(balayage.ymax(2), -0.5f);
    EXPECT_EQ(balayage.x_curseur(), 0);
    EXPECT_FALSE(ecran.minuterie);
    const std::vector<std::string> debut(ecran.journal.begin(), ecran.journal.begin() + 6);
    const std::vector<std::string> attendu = {"ymax 0", "ymax 1", "ymax 2", "ymax 3", "vmoy 0", "vmoy 1"};
    EXPECT_EQ(debut, attendu);
    EXPECT_EQ(ecran.journal.back(), "axe 3");
    EXPECT_EQ(ecran.ymax[2], "-0.5");
}

// --- Valeurs efficaces ----------------------------------------------------------

TEST_F(Moteur, LesEfficacesSuiventLesMoyennesAuChoix)
{
    balayage.choix_grandeur_Click({0, 1, 2, -1});
    // v constante 3 ; i de 2 pendant une demi-période : racine de 2 arrondie ;
    // g n'a pas de forme : son label n'est pas écrit ; panneau 3 sans choix.
    EXPECT_EQ(ecran.veff[0], "3");
    EXPECT_EQ(ecran.veff[1], "1.414");
    EXPECT_EQ(ecran.veff[2], "");
    EXPECT_EQ(ecran.veff[3], "");
    const auto position = [&](const std::string &effet) {
        return std::find(ecran.journal.begin(), ecran.journal.end(), effet) - ecran.journal.begin();
    };
    EXPECT_LT(position("vmoy 1"), position("veff 0"));
    // Le pas de temps donné au montage est celui d'un top : 50 / (4320 . 50) s.
    ASSERT_FALSE(montage.pas_formes.empty());
    EXPECT_NEAR(montage.pas_formes.back(), 2.31481e-4, 1e-9);
}

TEST_F(Moteur, AucunCalculDEfficaceAuTop)
{
    choisir(0, 1, -1, -1);
    montage.pas_formes.clear();
    tops(30);
    EXPECT_TRUE(montage.pas_formes.empty());
    for (const std::string &effet : ecran.journal)
        EXPECT_NE(effet.rfind("veff", 0), 0u) << effet;
}

TEST_F(Moteur, LesEfficacesSontReecritesQuandLeMontageOuLePasChange)
{
    choisir(0, 1, -1, -1);
    montage.formes[0] = {oscillo::Morceau::constante(0.0, 0.02, -5.0)};
    balayage.circuit_modifie();
    EXPECT_EQ(ecran.veff[0], "5");
    // Le pas change la largeur des impulsions : l'efficace est recalculée
    // avec le nouveau pas de temps, 60 / (4320 . 50) s.
    montage.pas_formes.clear();
    balayage.accelere_Click();
    ASSERT_FALSE(montage.pas_formes.empty());
    EXPECT_NEAR(montage.pas_formes.back(), 2.77778e-4, 1e-9);
    // À 110, accélérer ne change rien et ne recalcule rien.
    for (int k = 0; k < 10; ++k)
        balayage.accelere_Click();
    EXPECT_EQ(balayage.pas(), 110);
    montage.pas_formes.clear();
    balayage.accelere_Click();
    EXPECT_TRUE(montage.pas_formes.empty());
}

// --- Une période pour un tableur -------------------------------------------------

TEST_F(Moteur, LaPeriodeExporteeVientDUneCopieDuModele)
{
    montage.suivre_t = true;
    choisir(1, -1, 0, -1);
    tops(3);
    const std::size_t calculs_du_balayage = montage.instants.size();
    const oscillo::Periode p = balayage.echantillonner_periode(4);
    // t puis les panneaux choisis dans leur ordre ; le panneau sans choix est laissé.
    EXPECT_EQ(p.legendes, (std::vector<std::string>{"t (s)", "courant i", "tension v"}));
    ASSERT_EQ(p.lignes.size(), 4u);
    // Quatre instants également espacés sur [0, 0,02) : v = t, i = -2 t.
    const double t[] = {0.0, 0.005, 0.01, 0.015};
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(p.lignes[n].size(), 3u);
        EXPECT_DOUBLE_EQ(p.lignes[n][0], t[n]);
        EXPECT_DOUBLE_EQ(p.lignes[n][1], -2 * t[n]);
        EXPECT_DOUBLE_EQ(p.lignes[n][2], t[n]);
    }
    // Le modèle du balayage n'a pas été touché, ni le curseur.
    EXPECT_EQ(montage.instants.size(), calculs_du_balayage);
    EXPECT_EQ(balayage.x_curseur(), 150);
}
