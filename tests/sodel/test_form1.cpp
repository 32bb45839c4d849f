// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre Form1 de sodel pilotée par les noms de ses contrôles, hors écran.
// Les minuteries sont appelées directement.
#include "courbe.h"
#include "form1.h"
#include "intro.h"
#include "outils_fenetres.h"
#include "programme_sodel.h"
#include "traductions.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

class BancSodel : public ::testing::Test
{
protected:
    ProgrammeSodel programme;
    Form1 *banc = nullptr;

    void SetUp() override { banc = programme.ouvrir_form1(); }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    bool visible(const QString &nom) { return essai::controle(banc, nom)->isVisible(); }

    void ecrire(const char *saisie, const QString &valeur)
    {
        essai::controle<QLineEdit>(banc, saisie)->clear();
        taper(banc, saisie, valeur);
    }

    void choisir(int charge)
    {
        auto *liste = essai::controle<QComboBox>(banc, "choix_charge");
        liste->setCurrentIndex(charge);
        emit liste->activated(charge);
    }

    // Onduleur en marche à 230 V, frein à poudre à « frein » N.m.
    void demarrer(const QString &frein = "27")
    {
        ecrire("choix_v1", "230");
        ecrire("choix_T", frein);
        cliquer(banc, "bouton_marche");
        choisir(sodel::frein);
    }
};

} // namespace

TEST(AccueilSodel, OKOuvreForm1UneSeuleFois)
{
    ProgrammeSodel programme;
    Intro *intro = programme.demarrer();
    EXPECT_EQ(texte(intro, "aff_version"), "Version 2003 - 2004");
    intro->OK_Click();
    Form1 *banc = programme.form1();
    ASSERT_NE(banc, nullptr);
    intro->Timer1_Timer();
    EXPECT_EQ(programme.form1(), banc);
    delete banc;
}

TEST_F(BancSodel, AuChargementToutEstAuRepos)
{
    EXPECT_EQ(banc->windowTitle(), "Étude d'une machine asynchrone par A. Varlon");
    for (const char *nom : {"valid_f", "valid_T", "Bouton_caract"})
        EXPECT_FALSE(visible(nom)) << nom;
    const struct {
        const char *nom, *texte;
    } textes[] = {
        // clang-format off
        {"choix_f", "50"}, {"choix_v1", "0"}, {"choix_T", "0"}, {"choix_Tp", "1"}, {"choix_R2", "0.0086"},
        {"choix_l2", "0.000055"}, {"choix_m", "0.07"}, {"choix_p", "2"}, {"choix_lm", "0.15"},
        {"choix_rp", "400"}, {"aff_v1", "0"}, {"aff_i", "0"}, {"aff_p1", "0"}, {"aff_n", "0"}, {"aff_g", "100"},
        {"aff_cosphi", ""}, {"aff_tmax", ""}, {"aff_gmax", ""}, {"aff_couplage", "Couplage étoile"},
        {"bouton_marche", "ARRET"}, {"label_charge", "Frein"},
        // clang-format on
    };
    for (const auto &t : textes)
        EXPECT_EQ(texte(banc, t.nom), QString::fromUtf8(t.texte)) << t.nom;
    EXPECT_EQ(essai::fond(banc, "bouton_marche"), QColor(255, 0, 0));
    auto *liste = essai::controle<QComboBox>(banc, "choix_charge");
    EXPECT_EQ(liste->currentIndex(), -1);
    ASSERT_EQ(liste->count(), 5);
    EXPECT_EQ(liste->itemText(2), "pompe");
    for (const char *nom : {"Timer1", "Timer2", "Timer3", "Timer4"})
        EXPECT_TRUE(essai::controle<QTimer>(banc, nom)->isActive()) << nom;
}

TEST_F(BancSodel, MarcheAuPointNominalAvecSesFormatsDAffichage)
{
    demarrer();
    EXPECT_EQ(texte(banc, "bouton_marche"), "Marche");
    EXPECT_EQ(essai::fond(banc, "bouton_marche"), QColor(0, 192, 0));
    // Trois chiffres significatifs, sauf n et T qui en ont quatre ; le
    // glissement va avec la vitesse : 1500 . (1 - 0.0491) = 1426.4.
    const struct {
        const char *nom, *texte;
    } textes[] = {{"aff_v1", "398"}, {"aff_i", "8.87"},   {"aff_n", "1426"},    {"aff_T", "27"},
                  {"aff_g", "4.91"}, {"aff_tmax", "144"}, {"aff_gmax", "0.498"}};
    for (const auto &t : textes)
        EXPECT_EQ(texte(banc, t.nom), QString::fromUtf8(t.texte)) << t.nom;
    EXPECT_EQ(texte(banc, "aff_cosphi").size(), 5); // 0.7xx
    EXPECT_EQ(texte(banc, "aff_p1").size(), 4);     // 47x0 : trois chiffres
    EXPECT_TRUE(texte(banc, "aff_p1").endsWith('0'));
}

TEST_F(BancSodel, ValiderDepuisUneCaseLitFrequenceEtTension)
{
    demarrer("0");
    ecrire("choix_f", "25");
    EXPECT_TRUE(visible("valid_f"));
    EXPECT_EQ(texte(banc, "aff_n"), "1497"); // rien ne change avant validation
    ecrire("choix_v1", "115");
    // Entrée dans la case de la fréquence : les deux sont lues.
    entree(banc, "choix_f");
    EXPECT_FALSE(visible("valid_f"));
    EXPECT_EQ(banc->banc().f(), 25);
    EXPECT_EQ(banc->banc().v1(), 115);
    ecrire("choix_f", "50");
    ecrire("choix_v1", "230");
    cliquer(banc, "valid_f");
    EXPECT_EQ(banc->banc().v1(), 230);
    EXPECT_EQ(texte(banc, "aff_n"), "1497");
}

TEST_F(BancSodel, ChaqueCalculRelitLeCoupleDuFreinValideOuNon)
{
    demarrer("27");
    ecrire("choix_T", "10");
    EXPECT_TRUE(visible("valid_T"));
    EXPECT_EQ(texte(banc, "aff_T"), "27");
    cliquer(banc, "bouton_couplage");
    EXPECT_EQ(texte(banc, "aff_couplage"), "Couplage triangle");
    EXPECT_EQ(texte(banc, "aff_T"), "10");
    ecrire("choix_T", "20");
    entree(banc, "choix_f");
    EXPECT_EQ(texte(banc, "aff_T"), "20");
}

TEST_F(BancSodel, LaListeDesChargesMontreOuCacheLesCommandesDuFrein)
{
    demarrer();
    ecrire("choix_T", "5"); // valid_T paraît
    const struct {
        int charge;
        const char *nom;
        bool frein;
    } cas[] = {{sodel::levage, "Levage", false},
               {sodel::frein, "Frein à Poudre", true},
               {sodel::pompe, "Pompe", false},
               {sodel::fraiseuse, "Fraiseuse", false},
               {sodel::ventilateur, "Ventilateur", false}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        choisir(c.charge);
        EXPECT_EQ(texte(banc, "label_charge"), QString::fromUtf8(c.nom));
        EXPECT_EQ(visible("Label_T"), c.frein);
        EXPECT_EQ(visible("choix_T"), c.frein);
        EXPECT_FALSE(visible("valid_T"));
        EXPECT_EQ(visible("Bouton_caract"), !c.frein);
    }
    EXPECT_NEAR(texte(banc, "aff_n").toDouble(), 1418, 3);
}

TEST_F(BancSodel, ArretRemetLesValeursParDefautDansLesSaisies)
{
    demarrer();
    const struct {
        const char *nom, *modifie, *defaut;
    } cas[] = {{"choix_R2", "0.01", "0.0086"}, {"choix_l2", "0.0001", "0.000055"},
               {"choix_m", "0.1", "0.07"},     {"choix_p", "3", "2"},
               {"choix_lm", "0.2", "0.15"},    {"choix_rp", "500", "400"},
               {"choix_Tp", "2", "1"},         {"choix_f", "60", "50"},
               {"choix_v1", "200", "0"},       {"choix_T", "12", "0"}};
    for (const auto &c : cas)
        ecrire(c.nom, c.modifie);
    cliquer(banc, "valid_moteur");
    cliquer(banc, "bouton_marche");
    for (const auto &c : cas)
        EXPECT_EQ(texte(banc, c.nom), QString::fromUtf8(c.defaut)) << c.nom;
    EXPECT_EQ(texte(banc, "bouton_marche"), "Arrêt");
    EXPECT_EQ(essai::fond(banc, "bouton_marche"), QColor(255, 0, 0));
    EXPECT_EQ(texte(banc, "aff_n"), "0");
    EXPECT_EQ(texte(banc, "aff_cosphi"), "");
    EXPECT_EQ(banc->banc().parametres().R2, 0.0086);
}

TEST_F(BancSodel, CouplageALArretNeChangeQueSonLibelle)
{
    ecrire("choix_v1", "230");
    entree(banc, "choix_v1");
    EXPECT_EQ(texte(banc, "aff_tmax"), "144"); // Tmax à cette tension, puis v1 = 0
    for (const char *couplage : {"Couplage triangle", "Couplage étoile"}) {
        cliquer(banc, "bouton_couplage");
        EXPECT_EQ(texte(banc, "aff_couplage"), QString::fromUtf8(couplage));
        EXPECT_EQ(texte(banc, "aff_tmax"), "1");
        EXPECT_EQ(texte(banc, "aff_n"), "0");
    }
}

TEST_F(BancSodel, ArbreQuiScintilleEtValidQuiClignotent)
{
    auto *arbre = essai::controle<Forme>(banc, "arbre");
    auto *t1 = essai::controle<QTimer>(banc, "Timer1");
    auto *t2 = essai::controle<QTimer>(banc, "Timer2");
    banc->Timer1_Timer();
    EXPECT_EQ(arbre->remplissage(), QColor(Qt::black)); // n = 0
    EXPECT_FALSE(t1->isActive());
    EXPECT_TRUE(t2->isActive());
    demarrer();
    banc->Timer1_Timer();
    EXPECT_EQ(arbre->remplissage(), QColor(255, 0, 0));
    banc->Timer2_Timer();
    EXPECT_EQ(arbre->remplissage(), QColor(192, 0, 0));
    EXPECT_TRUE(t1->isActive());
    EXPECT_FALSE(t2->isActive());

    ecrire("choix_T", "3");
    banc->Timer3_Timer();
    EXPECT_EQ(essai::fond(banc, "valid_T"), QColor(255, 0, 0));
    EXPECT_TRUE(essai::controle<QTimer>(banc, "Timer4")->isActive());
    banc->Timer4_Timer();
    EXPECT_NE(essai::fond(banc, "valid_T"), QColor(255, 0, 0));
    EXPECT_TRUE(essai::controle<QTimer>(banc, "Timer3")->isActive());
}

TEST_F(BancSodel, LEnregistreurLitLesTroisAfficheurs)
{
    demarrer();
    cliquer(banc, "trace_courbe");
    Courbe *courbe = programme.traceur_courbes.courbe();
    ASSERT_NE(courbe, nullptr);
    EXPECT_EQ(courbe->objectName(), "courbes");
    const auto &v = programme.traceur_courbes.variante();
    ASSERT_EQ(v.grandeurs.size(), 3u);
    const struct {
        const char *legende, *texte;
    } attendu[] = {{"Tu (N.m)", "27"}, {"n (tr/min)", "1426"}, {"I (A)", "8.87"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(v.grandeurs[i].legende, attendu[i].legende);
        EXPECT_EQ(v.grandeurs[i].lire(), attendu[i].texte);
    }
    courbe->choix_x_Click(0);
    courbe->choix_y_Click(1);
    courbe->valid_Click();
    courbe->place_point_Click();
    EXPECT_EQ(programme.courbe_enregistree.nb_points, 1);
    EXPECT_EQ(programme.courbe_enregistree.x_point[1], 27.0f);
    EXPECT_EQ(programme.courbe_enregistree.y_point[1], 1426.0f);
    // Fenêtre du banc fermée : rien à lire, les points restent.
    banc->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(v.grandeurs[0].lire(), "");
    EXPECT_EQ(programme.courbe_enregistree.nb_points, 1);
}

// La plaque signalétique écrit ses décimales comme la langue de l'interface.
TEST(PlaqueSodel, DecimalesDansLaLangueDeLInterface)
{
    const struct {
        traductions::Langue langue;
        const char *courants, *cosphi;
    } cas[] = {{traductions::Langue::francais, "16,3 A / 9,4 A", "cos phi = 0,8"},
               {traductions::Langue{"en"}, "16.3 A / 9.4 A", "cos phi = 0.8"}};
    for (const auto &c : cas) {
        traductions::fixer(c.langue);
        ProgrammeSodel programme;
        const QString plaque = texte(programme.ouvrir_form1(), "Label_plaque");
        EXPECT_TRUE(plaque.contains(QLatin1String(c.courants))) << plaque.toStdString();
        EXPECT_TRUE(plaque.contains(QLatin1String(c.cosphi))) << plaque.toStdString();
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }
    traductions::fixer(traductions::Langue::francais);
}
