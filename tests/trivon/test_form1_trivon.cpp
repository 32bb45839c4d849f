// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre Form1 de trivon, et l'enregistreur de courbes branché sur elle, pilotés par les noms de ses
// contrôles, sur la plate-forme hors écran. Les minuteries sont appelées directement.
#include "avertissement.h"
#include "courbe.h"
#include "form1.h"
#include "intro.h"
#include "outils_fenetres.h"
#include "programme_trivon.h"
#include "traductions.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using essai::cliquer;
using essai::texte;

namespace {

const char *const afficheurs[] = {"aff_ue", "aff_n", "aff_ie", "aff_v", "aff_i", "aff_t", "aff_p", "aff_f"};

class BancTrivon : public ::testing::Test
{
protected:
    ProgrammeTrivon programme;
    Form1 *banc = programme.ouvrir_form1();

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }
    bool visible(const char *nom) { return essai::controle(banc, nom)->isVisible(); }
    double y2_lame(int k) { return essai::controle<Ligne>(banc, QStringLiteral("ligne%1").arg(k))->y2(); }
    QTimer *minuterie(const char *nom) { return essai::controle<QTimer>(banc, nom); }
    QColor arbre() { return essai::controle<Forme>(banc, "arbre")->remplissage(); }
    void regler(const char *saisie, const QString &valeur)
    {
        essai::controle<QLineEdit>(banc, saisie)->clear();
        essai::taper(banc, saisie, valeur);
        essai::entree(banc, saisie);
    }
    void choisir(Courbe *c, int x, int y)
    {
        for (auto [nom, position] : {std::pair{"choix_x", x}, {"choix_y", y}}) {
            auto *l = essai::controle<QComboBox>(c, nom);
            l->setCurrentIndex(position);
            emit l->activated(position);
        }
        cliquer(c, "valid");
    }
    QString message_affiche()
    {
        FeuilleMauvaiseManip *f = programme.avertisseur.fenetre();
        return f ? texte(f, "Label2") : QString();
    }
};

} // namespace

TEST_F(BancTrivon, AuChargementToutEstAuRepos)
{
    EXPECT_EQ(banc->windowTitle(), "Étude d'une machine synchrone");
    for (const char *nom : afficheurs)
        EXPECT_EQ(texte(banc, nom), "0") << nom;
    for (const char *nom : {"valid_uvek", "valid_ue", "valid_rc"})
        EXPECT_FALSE(visible(nom)) << nom;
    EXPECT_EQ(texte(banc, "choix_rc"), "500");
    EXPECT_EQ(texte(banc, "choix_lc"), "");
    EXPECT_EQ(texte(banc, "aff_couplage"), "Couplage étoile");
    EXPECT_EQ(texte(banc, "choix_kvek"), "0.764");
    EXPECT_EQ(texte(banc, "choix_re"), "26.923");
    EXPECT_EQ(texte(banc, "choix_n"), "1500");
    EXPECT_EQ(essai::controle(banc, "aff_i")->toolTip(), "Intensité dans l'induit de la machine synchrone");
    // Lames ouvertes : pivot à x = 9120, bout libre 240 twips sous son contact.
    for (int k = 1; k <= 3; ++k) {
        auto *lame = essai::controle<Ligne>(banc, QStringLiteral("ligne%1").arg(k));
        auto *contact = essai::controle<Ligne>(banc, QStringLiteral("ligne%1").arg(k + 3));
        EXPECT_EQ(lame->x1(), 9120);
        EXPECT_EQ(lame->y2(), contact->y1() + 240);
        EXPECT_EQ(contact->x1(), 9540);
        EXPECT_EQ(contact->x2(), 10140);
    }
    EXPECT_EQ(essai::controle<Ligne>(banc, "ligne6")->y1(), 1920);
    EXPECT_EQ(arbre(), QColor(Qt::black));
    EXPECT_EQ(minuterie("Timer1")->interval(), 100);
    EXPECT_FALSE(minuterie("Timer2")->isActive());
}

TEST_F(BancTrivon, TaperMontreValidQuiClignoteSansChangerLeBanc)
{
    essai::taper(banc, "choix_uvek", "120");
    EXPECT_TRUE(visible("valid_uvek"));
    EXPECT_EQ(texte(banc, "aff_n"), "0");
    banc->Timer3_Timer();
    EXPECT_EQ(essai::fond(banc, "valid_uvek"), QColor(255, 0, 0));
    EXPECT_TRUE(minuterie("Timer4")->isActive());
    banc->Timer4_Timer();
    EXPECT_NE(essai::fond(banc, "valid_uvek"), QColor(255, 0, 0));
    cliquer(banc, "valid_uvek");
    EXPECT_FALSE(visible("valid_uvek"));
    EXPECT_EQ(texte(banc, "aff_n"), "1500");
    cliquer(banc, "choix_lc"); // un clic dans la charge montre le Valid commun
    EXPECT_TRUE(visible("valid_rc"));
}

TEST_F(BancTrivon, LArbreScintilleAUneCadenceProportionnelleALaVitesse)
{
    regler("choix_uvek", "120");
    EXPECT_EQ(texte(banc, "aff_f"), "50");
    EXPECT_EQ(texte(banc, "aff_v"), "0"); // sans excitation, pas de f.é.m.
    banc->Timer1_Timer();
    EXPECT_EQ(arbre(), QColor(255, 0, 0));
    EXPECT_EQ(minuterie("Timer1")->interval(), 150);
    EXPECT_EQ(minuterie("Timer2")->interval(), 150);
    banc->Timer2_Timer();
    EXPECT_EQ(arbre(), QColor(192, 0, 0));
    EXPECT_TRUE(minuterie("Timer1")->isActive());
    // 3,7497 tr/min : 60,004 s par temps. Revenu à 1500 tr/min, l'arbre
    // n'attend pas la fin de ce temps.
    regler("choix_uvek", "0.3");
    banc->Timer1_Timer();
    EXPECT_NEAR(minuterie("Timer2")->interval(), 60004, 1);
    regler("choix_uvek", "120");
    EXPECT_LT(minuterie("Timer2")->remainingTime(), 1000); // 150 ms, à la tolérance de Qt près
    // Trop lent pour être vu : arbre noir, cadence de repos.
    regler("choix_uvek", "0.2");
    banc->Timer1_Timer();
    EXPECT_EQ(arbre(), QColor(Qt::black));
    EXPECT_EQ(minuterie("Timer1")->interval(), 100);
}

TEST_F(BancTrivon, EntreeDansLInductanceValideREtL)
{
    regler("choix_uvek", "120");
    regler("choix_ue", "70");
    cliquer(banc, "bouton_inter");
    essai::controle<QLineEdit>(banc, "choix_rc")->clear();
    essai::taper(banc, "choix_rc", "250"); // tapé, pas validé
    essai::taper(banc, "choix_lc", "0.5");
    essai::entree(banc, "choix_lc");
    EXPECT_FALSE(visible("valid_rc"));
    // À la main : X = 157,1 ohms, Z = |254,9 + j.241,9| = 351,4 ohms,
    // I = 276,4 / 351,4 = 0,787 A, V = I . |250 + j.157,1| = 232,2 V,
    // P = 3 . V . I . 250 / 295,3 = 464 W.
    EXPECT_NEAR(texte(banc, "aff_i").toDouble(), 0.787, 0.002);
    EXPECT_NEAR(texte(banc, "aff_v").toDouble(), 232.2, 0.5);
    EXPECT_NEAR(texte(banc, "aff_p").toDouble(), 464, 2);
}

TEST_F(BancTrivon, InterrupteurEtCouplage)
{
    regler("choix_uvek", "120");
    regler("choix_ue", "70");
    cliquer(banc, "bouton_inter");
    EXPECT_EQ(y2_lame(1), 960); // fermé : la lame touche son contact
    EXPECT_EQ(texte(banc, "aff_i"), "0.5399");
    EXPECT_EQ(texte(banc, "aff_p"), "437.2");
    cliquer(banc, "bouton_couplage");
    EXPECT_EQ(texte(banc, "aff_couplage"), "couplage triangle");
    EXPECT_EQ(texte(banc, "aff_v"), "158.8");
    cliquer(banc, "bouton_couplage");
    EXPECT_EQ(texte(banc, "aff_couplage"), "couplage étoile");
    cliquer(banc, "bouton_inter");
    EXPECT_EQ(y2_lame(2), 1680);
    EXPECT_EQ(texte(banc, "aff_i"), "0");
    EXPECT_EQ(texte(banc, "aff_p"), "0");
    EXPECT_EQ(texte(banc, "aff_v"), "276.4");
}

TEST_F(BancTrivon, AvertissementsLeDialogueGardeLePremierLesSaisiesLeurTexte)
{
    regler("choix_ue", "70");
    regler("choix_uvek", "401");
    EXPECT_EQ(message_affiche(), "Le moteur tourne trop vite");
    EXPECT_EQ(texte(banc, "choix_uvek"), "401");
    EXPECT_EQ(texte(banc, "aff_n"), "0");
    regler("choix_ue", "210");
    EXPECT_EQ(message_affiche(), "Le moteur tourne trop vite");
    EXPECT_EQ(texte(banc, "choix_ue"), "210");
    EXPECT_EQ(texte(banc, "aff_ie"), "0");
    // Les deux dans le même calcul : le dialogue montre le premier.
    programme.avertisseur.fenetre()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    banc->banc().reglages().U = 500;
    banc->banc().reglages().Ue = 300;
    banc->banc().calcul_point();
    EXPECT_EQ(message_affiche(), "Le moteur tourne trop vite");
}

TEST_F(BancTrivon, NImporteQuelleSaisieDonneDesLecturesLisibles)
{
    const char *cas[][4] = {{"abc", "70", "500", ""},       {"1e999", "1e999", "1e999", "1e999"},
                            {"120", "70", "-4.9", "-0.27"}, {"-120", "-70", "0", "0"},
                            {"0", "70", "-4.9", "-0.27"},   {"120", "-1e300", "1e308", "-1e39"}};
    cliquer(banc, "bouton_inter");
    for (const char *couplage : {"étoile", "triangle"}) {
        for (const auto &c : cas) {
            SCOPED_TRACE(std::string(couplage) + " " + c[0] + " / " + c[1] + " / " + c[2] + " / " + c[3]);
            regler("choix_uvek", c[0]);
            regler("choix_ue", c[1]);
            essai::controle<QLineEdit>(banc, "choix_lc")->setText(c[3]);
            regler("choix_rc", c[2]);
            for (const char *nom : afficheurs) {
                const QString t = texte(banc, nom);
                bool nombre = false;
                t.toDouble(&nombre);
                EXPECT_TRUE(nombre && !t.contains("nan") && !t.contains("inf"))
                    << nom << " : " << t.toStdString();
            }
            banc->Timer1_Timer();
            EXPECT_GE(minuterie("Timer1")->interval(), 1);
            EXPECT_LE(minuterie("Timer1")->interval(), 65535);
        }
        cliquer(banc, "bouton_couplage");
    }
}

TEST_F(BancTrivon, EnregistreurLesSeptGrandeursSontLuesDansLeursAfficheurs)
{
    regler("choix_uvek", "120");
    regler("choix_ue", "70");
    cliquer(banc, "bouton_inter");
    cliquer(banc, "trace_courbe");
    Courbe *c = programme.traceur_courbes.courbe();
    ASSERT_NE(c, nullptr);
    const char *table[][3] = {
        {"Tension simple d'induit U", "U (V)", "aff_v"},
        {"intensité d'induit en ligne I", "I (A)", "aff_i"},
        {"Tension d'excitation Ue", "Ue (V)", "aff_ue"},
        {"intensité d'excitation Ie", "Ie (A)", "aff_ie"},
        {"fréquence de rotation n", "n (tr/min)", "aff_n"},
        {"moment du couple T", "Tu (N.m)", "aff_t"},
        {"Puissance électrique P", "P (W)", "aff_p"},
    };
    auto *liste = essai::controle<QComboBox>(c, "choix_x");
    ASSERT_EQ(liste->count(), 7);
    // Chaque grandeur en abscisse, la fréquence de rotation en ordonnée.
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(table[k][2]);
        EXPECT_EQ(liste->itemText(k), QString::fromUtf8(table[k][0]));
        cliquer(c, "change_axe");
        choisir(c, k, 4);
        EXPECT_EQ(texte(c, "Label_x"), QString::fromUtf8(table[k][1]));
        cliquer(c, "place_point");
        ASSERT_EQ(programme.courbe_enregistree.nb_points, 1);
        EXPECT_EQ(programme.courbe_enregistree.x_point[1], texte(banc, table[k][2]).toFloat());
        EXPECT_NE(programme.courbe_enregistree.x_point[1], 0.0f);
        EXPECT_EQ(programme.courbe_enregistree.y_point[1], 1500.0f);
    }

    // U en fonction de I : I max = 2,05 A, pas de 0,5 A gardé avec son bruit
    // de simple précision, écrit sans lui ; son étiquette tient sur une ligne.
    cliquer(c, "change_axe");
    choisir(c, 1, 0);
    for (const char *R : {"1000", "100"}) {
        regler("choix_rc", R);
        cliquer(c, "place_point");
    }
    EXPECT_EQ(texte(c, "label_xmax"), texte(banc, "aff_i"));
    EXPECT_NEAR(programme.courbe_enregistree.pas_x, 0.5, 1e-6);
    EXPECT_NE(programme.courbe_enregistree.pas_x, 0.5);
    auto *pas = essai::controle<QLabel>(c, "label_echelle_x");
    EXPECT_EQ(pas->text(), "0.5");
    EXPECT_GE(pas->width(), pas->fontMetrics().horizontalAdvance(pas->text()));
}

TEST(AccueilTrivon, OKOuvreLeBanc)
{
    ProgrammeTrivon p;
    Intro *intro = p.demarrer();
    EXPECT_EQ(texte(intro, "Label1"),
              "Logiciel de simulation d'un banc machine synchrone et machine à courant continu");
    EXPECT_EQ(texte(intro, "Label2"), "Étude de la machine synchrone");
    intro->OK_Click();
    ASSERT_NE(p.form1(), nullptr);
    EXPECT_TRUE(p.form1()->isVisible());
    delete p.form1();
}

// Les caractéristiques de la machine écrivent leurs décimales comme la langue
// de l'interface.
TEST(PlaqueTrivon, DecimalesDansLaLangueDeLInterface)
{
    const struct {
        traductions::Langue langue;
        const char *plaque1, *plaque2, *plaque5;
    } cas[] = {{traductions::Langue::francais, "1,2 kVA", "3,1 A", "4,9 Ohm"},
               {traductions::Langue{"en"}, "1.2 kVA", "3.1 A", "4.9 Ohm"}};
    for (const auto &c : cas) {
        traductions::fixer(c.langue);
        ProgrammeTrivon programme;
        Form1 *banc = programme.ouvrir_form1();
        for (auto [nom, attendu] :
             {std::pair{"plaque1", c.plaque1}, {"plaque2", c.plaque2}, {"plaque5", c.plaque5}})
            EXPECT_TRUE(texte(banc, nom).contains(QLatin1String(attendu))) << texte(banc, nom).toStdString();
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }
    traductions::fixer(traductions::Langue::francais);
}
