// Fenêtre « redressement » d'orvalt pilotée par les noms de ses contrôles, sur
// la plate-forme hors écran, en français (virgule décimale). La minuterie est
// appelée directement.
#include "outils_fenetres.h"
#include "redressement.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTimer>

#include <cmath>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

const QColor rouge(255, 0, 0), noir(0, 0, 0);

class FenetreOrvalt : public ::testing::Test
{
protected:
    Redressement *w = nullptr;

    void SetUp() override
    {
        w = new Redressement;
        w->show();
    }
    void TearDown() override { delete w; }

    // Sélection dans une liste, comme un clic de l'élève.
    void choisir(int panneau, int indice)
    {
        auto *liste = essai::controle<QComboBox>(w, QStringLiteral("choix_grandeur(%1)").arg(panneau));
        liste->setCurrentIndex(indice);
        emit liste->activated(indice);
    }
    void tops(int n)
    {
        for (int k = 0; k < n; ++k)
            w->Timer1_Timer();
    }
    void remplacer(const char *saisie, const QString &frappe)
    {
        essai::controle<QLineEdit>(w, saisie)->clear();
        taper(w, saisie, frappe);
    }
    QColor couleur_trait(const QString &nom) { return essai::controle<Ligne>(w, nom)->couleur(); }
    bool visible(const char *nom) { return essai::controle(w, nom)->isVisible(); }
    // Tous les traits du thyristor Tk ont-ils cette couleur ?
    bool thyristor_de_couleur(int k, const QColor &c)
    {
        for (int trait = 1; trait <= 6; ++trait)
            if (couleur_trait(QStringLiteral("l%1d(%2)").arg(trait).arg(k - 1)) != c)
                return false;
        return true;
    }
};

} // namespace

// --- Chargement ------------------------------------------------------------------

TEST_F(FenetreOrvalt, AuChargement)
{
    EXPECT_EQ(w->objectName(), "redressement");
    EXPECT_EQ(w->windowTitle(), "Etude du pont tout thyristor par A. Varlon");
    EXPECT_EQ(texte(w, "arret"), "Démarrer ");
    EXPECT_EQ(texte(w, "accelere"), "Accélèrer");
    EXPECT_EQ(texte(w, "Label10"), " Mouvement du curseur");
    EXPECT_EQ(texte(w, "choix_alpha"), "0");
    EXPECT_EQ(texte(w, "choix_e"), "0");
    EXPECT_FALSE(visible("alpha_valid"));
    EXPECT_FALSE(visible("e_valid"));
    EXPECT_FALSE(essai::controle<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(essai::controle<QTimer>(w, "Timer1")->interval(), 100);
    for (int i = 0; i < 4; ++i) {
        const QString n = QStringLiteral("(%1)").arg(i);
        auto *liste = essai::controle<QComboBox>(w, "choix_grandeur" + n);
        EXPECT_EQ(liste->count(), 16);
        EXPECT_EQ(liste->currentIndex(), -1);
        EXPECT_EQ(liste->itemText(1), "uc tension redressée (V)");
        EXPECT_EQ(texte(w, "Labelxmax" + n), "0,02");
        EXPECT_EQ(texte(w, "Label_vinst" + n), "Valeur instantanée =");
        EXPECT_EQ(texte(w, "Label_vmoy" + n), "Valeur moyenne =");
        EXPECT_EQ(texte(w, QStringLiteral("label_d") + n), QStringLiteral("T%1").arg(i + 1));
        for (const char *nom : {"labelymax", "aff_vinst", "aff_vmoy"})
            EXPECT_EQ(texte(w, nom + n), "") << nom;
        EXPECT_NE(w->findChild<Ligne *>("lx" + n), nullptr);
        EXPECT_NE(w->findChild<Ligne *>("ly" + n), nullptr);
    }
    EXPECT_EQ(essai::controle<Ligne>(w, "ld")->x1(), 7200);
    EXPECT_EQ(couleur_trait("ld"), QColor(255, 192, 192));
}

// --- Choix et balayage ---------------------------------------------------------------

TEST_F(FenetreOrvalt, ChoisirUneGrandeurLanceLeBalayageEtEcritEchelleEtMoyenne)
{
    choisir(1, 1); // uc
    EXPECT_TRUE(essai::controle<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(texte(w, "arret"), "STOP");
    EXPECT_EQ(texte(w, "labelymax(1)"), "33,94");
    EXPECT_EQ(texte(w, "aff_vmoy(1)"), "21,61");
    EXPECT_EQ(texte(w, "labelymax(0)"), "0"); // relue, sans choix
    EXPECT_EQ(texte(w, "aff_vmoy(0)"), "");
    choisir(2, 2); // ic
    EXPECT_EQ(texte(w, "labelymax(2)"), "1,08");
    EXPECT_EQ(texte(w, "aff_vmoy(2)"), "1,08");
}

TEST_F(FenetreOrvalt, UnTopColoreLesThyristorsQuiConduisent)
{
    choisir(0, 0);
    tops(1); // t = 0,23 ms, alpha = 0 : T1 et T4 conduisent
    EXPECT_TRUE(thyristor_de_couleur(1, rouge));
    EXPECT_TRUE(thyristor_de_couleur(4, rouge));
    EXPECT_TRUE(thyristor_de_couleur(2, noir));
    EXPECT_TRUE(thyristor_de_couleur(3, noir));
    // 33,9411 . sin(6,28318 . 50 . 50 / 216000) = 33,9411 . 0,072658 = 2,4661 V
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "2,466");
    EXPECT_EQ(essai::controle<Ligne>(w, "ld")->x1(), 6660 + 50);
    tops(50); // t = 11,8 ms : T2 et T3
    EXPECT_TRUE(thyristor_de_couleur(2, rouge));
    EXPECT_TRUE(thyristor_de_couleur(1, noir));
}

TEST_F(FenetreOrvalt, ArretArreteEtReprend)
{
    choisir(0, 0);
    tops(5);
    cliquer(w, "arret");
    EXPECT_EQ(texte(w, "arret"), "Reprendre");
    EXPECT_FALSE(essai::controle<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(essai::controle<Ligne>(w, "ld")->x1(), 6660 + 250);
    cliquer(w, "arret");
    EXPECT_EQ(texte(w, "arret"), "STOP");
    tops(1);
    EXPECT_EQ(essai::controle<Ligne>(w, "ld")->x1(), 6660 + 300);
}

TEST_F(FenetreOrvalt, BoutonsDeVitesse)
{
    cliquer(w, "accelere");
    EXPECT_EQ(w->balayage().pas(), 60);
    for (int k = 0; k < 8; ++k)
        cliquer(w, "Ralentir");
    EXPECT_EQ(w->balayage().pas(), 0);
}

// --- Saisie de l'angle -----------------------------------------------------------------

TEST_F(FenetreOrvalt, TaperFaitParaitreValidEntreeValideLAngle)
{
    choisir(2, 2); // ic
    choisir(3, 12); // ig1
    remplacer("choix_alpha", "45");
    EXPECT_TRUE(visible("alpha_valid"));
    entree(w, "choix_alpha");
    EXPECT_FALSE(visible("alpha_valid"));
    EXPECT_EQ(w->pont().alpha(), 45.0f);
    EXPECT_EQ(texte(w, "labelymax(2)"), "0,7639");
    EXPECT_EQ(texte(w, "labelymax(3)"), "0,07639");
    EXPECT_EQ(texte(w, "aff_vmoy(2)"), "0,7639");
    EXPECT_EQ(w->balayage().x_curseur(), 0);
    EXPECT_TRUE(essai::controle<QTimer>(w, "Timer1")->isActive());
}

TEST_F(FenetreOrvalt, ValidLaMemeChoseQueEntree)
{
    choisir(1, 1);
    remplacer("choix_alpha", "60");
    cliquer(w, "alpha_valid");
    EXPECT_EQ(w->pont().alpha(), 60.0f);
    // 2 . 33,9411 . cos(60°) / 3,14159 = 10,804 V
    EXPECT_EQ(texte(w, "aff_vmoy(1)"), "10,8");
}

TEST_F(FenetreOrvalt, UnAngleHorsDeZeroACentQuatreVingtsRemetLaSaisieAZero)
{
    remplacer("choix_alpha", "30");
    entree(w, "choix_alpha");
    for (const char *refuse : {"180.5", "-1"}) {
        SCOPED_TRACE(refuse);
        remplacer("choix_alpha", refuse);
        cliquer(w, "alpha_valid");
        EXPECT_EQ(texte(w, "choix_alpha"), "0");
        EXPECT_EQ(w->pont().alpha(), 30.0f);
    }
    remplacer("choix_alpha", "180");
    entree(w, "choix_alpha");
    EXPECT_EQ(w->pont().alpha(), 180.0f);
    EXPECT_FALSE(visible("alpha_valid"));
}

TEST_F(FenetreOrvalt, UnTexteSansNombreVautZero)
{
    remplacer("choix_alpha", "45");
    entree(w, "choix_alpha");
    remplacer("choix_alpha", "abc");
    entree(w, "choix_alpha");
    EXPECT_EQ(w->pont().alpha(), 0.0f);
    remplacer("choix_e", "1e999"); // dépassement : 0
    entree(w, "choix_e");
    EXPECT_EQ(w->pont().e(), 0.0);
}

TEST_F(FenetreOrvalt, QuatreVingtDixDegresEchelleMinusculeEtTraceEnHaut)
{
    choisir(2, 2); // ic
    remplacer("choix_alpha", "90");
    entree(w, "choix_alpha");
    EXPECT_EQ(texte(w, "labelymax(2)"), "0");
    EXPECT_EQ(texte(w, "aff_vmoy(2)"), "0");
    tops(3);
    // Le courant vaut sa pleine échelle (à l'arrondi en simple précision
    // près) : la trace longe le haut de l'axe des valeurs.
    EXPECT_NEAR(w->balayage().y_cour(2), 4680, 1e-3);
}

// --- Saisie de la f.é.m. -----------------------------------------------------------------

TEST_F(FenetreOrvalt, TrenteVoltsBloquentLePont)
{
    choisir(0, 1);  // uc
    choisir(1, 2);  // ic
    choisir(2, 4);  // uT1
    choisir(3, 12); // ig1
    tops(3);
    remplacer("choix_e", "30");
    EXPECT_TRUE(visible("e_valid"));
    cliquer(w, "e_valid");
    EXPECT_FALSE(visible("e_valid"));
    EXPECT_EQ(texte(w, "labelymax(1)"), "0,4196");   // |imoy|
    EXPECT_EQ(texte(w, "labelymax(3)"), "-0,04196"); // imoy / 10
    tops(1);
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(thyristor_de_couleur(k, noir)) << "T" << k;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(texte(w, QStringLiteral("aff_vmoy(%1)").arg(i)), "0");
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "0");
    EXPECT_EQ(texte(w, "aff_vinst(1)"), "0");
    EXPECT_EQ(texte(w, "aff_vinst(2)"), "2,466");    // uT1 = u
    EXPECT_EQ(texte(w, "aff_vinst(3)"), "-0,04196"); // impulsion du premier top
}

TEST_F(FenetreOrvalt, UneFemDemesureeNeDonneQueDesCoordonneesRaisonnables)
{
    for (int i = 0; i < 4; ++i)
        choisir(i, std::array{2, 3, 12, 1}[i]);
    remplacer("choix_e", "1e300");
    entree(w, "choix_e");
    tops(20);
    for (int i = 0; i < 4; ++i) {
        const double y = w->balayage().y_cour(i);
        ASSERT_TRUE(std::isfinite(y));
        auto *ly = essai::controle<Ligne>(w, QStringLiteral("ly(%1)").arg(i));
        EXPECT_GE(y, ly->y1());
        EXPECT_LE(y, ly->y2());
    }
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "0");
}

// --- Dessin -------------------------------------------------------------------------------

TEST_F(FenetreOrvalt, LesTracesRestentSurLaSurfaceEtALEcran)
{
    choisir(0, 0); // u, vert
    tops(20);
    // Tops 19 et 20 : u = 33,34 puis 33,71 V, soit y = 730,7 puis 724,1 au
    // panneau 0 (1320 - u . 600 / 33,94) ; le segment va de x = 7610 à 7660.
    // Le pixel (509, 48) couvre x 7635..7650 et y 720..735.
    const QPoint p(509, 48);
    const QColor vert(0, 255, 0);
    EXPECT_EQ(w->surface().pixelColor(p * w->surface().devicePixelRatio()), vert);
    w->hide();
    w->show();
    const QImage ecran = w->grab().toImage();
    EXPECT_EQ(ecran.pixelColor(p * ecran.devicePixelRatio()), vert);
}

TEST_F(FenetreOrvalt, UnTopNeRepeintQueCeQuIlTouche)
{
    struct Compteur : QObject {
        qint64 pixels = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                for (const QRect &r : static_cast<QPaintEvent *>(e)->region())
                    pixels += qint64(r.width()) * r.height();
            return false;
        }
    } compteur;
    for (int i = 0; i < 4; ++i)
        choisir(i, std::array{0, 1, 2, 12}[i]);
    tops(5);
    QApplication::processEvents();
    qApp->installEventFilter(&compteur);
    tops(1);
    QApplication::processEvents();
    qApp->removeEventFilter(&compteur);
    const qint64 fenetre = qint64(w->width()) * w->height();
    EXPECT_GT(compteur.pixels, 0);
    // Quatre petits segments, deux places du curseur, quelques afficheurs.
    EXPECT_LT(compteur.pixels, fenetre / 20);
}
