// Fenêtre Form1 de trivon pilotée par les noms de ses contrôles, sur la
// plate-forme hors écran. Les minuteries sont appelées directement.
#include "avertissement.h"
#include "form1.h"
#include "intro.h"
#include "outils_fenetres.h"
#include "programme_trivon.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

const char *const afficheurs[] = {"aff_ue", "aff_n", "aff_ie", "aff_v", "aff_i", "aff_t", "aff_p", "aff_f"};

class BancTrivon : public ::testing::Test
{
protected:
    ProgrammeTrivon programme;
    Form1 *banc = nullptr;

    void SetUp() override { banc = programme.ouvrir_form1(); }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    bool visible(const QString &nom) { return essai::controle(banc, nom)->isVisible(); }
    double y2_lame(int k) { return essai::controle<Ligne>(banc, QStringLiteral("ligne%1").arg(k))->y2(); }
    QTimer *minuterie(const char *nom) { return essai::controle<QTimer>(banc, nom); }
    QColor arbre() { return essai::controle<Forme>(banc, "arbre")->remplissage(); }

    void regler(const char *saisie, const QString &valeur)
    {
        essai::controle<QLineEdit>(banc, saisie)->clear();
        taper(banc, saisie, valeur);
        entree(banc, saisie);
    }
    // Alternateur à 1500 tr/min et excitation nominale (Ie = 2,6 A).
    void au_point_nominal()
    {
        regler("choix_uvek", "120");
        regler("choix_ue", "70");
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
    EXPECT_EQ(banc->objectName(), "Form1");
    EXPECT_EQ(banc->windowTitle(), "Etude d'une machine synchrone");
    for (const char *nom : afficheurs)
        EXPECT_EQ(texte(banc, nom), "0") << nom;
    for (const char *nom : {"valid_uvek", "valid_ue", "valid_rc"})
        EXPECT_FALSE(visible(nom)) << nom;
    EXPECT_EQ(texte(banc, "choix_uvek"), "");
    EXPECT_EQ(texte(banc, "choix_ue"), "");
    EXPECT_EQ(texte(banc, "choix_rc"), "500");
    EXPECT_EQ(texte(banc, "choix_lc"), "");
    EXPECT_EQ(texte(banc, "aff_couplage"), "Couplage étoile");
    EXPECT_EQ(texte(banc, "aff_charge"), "Charge inductive");
    EXPECT_EQ(texte(banc, "bouton_inter"), "Commande interrupteur");
    EXPECT_EQ(texte(banc, "bouton_couplage"), "Changement de couplage");
    EXPECT_EQ(texte(banc, "trace_courbe"), "Tracer une courbe");
    // Lames ouvertes : 240 twips sous leur contact fixe ; contacts de 9540 à 10140.
    const double y[] = {960, 1440, 1920};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        auto *lame = essai::controle<Ligne>(banc, QStringLiteral("ligne%1").arg(k));
        auto *contact = essai::controle<Ligne>(banc, QStringLiteral("ligne%1").arg(k + 3));
        EXPECT_EQ(lame->x1(), 9120);
        EXPECT_EQ(lame->y1(), y[k - 1]);
        EXPECT_EQ(lame->y2(), y[k - 1] + 240);
        EXPECT_EQ(contact->x1(), 9540);
        EXPECT_EQ(contact->x2(), 10140);
        EXPECT_EQ(contact->y1(), y[k - 1]);
    }
    EXPECT_EQ(arbre(), QColor(Qt::black));
    EXPECT_EQ(minuterie("Timer1")->interval(), 100);
    EXPECT_TRUE(minuterie("Timer1")->isActive());
    EXPECT_FALSE(minuterie("Timer2")->isActive());
    EXPECT_EQ(minuterie("Timer3")->interval(), 500);
    EXPECT_EQ(essai::fond(banc, "aff_v"), QColor(255, 192, 128));
    EXPECT_EQ(essai::controle(banc, "choix_uvek")->toolTip(),
              "Tension continue d'alimentation de la VEK. Pour U=120V, n=1500tr/min.");
    EXPECT_EQ(essai::controle(banc, "aff_i")->toolTip(), "Intensité dans l'induitde la machine synchrone");
}

TEST_F(BancTrivon, PanneauxDesCaracteristiquesEtPlaque)
{
    const struct {
        const char *nom, *attendu;
    } cas[] = {{"choix_kvek", "0.764"}, {"choix_re", "26.923"},  {"choix_rs", "4.9"},   {"choix_ls", "0.27"},
               {"choix_p", "2"},        {"choix_kfer", "0.054"}, {"choix_tp", "0.223"}, {"choix_ien", "2.6"},
               {"choix_n", "1500"},     {"choix_en", "270"}};
    for (const auto &c : cas)
        EXPECT_EQ(texte(banc, c.nom), QString::fromUtf8(c.attendu)) << c.nom;
    // Taper dans un panneau ne change rien au banc.
    regler("choix_re", "1");
    au_point_nominal();
    EXPECT_EQ(texte(banc, "aff_ie"), "2.6");
    QStringList plaque;
    for (int i = 1; i <= 5; ++i)
        plaque << texte(banc, QStringLiteral("plaque%1").arg(i));
    EXPECT_EQ(plaque, QStringList({"1,2 kVA ; 50 Hz", "Stator en triangle : 230 V ; 3,1 A",
                                   "Stator en étoile : 400 V ; 1,8 A", "Rotor : 70 V ; 2,6 A",
                                   "Résistance d'un enroulement statorique : 4,9 Ohm"}));
}

TEST_F(BancTrivon, TaperMontreValidEtClignoteSansChangerLeBanc)
{
    taper(banc, "choix_uvek", "120");
    EXPECT_TRUE(visible("valid_uvek"));
    EXPECT_EQ(texte(banc, "aff_n"), "0");
    banc->Timer3_Timer();
    EXPECT_EQ(essai::fond(banc, "valid_uvek"), QColor(255, 0, 0));
    EXPECT_TRUE(minuterie("Timer4")->isActive());
    EXPECT_FALSE(minuterie("Timer3")->isActive());
    banc->Timer4_Timer();
    EXPECT_NE(essai::fond(banc, "valid_uvek"), QColor(255, 0, 0));
    cliquer(banc, "valid_uvek");
    EXPECT_FALSE(visible("valid_uvek"));
    EXPECT_EQ(texte(banc, "aff_n"), "1500");

    // Un clic dans une saisie de la charge fait paraître le Valid commun.
    cliquer(banc, "choix_lc");
    EXPECT_TRUE(visible("valid_rc"));
}

TEST_F(BancTrivon, ACentVingtVoltsLArbreScintilleA150ms)
{
    regler("choix_uvek", "120");
    EXPECT_EQ(texte(banc, "aff_n"), "1500");
    EXPECT_EQ(texte(banc, "aff_f"), "50");
    EXPECT_EQ(texte(banc, "aff_v"), "0"); // sans excitation, pas de f.é.m.
    banc->Timer1_Timer();
    EXPECT_EQ(arbre(), QColor(255, 0, 0));
    EXPECT_EQ(minuterie("Timer1")->interval(), 150);
    EXPECT_EQ(minuterie("Timer2")->interval(), 150);
    EXPECT_TRUE(minuterie("Timer2")->isActive());
    banc->Timer2_Timer();
    EXPECT_EQ(arbre(), QColor(192, 0, 0));
    EXPECT_TRUE(minuterie("Timer1")->isActive());

    // Trop lent pour être vu : arbre noir, cadence de repos.
    regler("choix_uvek", "0.2");
    banc->Timer1_Timer();
    EXPECT_EQ(arbre(), QColor(Qt::black));
    EXPECT_EQ(minuterie("Timer1")->interval(), 100);
}

TEST_F(BancTrivon, EntreeDansLInductanceValideREtL)
{
    au_point_nominal();
    cliquer(banc, "bouton_inter");
    essai::controle<QLineEdit>(banc, "choix_rc")->clear();
    taper(banc, "choix_rc", "250"); // tapé, pas validé
    taper(banc, "choix_lc", "0.5");
    EXPECT_TRUE(visible("valid_rc"));
    entree(banc, "choix_lc");
    EXPECT_FALSE(visible("valid_rc"));
    EXPECT_EQ(banc->banc().reglages().R, 250.0);
    EXPECT_EQ(banc->banc().reglages().L, 0.5f);
    // À la main : X = 157,1 ohms, Z = |254,9 + j.241,9| = 351,4 ohms,
    // I = 276,4 / 351,4 = 0,787 A, V = I . |250 + j.157,1| = 232,2 V,
    // P = 3 . V . I . 250 / 295,3 = 464 W.
    EXPECT_NEAR(texte(banc, "aff_i").toDouble(), 0.787, 0.002);
    EXPECT_NEAR(texte(banc, "aff_v").toDouble(), 232.2, 0.5);
    EXPECT_NEAR(texte(banc, "aff_p").toDouble(), 464, 2);
}

TEST_F(BancTrivon, LInterrupteurDeuxFoisRevientOuvert)
{
    au_point_nominal();
    cliquer(banc, "bouton_inter");
    EXPECT_EQ(y2_lame(1), 960);
    EXPECT_EQ(y2_lame(3), 1920);
    EXPECT_EQ(texte(banc, "aff_i"), "0.5399");
    EXPECT_EQ(texte(banc, "aff_v"), "269.9");
    EXPECT_EQ(texte(banc, "aff_p"), "437.2");
    cliquer(banc, "bouton_inter");
    EXPECT_EQ(y2_lame(1), 1200);
    EXPECT_EQ(y2_lame(2), 1680);
    EXPECT_EQ(texte(banc, "aff_i"), "0");
    EXPECT_EQ(texte(banc, "aff_p"), "0");
    EXPECT_EQ(texte(banc, "aff_v"), "276.4");
}

TEST_F(BancTrivon, LeCouplageChangeSaLegendeEtLesLectures)
{
    au_point_nominal();
    cliquer(banc, "bouton_inter");
    cliquer(banc, "bouton_couplage");
    EXPECT_EQ(texte(banc, "aff_couplage"), "couplage triangle");
    EXPECT_NEAR(texte(banc, "aff_i").toDouble(), 0.318, 0.001);
    EXPECT_NEAR(texte(banc, "aff_v").toDouble(), 158.8, 0.1);
    cliquer(banc, "bouton_couplage");
    EXPECT_EQ(texte(banc, "aff_couplage"), "couplage étoile");
    EXPECT_EQ(texte(banc, "aff_i"), "0.5399");
}

TEST_F(BancTrivon, ApresUnAvertissementLesSaisiesGardentLeurTexte)
{
    au_point_nominal();
    regler("choix_uvek", "401");
    EXPECT_EQ(message_affiche(), "Le moteur tourne trop vite");
    EXPECT_EQ(texte(banc, "choix_uvek"), "401");
    EXPECT_EQ(texte(banc, "aff_n"), "0");
    EXPECT_EQ(texte(banc, "aff_ie"), "2.6");

    // Le dialogue ouvert garde son premier message.
    regler("choix_ue", "210");
    EXPECT_EQ(message_affiche(), "Le moteur tourne trop vite");
    EXPECT_EQ(texte(banc, "choix_ue"), "210");
    EXPECT_EQ(texte(banc, "aff_ue"), "0");
    EXPECT_EQ(texte(banc, "aff_ie"), "0");
}

TEST_F(BancTrivon, DeuxAvertissementsDuMemeCalculMontrentLePremier)
{
    banc->banc().reglages().U = 500;
    banc->banc().reglages().Ue = 300;
    banc->banc().calcul_point();
    EXPECT_EQ(message_affiche(), "Le moteur tourne trop vite");
    EXPECT_EQ(programme.avertisseur.message_avertissement(), "Le courant dans l'inducteur est trop grand");
}

TEST_F(BancTrivon, NImporteQuelleSaisieDonneDesLecturesLisibles)
{
    const struct {
        const char *U, *Ue, *R, *L;
    } cas[] = {
        {"abc", "70", "500", ""},          {"1e999", "1e999", "1e999", "1e999"},
        {"120", "70", "-4.9", "-0.27"},    {"-120", "-70", "0", "0"},
        {"120", "70", "1e308", "3e38"},    {"0", "70", "-4.9", "-0.27"},
        {"120", "-1e300", "500", "-1e39"},
    };
    cliquer(banc, "bouton_inter");
    for (const char *couplage : {"étoile", "triangle"}) {
        SCOPED_TRACE(couplage);
        for (const auto &c : cas) {
            SCOPED_TRACE(QStringLiteral("%1 / %2 / %3 / %4").arg(c.U, c.Ue, c.R, c.L).toStdString());
            regler("choix_uvek", c.U);
            regler("choix_ue", c.Ue);
            essai::controle<QLineEdit>(banc, "choix_lc")->clear();
            taper(banc, "choix_lc", c.L);
            regler("choix_rc", c.R);
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

TEST_F(BancTrivon, LAccueilOuvreLeBanc)
{
    ProgrammeTrivon p;
    Intro *intro = p.demarrer();
    EXPECT_EQ(texte(intro, "Label1"),
              "Logiciel de simulation d'un banc machine synchrone et machine à courant continu");
    EXPECT_EQ(texte(intro, "Label2"), "Etude de la machine synchrone");
    EXPECT_EQ(texte(intro, "aff_version"), "Version 2003 - 2004");
    intro->OK_Click();
    ASSERT_NE(p.form1(), nullptr);
    EXPECT_TRUE(p.form1()->isVisible());
}
