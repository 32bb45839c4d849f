// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtres de vek pilotées par les noms de leurs contrôles, sur la plate-forme
// hors écran. Les minuteries sont appelées directement.
#include "caract_moteur.h"
#include "intro.h"
#include "machine1.h"
#include "mot_de_passe.h"
#include "outils_fenetres.h"
#include "programme_vek.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

class BancVek : public ::testing::Test
{
protected:
    ProgrammeVek programme;
    Machine1 *banc = nullptr;

    void SetUp() override
    {
        programme.caracteristiques = vek::machine_6kW();
        banc = programme.ouvrir_machine1();
    }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    bool visible(const QString &nom) { return essai::controle(banc, nom)->isVisible(); }

    // Ferme l'interrupteur d'induit à 40 V, puis règle les tensions.
    void mettre_en_marche(const QString &Ui = "220", const QString &Ue = "180")
    {
        taper(banc, "choixUe", Ue);
        entree(banc, "choixUe");
        taper(banc, "choixUi", "40");
        entree(banc, "choixUi");
        cliquer(banc, "Interinduit");
        essai::controle<QLineEdit>(banc, "choixUi")->clear();
        taper(banc, "choixUi", Ui);
        entree(banc, "choixUi");
    }

    // Événement souris sur le corps du rhéostat, x en pixels depuis son bord gauche.
    void souris(QEvent::Type type, int x, Qt::MouseButtons boutons)
    {
        QWidget *corps = essai::controle(banc, "rhéostat");
        const QPointF p(x, corps->height() / 2);
        QMouseEvent e(type, p, corps->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
        QApplication::sendEvent(corps, &e);
    }
    void presser(int x) { souris(QEvent::MouseButtonPress, x, Qt::LeftButton); }
    void glisser(int x) { souris(QEvent::MouseMove, x, Qt::LeftButton); }
    void relacher(int x) { souris(QEvent::MouseButtonRelease, x, Qt::NoButton); }
    double fleche() { return essai::controle<Ligne>(banc, "ligne_rhéostat1")->x1(); }
};

} // namespace

TEST_F(BancVek, AuChargementToutEstAuRepos)
{
    EXPECT_EQ(banc->windowTitle(), "Banc de machines à courant continu par A. Varlon");
    for (const char *nom : {"afficheUi", "afficheIi", "afficheUe", "afficheIe", "affichen", "afficheTu"})
        EXPECT_EQ(texte(banc, nom), "0") << nom;
    EXPECT_EQ(texte(banc, "afficheIe_géné"), "1.2");
    EXPECT_EQ(texte(banc, "afficheUe_géné"), "180");
    for (const char *nom : {"valid_ui", "valid_ue", "valid_ui2"})
        EXPECT_FALSE(visible(nom)) << nom;
    for (const char *nom : {"choixUi", "choixUe", "choixUi2"})
        EXPECT_EQ(texte(banc, nom), "") << nom;
    EXPECT_EQ(texte(banc, "change_rhéostat"), "rhéostat de 10 ohms");
    EXPECT_EQ(fleche(), 8160 + 2655); // curseur à pleine résistance
    EXPECT_EQ(essai::controle<Ligne>(banc, "ligne_inter_i")->y2(), 2020);    // ouvert
    EXPECT_EQ(essai::controle<Ligne>(banc, "ligne_inter_géné")->y2(), 1900); // ouvert
    EXPECT_EQ(essai::fond(banc, "afficheIi"), QColor(255, 192, 128));
}

TEST_F(BancVek, PlaqueDesMachinesParDefaut)
{
    EXPECT_EQ(texte(banc, "plaque_Uin"), "Ui : 220 V");
    EXPECT_EQ(texte(banc, "plaque_Uen"), "Ue : 180 V");
    EXPECT_EQ(texte(banc, "plaque_Pmn"), "P : 6000W");
    EXPECT_EQ(texte(banc, "plaque_nn"), "n :1200tr/min");
}

TEST_F(BancVek, TaperMontreValidSansChangerLeModele)
{
    taper(banc, "choixUe", "180");
    EXPECT_TRUE(visible("valid_ue"));
    EXPECT_EQ(programme.reglages.Ue, 0.0);
    EXPECT_EQ(texte(banc, "afficheUe"), "0");

    // Entrée valide comme le bouton.
    entree(banc, "choixUe");
    EXPECT_FALSE(visible("valid_ue"));
    EXPECT_EQ(programme.reglages.Ue, 180.0);
    EXPECT_EQ(texte(banc, "afficheUe"), "180");
    EXPECT_EQ(texte(banc, "afficheIe"), "1.2");

    // Un simple clic dans une saisie fait aussi paraître son Valid.
    cliquer(banc, "choixUi2");
    EXPECT_TRUE(visible("valid_ui2"));
    cliquer(banc, "valid_ui2");
    EXPECT_FALSE(visible("valid_ui2"));
}

TEST_F(BancVek, LesSaisiesLisentLeNombreDeTete)
{
    const struct {
        const char *frappe;
        double Ui;
    } cas[] = {{"abc", 0}, {"12,5", 12}, {"1.5e2", 150}, {"1e999", 0}, {"-3", -3}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.frappe);
        essai::controle<QLineEdit>(banc, "choixUi")->clear();
        taper(banc, "choixUi", c.frappe);
        cliquer(banc, "valid_ui");
        EXPECT_EQ(programme.reglages.Ui, c.Ui);
    }
}

TEST_F(BancVek, MarcheAVideAuChampNominal)
{
    mettre_en_marche();
    EXPECT_EQ(essai::controle<Ligne>(banc, "ligne_inter_i")->y2(), 1800); // fermé
    EXPECT_EQ(texte(banc, "afficheUi"), "220");
    EXPECT_EQ(texte(banc, "afficheIi"), "1.56");
    EXPECT_EQ(texte(banc, "affichen"), "1249");
    EXPECT_EQ(texte(banc, "afficheTu"), "0");
    EXPECT_EQ(programme.avertisseur.fenetre(), nullptr);
}

TEST_F(BancVek, AlerteDInducteurRemetLaSaisieAZero)
{
    taper(banc, "choixUe", "400");
    entree(banc, "choixUe");
    ASSERT_NE(programme.avertisseur.fenetre(), nullptr);
    EXPECT_EQ(texte(programme.avertisseur.fenetre(), "Label2"),
              "L'intensité du courant circulant dans l'inducteur est trop importante. Vous risquez "
              "d'endommager le moteur.");
    EXPECT_EQ(texte(banc, "choixUe"), "0");
    EXPECT_TRUE(visible("valid_ue"));
    EXPECT_EQ(texte(banc, "afficheIe"), "0");
    EXPECT_EQ(essai::fond(banc, "afficheIe"), QColor(255, 192, 128)); // revenu à la normale
    EXPECT_EQ(programme.reglages.Ue, 400.0);                          // le réglage reste
    cliquer(banc, "valid_ue");
    EXPECT_EQ(programme.reglages.Ue, 0.0);
}

TEST_F(BancVek, GlisserLeCurseurDuRheostat)
{
    // Appui : la flèche suit, Rh ne change pas.
    presser(10);
    EXPECT_EQ(fleche(), 8160 + 150);
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 10.0f);
    EXPECT_TRUE(banc->banc().curseur_saisi());

    // Glissé dans le corps : Rh proportionnel à la position (1327.5 / 2655 de 10 ohms).
    glisser(88);
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 10.0f * 1320.0f / 2655.0f);
    EXPECT_EQ(fleche(), 8160 + 1320);

    // Hors du corps : ignoré.
    glisser(-5);
    glisser(400);
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 10.0f * 1320.0f / 2655.0f);

    // Relâché à gauche du corps : R = 0.
    relacher(-20);
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 0.0f);
    EXPECT_EQ(fleche(), 8160);
    EXPECT_FALSE(banc->banc().curseur_saisi());

    // Relâché à droite : Rmax.
    presser(50);
    relacher(500);
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 10.0f);
    EXPECT_EQ(fleche(), 8160 + 2655);

    // Clic sans bouger : la position du relâchement fixe Rh.
    presser(59);
    relacher(59);
    EXPECT_NEAR(banc->banc().Rh(), 10.0 * 885 / 2655, 1e-5);

    // Sans appui, passer sur le corps ne change rien.
    glisser(120);
    EXPECT_NEAR(banc->banc().Rh(), 10.0 * 885 / 2655, 1e-5);
}

TEST_F(BancVek, UnDoubleClicNeLaissePasLeCurseurSaisi)
{
    presser(30);
    relacher(30);
    souris(QEvent::MouseButtonDblClick, 30, Qt::LeftButton);
    relacher(30);
    EXPECT_FALSE(banc->banc().curseur_saisi());
    const float Rh = banc->banc().Rh();
    glisser(150); // survol sans bouton : rien ne bouge
    EXPECT_FLOAT_EQ(banc->banc().Rh(), Rh);
}

TEST_F(BancVek, RheostatRefuseSousTension)
{
    auto *liste = essai::controle<QComboBox>(banc, "change_rhéostat");
    cliquer(banc, "Interinduit_géné");
    EXPECT_EQ(essai::controle<Ligne>(banc, "ligne_inter_géné")->y2(), 1680);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_End); // choisit « rhéostat de 1000 ohms »
    EXPECT_EQ(texte(banc, "change_rhéostat"), "rhéostat de 10 ohms");
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 10.0f);
    ASSERT_NE(programme.avertisseur.fenetre(), nullptr);
    EXPECT_EQ(texte(programme.avertisseur.fenetre(), "Label2"),
              "Vous ne devez pas remplacer le rhéostat quand il est sous tension.");

    // Interrupteur 2 ouvert : le nouveau rhéostat est pris, à pleine résistance.
    cliquer(banc, "Interinduit_géné");
    QTest::keyClick(liste, Qt::Key_End);
    EXPECT_EQ(texte(banc, "change_rhéostat"), "rhéostat de 1000 ohms");
    EXPECT_FLOAT_EQ(banc->banc().Rmax(), 1000.0f);
    EXPECT_FLOAT_EQ(banc->banc().Rh(), 1000.0f);
}

TEST_F(BancVek, LeRotorScintilleSelonLaVitesse)
{
    auto *t1 = essai::controle<QTimer>(banc, "Timer1");
    auto *t2 = essai::controle<QTimer>(banc, "Timer2");
    Forme *rotor = essai::controle<Forme>(banc, "rotor");
    banc->Timer1_Timer();
    EXPECT_EQ(rotor->remplissage(), QColor(Qt::black)); // à l'arrêt
    EXPECT_EQ(t1->interval(), 200);
    EXPECT_FALSE(t1->isActive());
    EXPECT_TRUE(t2->isActive());

    mettre_en_marche(); // n = 1248.5 tr/min pour nn = 1200
    banc->Timer1_Timer();
    EXPECT_EQ(rotor->remplissage(), QColor(255, 0, 0));
    EXPECT_EQ(t1->interval(), 154); // 160 . 1200 / 1248.5 = 153.8 ms
    EXPECT_EQ(t2->interval(), 154);
    banc->Timer2_Timer();
    EXPECT_EQ(rotor->remplissage(), QColor(192, 0, 0));
    EXPECT_TRUE(t1->isActive());
    EXPECT_FALSE(t2->isActive());
}

TEST_F(BancVek, LesBoutonsValidClignotent)
{
    taper(banc, "choixUi", "5");
    banc->Timer3_Timer();
    EXPECT_EQ(essai::fond(banc, "valid_ui"), QColor(255, 0, 0));
    banc->Timer4_Timer();
    EXPECT_NE(essai::fond(banc, "valid_ui"), QColor(255, 0, 0));
}

TEST_F(BancVek, MotDePassePuisCaracteristiques)
{
    mettre_en_marche();
    cliquer(banc, "modif_moteur");
    // Tout est remis à zéro, mais les afficheurs attendent la prochaine action.
    EXPECT_EQ(programme.reglages.Ui, 0.0);
    EXPECT_EQ(programme.reglages.Ue, 0.0);
    EXPECT_FALSE(banc->banc().inter1_ferme());
    EXPECT_EQ(texte(banc, "afficheUi"), "220");
    QWidget *mdp = essai::fenetre("mot_de_passe");
    ASSERT_NE(mdp, nullptr);
    EXPECT_EQ(mdp->windowTitle(), "Mot de passe");
    EXPECT_EQ(essai::controle<QLineEdit>(mdp, "Text1")->echoMode(), QLineEdit::Password);

    // Mauvais mot : rien, le texte reste.
    taper(mdp, "Text1", "Vortis");
    cliquer(mdp, "Command1");
    EXPECT_TRUE(mdp->isVisible());
    EXPECT_EQ(texte(mdp, "Text1"), "Vortis");
    EXPECT_EQ(essai::fenetre("caract_moteur"), nullptr);

    essai::controle<QLineEdit>(mdp, "Text1")->clear();
    taper(mdp, "Text1", "vortis");
    cliquer(mdp, "Command1");
    EXPECT_EQ(essai::fenetre("mot_de_passe"), nullptr);
    EXPECT_EQ(essai::fenetre("machine1"), nullptr);
    QWidget *caract = essai::fenetre("caract_moteur");
    ASSERT_NE(caract, nullptr);
    EXPECT_EQ(caract->windowTitle(), "Caractéristiques des machines ");
    const char *attendus[][2] = {{"afficheUi", "220"}, {"afficheIi", "30"},  {"afficheRi", "0.3"},
                                 {"afficheUe", "180"}, {"afficheIe", "1.2"}, {"afficheNn", "1200"},
                                 {"affichePmn", "6000"}};
    for (const auto &a : attendus)
        EXPECT_EQ(texte(caract, a[0]), a[1]) << a[0];
}

TEST_F(BancVek, CaracteristiquesPriseAChaqueFrappe)
{
    CaractMoteur *caract = programme.ouvrir_caract_moteur();
    const char *suite[] = {"3", "30", "300", "3000"};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(essai::controle(caract, "choixNn"), "3000"[i]);
        EXPECT_EQ(programme.caracteristiques.nn, std::stod(suite[i]));
        EXPECT_EQ(texte(caract, "afficheNn"), suite[i]);
    }
    taper(caract, "choixRi", "x");
    EXPECT_EQ(programme.caracteristiques.Ri, 0.0f);
}

TEST_F(BancVek, Machine200WRechargeUnBancNeuf)
{
    banc->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CaractMoteur *caract = programme.ouvrir_caract_moteur();
    taper(caract, "choixUi", "99");
    cliquer(caract, "deuxcent_W");
    EXPECT_EQ(texte(caract, "choixUi"), ""); // les saisies sont vidées
    EXPECT_EQ(texte(caract, "afficheUi"), "170");
    EXPECT_EQ(texte(caract, "afficheRi"), "12");
    EXPECT_EQ(texte(caract, "afficheIe"), "0.15");
    cliquer(caract, "boutonOK");
    EXPECT_EQ(essai::fenetre("caract_moteur"), nullptr);
    QWidget *neuf = essai::fenetre("machine1");
    ASSERT_NE(neuf, nullptr);
    EXPECT_EQ(texte(neuf, "plaque_Uin"), "Ui : 170 V");
    EXPECT_EQ(texte(neuf, "plaque_Uen"), "Ue : 170 V");
    EXPECT_EQ(texte(neuf, "plaque_Pmn"), "P : 200W");
    EXPECT_EQ(texte(neuf, "plaque_nn"), "n :3000tr/min");
    EXPECT_EQ(texte(neuf, "afficheIe_géné"), "0.15");
}

TEST_F(BancVek, FermerLesCaracteristiquesSansOKNeRouvrePasLeBanc)
{
    banc->close();
    CaractMoteur *caract = programme.ouvrir_caract_moteur();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    caract->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(essai::fenetre("machine1"), nullptr);
    // Plus aucune fenêtre visible : le programme se termine.
    int visibles = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visibles += w->isVisible();
    EXPECT_EQ(visibles, 0);
}

TEST(AccueilVek, OuvreUnSeulBancParOKOuParLaMinuterie)
{
    for (bool par_ok : {true, false}) {
        SCOPED_TRACE(par_ok ? "OK" : "minuterie");
        ProgrammeVek programme;
        programme.caracteristiques.Uin = 1; // l'accueil remet les valeurs par défaut
        Intro *intro = programme.demarrer();
        EXPECT_EQ(programme.caracteristiques.Uin, 220.0);
        EXPECT_EQ(programme.annee_version, 2003);
        EXPECT_EQ(texte(intro, "Label2"), "Étude d'une machine à courant continu.");
        if (par_ok)
            cliquer(intro, "OK");
        intro->Timer1_Timer();
        intro->Timer1_Timer();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int bancs = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            bancs += w->objectName() == "machine1" && w->isVisible();
        EXPECT_EQ(bancs, 1);
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }
}
