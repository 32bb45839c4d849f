// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtres de transfo pilotées par les noms de leurs contrôles, sur la
// plate-forme hors écran, en français (séparateur décimal « , »). Les lectures
// attendues sont celles du calcul à la main des essais du modèle.
#include "fusible.h"
#include "outils_fenetres.h"
#include "programme_transfo.h"
#include "transfo.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

class FenetreTransfo : public ::testing::Test
{
protected:
    ProgrammeTransfo programme;
    Transfo *banc = nullptr;

    void SetUp() override { banc = programme.ouvrir_transfo(); }

    void TearDown() override
    {
        // Le banc détruit la boîte du fusible avec lui : QPointer l'enregistre.
        QList<QPointer<QWidget>> fenetres;
        for (QWidget *w : QApplication::topLevelWidgets())
            fenetres.append(w);
        for (const QPointer<QWidget> &w : fenetres)
            delete w.data();
    }

    void supprimer_fermees() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    bool visible(const QString &nom) { return essai::controle(banc, nom)->isVisible(); }

    void valider(const QString &u1)
    {
        essai::controle<QLineEdit>(banc, "choix_u1")->clear();
        taper(banc, "choix_u1", u1);
        entree(banc, "choix_u1");
    }

    // Événement souris sur une piste, y en pixels depuis son haut.
    void souris(const QString &piste, QEvent::Type type, int y, Qt::MouseButtons boutons)
    {
        QWidget *w = essai::controle(banc, piste);
        const QPointF p(w->width() / 2, y);
        QMouseEvent e(type, p, w->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void presser(const QString &piste, int y) { souris(piste, QEvent::MouseButtonPress, y, Qt::LeftButton); }
    void glisser(const QString &piste, int y) { souris(piste, QEvent::MouseMove, y, Qt::LeftButton); }
    void survoler(const QString &piste, int y) { souris(piste, QEvent::MouseMove, y, Qt::NoButton); }
    void relacher(const QString &piste, int y) { souris(piste, QEvent::MouseButtonRelease, y, Qt::NoButton); }

    Ligne *ligne(const QString &nom) { return essai::controle<Ligne>(banc, nom); }

    void attendre_lectures(std::initializer_list<const char *> attendu)
    {
        const char *noms[] = {"aff_u1", "aff_i1", "aff_p1", "aff_u2", "aff_i2", "aff_p2"};
        int k = 0;
        for (const char *a : attendu) {
            EXPECT_EQ(texte(banc, noms[k]), QString::fromUtf8(a)) << noms[k];
            ++k;
        }
    }
};

// Pistes : 2535 twips = 169 pixels (rhéostat), 1695 twips = 113 pixels (inductance).
constexpr int px_r = 169, px_l = 113;

} // namespace

// --- Chargement ------------------------------------------------------------------

TEST_F(FenetreTransfo, AuChargementLeBancEstAuRepos)
{
    EXPECT_EQ(banc->objectName(), "Transfo");
    EXPECT_EQ(banc->windowTitle(), "Étude du transformateur par A. Varlon");
    attendre_lectures({"0", "0", "0", "0", "0", "0"});
    EXPECT_EQ(texte(banc, "choix_u1"), "0");
    EXPECT_EQ(texte(banc, "commande_kv"), "interrupteur1");
    EXPECT_EQ(texte(banc, "commande_kcc"), " I    N   T   E   R  2");
    EXPECT_EQ(essai::controle(banc, "choix_u1")->toolTip(), "Réglage de la tension efficace au primaire");
    EXPECT_EQ(essai::controle(banc, "rhéostat")->toolTip(),
              "Cliquer et faire glisser le curseur pour faire varier la résistance");
    EXPECT_EQ(essai::controle(banc, "aff_p1")->toolTip(), "Puissance active absorbée par le primaire");
    // Interrupteurs dessinés ouverts, curseurs en bas du rhéostat et en haut de l'inductance.
    EXPECT_EQ(ligne("ligne_kv")->y2(), 900);
    EXPECT_EQ(ligne("ligne_kcc")->x2(), 9060);
    EXPECT_EQ(ligne("ligne_rhéostat1")->y1(), 3420);
    EXPECT_EQ(ligne("ligne_l1")->y1(), 3900);
}

TEST_F(FenetreTransfo, ValidParaitDesLEcritureDuZeroAuChargement)
{
    EXPECT_TRUE(visible("valid_u1"));
}

// --- Saisie de la tension ------------------------------------------------------------

TEST_F(FenetreTransfo, TaperSansValiderNeChangeAucuneLecture)
{
    entree(banc, "choix_u1");
    ASSERT_FALSE(visible("valid_u1"));
    taper(banc, "choix_u1", "23");
    EXPECT_TRUE(visible("valid_u1"));
    attendre_lectures({"0", "0", "0", "0", "0", "0"});
}

TEST_F(FenetreTransfo, EntreeValideEtCacheValid)
{
    valider("230");
    EXPECT_FALSE(visible("valid_u1"));
    attendre_lectures({"230", "0,07705", "16,03", "50", "0", "0"});
}

TEST_F(FenetreTransfo, UnClicSurValidValideAussi)
{
    essai::controle<QLineEdit>(banc, "choix_u1")->setText("20");
    cliquer(banc, "valid_u1");
    EXPECT_FALSE(visible("valid_u1"));
    EXPECT_EQ(texte(banc, "aff_u1"), "20");
    EXPECT_EQ(texte(banc, "aff_u2"), "4,348");
}

// --- Interrupteurs et curseurs ------------------------------------------------------------

TEST_F(FenetreTransfo, ChargeDe20OhmsParLInterrupteur1)
{
    valider("230");
    cliquer(banc, "commande_kv");
    EXPECT_EQ(ligne("ligne_kv")->y2(), 660);
    attendre_lectures({"230", "0,599", "137,4", "48,56", "2,428", "117,9"});
    cliquer(banc, "commande_kv");
    EXPECT_EQ(ligne("ligne_kv")->y2(), 900);
    EXPECT_EQ(texte(banc, "aff_i2"), "0");
}

TEST_F(FenetreTransfo, RelacherSousLesPistesMetRmaxEtLmax)
{
    valider("230");
    cliquer(banc, "commande_kv");
    presser("rhéostat", 20);
    relacher("rhéostat", px_r + 40);
    EXPECT_EQ(ligne("ligne_rhéostat1")->y1(), 900 + 2535);
    presser("L", 20);
    relacher("L", px_l + 40);
    EXPECT_EQ(ligne("ligne_l1")->y1(), 3900 + 1695);
    EXPECT_EQ(ligne("ligne_l2")->y2(), 3900 + 1695 - 107.962);
    EXPECT_EQ(ligne("ligne_l3")->y2(), 3900 + 1695 + 107.962);
    attendre_lectures({"230", "0,3546", "51,86", "49,12", "1,319", "34,8"});
}

TEST_F(FenetreTransfo, RelacherAuDessusDesPistesMetRetLaZero)
{
    valider("20");
    cliquer(banc, "commande_kv");
    presser("rhéostat", 100);
    relacher("rhéostat", -30);
    presser("L", 50);
    relacher("L", -30);
    EXPECT_EQ(ligne("ligne_rhéostat1")->y1(), 900);
    EXPECT_EQ(ligne("ligne_l1")->y1(), 3900);
    // Charge nulle : le secondaire est en court-circuit.
    attendre_lectures({"20", "1,319", "21,7", "0", "6,038", "0"});
}

TEST_F(FenetreTransfo, SurvolerUnePisteSansAppuyerNeChangeRien)
{
    valider("230");
    cliquer(banc, "commande_kv");
    survoler("rhéostat", 40);
    survoler("L", 60);
    EXPECT_EQ(ligne("ligne_rhéostat1")->y1(), 3420);
    EXPECT_EQ(ligne("ligne_l1")->y1(), 3900);
    EXPECT_EQ(texte(banc, "aff_i2"), "2,428");
}

TEST_F(FenetreTransfo, UnClicSansDeplacementAppliqueLaPositionDuRelachement)
{
    presser("rhéostat", 84); // 84 px = 1260 twips : R = 20 . 1260/2535 = 9,941 ohms
    EXPECT_EQ(ligne("ligne_rhéostat1")->y1(), 2160);
    EXPECT_EQ(banc->banc().r_charge(), 20.0);
    relacher("rhéostat", 84);
    EXPECT_NEAR(banc->banc().r_charge(), 9.941, 5e-4);
    EXPECT_FALSE(banc->banc().glisse_r());
}

TEST_F(FenetreTransfo, GlisserVersLeHautBaisseRJusquAFaireFondreLeFusible)
{
    valider("230");
    cliquer(banc, "commande_kv");
    presser("rhéostat", 160);
    glisser("rhéostat", 84); // 1260 twips : R = 9,941 ohms, le fusible tient
    EXPECT_EQ(ligne("ligne_rhéostat1")->y1(), 2160);
    EXPECT_NEAR(banc->banc().r_charge(), 9.941, 5e-4);
    EXPECT_TRUE(banc->isEnabled());
    glisser("rhéostat", 13); // 195 twips : R = 1,538 ohm, sous les 2,79 ohms du seuil
    EXPECT_NEAR(banc->banc().r_charge(), 1.538, 5e-4);
    EXPECT_NE(essai::fenetre("Fusible"), nullptr);
    EXPECT_FALSE(banc->isEnabled());
    EXPECT_FALSE(banc->banc().glisse_r());
}

TEST_F(FenetreTransfo, UnDoubleClicNeLaissePasLeCurseurAccroche)
{
    presser("rhéostat", 50);
    relacher("rhéostat", 50);
    souris("rhéostat", QEvent::MouseButtonDblClick, 50, Qt::LeftButton);
    relacher("rhéostat", 50);
    EXPECT_FALSE(banc->banc().glisse_r());
    const double r = banc->banc().r_charge();
    survoler("rhéostat", 120);
    EXPECT_EQ(banc->banc().r_charge(), r);
}

// --- Fusible ----------------------------------------------------------------------------

TEST_F(FenetreTransfo, LeFusibleFondDesactiveLeBancEtMontreLeSecondaireOuvert)
{
    valider("230");
    cliquer(banc, "commande_kv");
    cliquer(banc, "commande_kcc");
    EXPECT_FALSE(banc->isEnabled());
    QWidget *boite = essai::fenetre("Fusible");
    ASSERT_NE(boite, nullptr);
    EXPECT_EQ(boite->windowTitle(), "Remplacer le fusible");
    EXPECT_EQ(texte(boite, "Label1"), "DANGER");
    EXPECT_EQ(texte(boite, "Label2"), "L'intensité est trop importante, il faut remplacer le fusible");
    EXPECT_EQ(texte(boite, "Command1"), "Remplacer le fusible");
    EXPECT_EQ(ligne("ligne_kv")->y2(), 900);
    EXPECT_EQ(ligne("ligne_kcc")->x2(), 9060);
    attendre_lectures({"230", "0,07705", "16,03", "50", "0", "0"});

    // Les pistes ne répondent plus tant que le fusible n'est pas remplacé.
    presser("rhéostat", 10);
    relacher("rhéostat", 10);
    EXPECT_EQ(banc->banc().r_charge(), 20.0);

    cliquer(boite, "Command1");
    supprimer_fermees();
    EXPECT_EQ(essai::fenetre("Fusible"), nullptr);
    EXPECT_TRUE(banc->isEnabled());
    EXPECT_FALSE(banc->banc().kv_ferme());
    EXPECT_FALSE(banc->banc().kcc_ferme());
    // Le banc sert à nouveau : la charge de 20 ohms se referme.
    cliquer(banc, "commande_kv");
    attendre_lectures({"230", "0,599", "137,4", "48,56", "2,428", "117,9"});
}

TEST_F(FenetreTransfo, FermerLaBoiteDuFusibleRemetAussiLeFusible)
{
    valider("50");
    cliquer(banc, "commande_kcc");
    QWidget *boite = essai::fenetre("Fusible");
    ASSERT_NE(boite, nullptr);
    boite->close();
    supprimer_fermees();
    EXPECT_TRUE(banc->isEnabled());
}

TEST_F(FenetreTransfo, UneTensionDemesureeNOuvreQuUneBoite)
{
    valider("20000");
    int boites = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        boites += w->objectName() == "Fusible" && w->isVisible();
    EXPECT_EQ(boites, 1);
    EXPECT_EQ(texte(banc, "aff_i1"), "6,7");
}

// Le bas de la piste de l'inductance s'écrit dans la langue : virgule ou point décimal.
TEST(ReperesTransfo, LesNombresSuiventLaLangue)
{
    const std::pair<QLocale, const char *> cas[] = {
        {QLocale(QLocale::French, QLocale::France), "L = 0,1 H"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "L = 0.1 H"},
    };
    for (const auto &[langue, attendu] : cas) {
        QLocale::setDefault(langue);
        const Transfo banc;
        EXPECT_EQ(texte(&banc, "Label_lmax"), QString::fromUtf8(attendu)) << langue.name().toStdString();
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
