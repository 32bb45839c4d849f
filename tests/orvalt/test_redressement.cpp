// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre « redressement » d'orvalt pilotée par les noms de ses contrôles, sur
// la plate-forme hors écran, en français (virgule décimale). La minuterie est
// appelée directement.
#include "outils_fenetres.h"
#include "redressement.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
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
    EXPECT_EQ(w->windowTitle(), "Étude du pont tout thyristor par A. Varlon");
    EXPECT_EQ(texte(w, "arret"), "Démarrer ");
    EXPECT_EQ(texte(w, "accelere"), "Accélérer");
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

// --- Valeurs efficaces ---------------------------------------------------------------

TEST_F(FenetreOrvalt, LesValeursEfficacesParaissentAvecLesMoyennes)
{
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texte(w, QStringLiteral("Label_veff(%1)").arg(i)), "Valeur efficace =");
        EXPECT_EQ(texte(w, QStringLiteral("aff_veff(%1)").arg(i)), "");
    }
    choisir(0, 1);  // uc : 24 V à tout angle
    choisir(1, 2);  // ic : sa moyenne
    choisir(2, 8);  // iT1 : imoy / racine de 2
    choisir(3, 12); // ig1 : imoy/10 pendant deux pas de temps
    EXPECT_EQ(texte(w, "aff_veff(0)"), "24");
    EXPECT_EQ(texte(w, "aff_veff(1)"), "1,08");
    EXPECT_EQ(texte(w, "aff_veff(2)"), "0,7639");
    EXPECT_EQ(texte(w, "aff_veff(3)"), "0,01162");

    // Au pas 60 l'impulsion est 1,2 fois plus large : 0,011623 . racine de 1,2.
    cliquer(w, "accelere");
    EXPECT_EQ(texte(w, "aff_veff(3)"), "0,01273");

    // 90° : imoy vaut 1,4e-6 A, ramené à 0 comme la moyenne.
    remplacer("choix_alpha", "90");
    entree(w, "choix_alpha");
    EXPECT_EQ(texte(w, "aff_veff(0)"), "24");
    EXPECT_EQ(texte(w, "aff_veff(1)"), "0");
    EXPECT_EQ(texte(w, "aff_vmoy(1)"), "0");

    // Pont bloqué par e = 30 V à 0° : plus de tension redressée ni de courant.
    remplacer("choix_alpha", "0");
    entree(w, "choix_alpha");
    remplacer("choix_e", "30");
    entree(w, "choix_e");
    EXPECT_EQ(texte(w, "aff_veff(0)"), "0");
    EXPECT_EQ(texte(w, "aff_veff(1)"), "0");
    EXPECT_EQ(texte(w, "aff_veff(2)"), "0");
}

TEST_F(FenetreOrvalt, UnTopNeReecritJamaisLaValeurEfficace)
{
    choisir(0, 0);
    auto *aff = essai::controle<QLabel>(w, "aff_veff(0)");
    aff->setText(QStringLiteral("témoin"));
    tops(20);
    EXPECT_EQ(aff->text(), "témoin");
}

TEST_F(FenetreOrvalt, LaColonneDesValeursEtLExportationNeChevauchentRien)
{
    QStringList noms = {"arret",  "accelere", "Ralentir", "Label10", "Label13",     "Label14",  "Label17",
                        "Label20", "Label21", "choix_alpha", "choix_e", "exporter_periode", "bouton_spectre"};
    for (int i = 0; i < 4; ++i)
        for (const char *nom : {"Label_vinst", "aff_vinst", "Label_vmoy", "aff_vmoy", "Label_veff", "aff_veff",
                                "labelymax", "Labelxmax", "choix_grandeur"})
            noms << QStringLiteral("%1(%2)").arg(QString::fromUtf8(nom)).arg(i);
    for (int a = 0; a < noms.size(); ++a) {
        const QRect ra = essai::controle(w, noms[a])->geometry();
        EXPECT_TRUE(w->rect().contains(ra)) << noms[a].toStdString();
        for (int b = a + 1; b < noms.size(); ++b)
            EXPECT_FALSE(ra.intersects(essai::controle(w, noms[b])->geometry()))
                << noms[a].toStdString() << " et " << noms[b].toStdString();
    }
    // L'efficace vient sous la moyenne de son panneau.
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(essai::controle(w, QStringLiteral("Label_veff(%1)").arg(i))->y(),
                  essai::controle(w, QStringLiteral("aff_vmoy(%1)").arg(i))->geometry().bottom());
}

// --- Exportation d'une période ---------------------------------------------------------

namespace {

// Les lignes d'un CSV écrit par la suite : marque UTF-8 en tête, fins CR LF.
QStringList lignes_csv(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.startsWith("\xEF\xBB\xBF"));
    QStringList lignes = QString::fromUtf8(octets.mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lignes.takeLast(), ""); // la dernière ligne se termine aussi
    return lignes;
}

double cellule(const QString &ligne, int colonne)
{
    return ligne.split(';').value(colonne).replace(',', '.').toDouble();
}

} // namespace

TEST_F(FenetreOrvalt, UnePeriodeDeMilleInstantsDansUnCSV)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    std::vector<QString> messages;
    w->montrer_message = [&](const QString &m) { messages.push_back(m); };
    w->demander_fichier_csv = [&] { return dossier.filePath("periode"); }; // « .csv » ajouté
    choisir(0, 0); // u
    choisir(2, 1); // uc ; les panneaux 1 et 3 restent vides
    cliquer(w, "exporter_periode");
    ASSERT_EQ(messages.size(), 1u);
    const QString chemin = dossier.filePath("periode.csv");
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(chemin))) << messages[0].toStdString();
    const QStringList lignes = lignes_csv(chemin);
    ASSERT_EQ(lignes.size(), 1001);
    EXPECT_EQ(lignes[0], "t (s);u tension alternative (V);uc tension redressée (V)");
    // t = 0 : u nulle ; à 0°, uc y vaut -u.
    EXPECT_EQ(lignes[1], "0;0;0");
    // Trois quarts de période : u = -33,94 V (virgule décimale, signe moins) et uc = +33,94 V.
    EXPECT_TRUE(lignes[751].startsWith("0,015;-33,9411")) << lignes[751].toStdString();
    EXPECT_NEAR(cellule(lignes[751], 2), 33.94112, 1e-5);
    // Dernier instant, 0,01998 s : u = 33,9411 . sin(6,28318 . 50 . 0,01998) = -0,213437 V.
    EXPECT_NEAR(cellule(lignes[1000], 0), 0.01998, 1e-15);
    EXPECT_NEAR(cellule(lignes[1000], 1), -0.2134369, 1e-7);
    EXPECT_NEAR(cellule(lignes[1000], 2), 0.2134369, 1e-7);
}

TEST_F(FenetreOrvalt, ExporterSansGrandeurOuVersUnDossierAbsentNEcritRien)
{
    std::vector<QString> messages;
    int demandes = 0;
    w->montrer_message = [&](const QString &m) { messages.push_back(m); };
    w->demander_fichier_csv = [&] {
        ++demandes;
        return QStringLiteral("/dossier/qui/n/existe/pas/periode.csv");
    };
    cliquer(w, "exporter_periode");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Aucune grandeur n'est choisie")) << messages[0].toStdString();
    EXPECT_EQ(demandes, 0);

    choisir(1, 2);
    cliquer(w, "exporter_periode");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].contains("n'a pas pu être écrit")) << messages[1].toStdString();
    EXPECT_FALSE(messages[1].contains("enregistrée"));
    EXPECT_FALSE(QFile::exists("/dossier/qui/n/existe/pas/periode.csv"));
}

TEST(BoitesOscillo, LaFenetreDisparaitAvecSaBoiteDeFichierOuverte)
{
    for (bool detruire : {false, true}) {
        SCOPED_TRACE(detruire ? "fenêtre détruite" : "fenêtre fermée");
        QPointer<Redressement> w = new Redressement;
        w->show();
        auto *liste = essai::controle<QComboBox>(w, "choix_grandeur(0)");
        liste->setCurrentIndex(1);
        emit liste->activated(1);
        cliquer(w, "exporter_periode");
        QPointer<QFileDialog> boite = w->findChild<QFileDialog *>("choix_fichier_csv");
        ASSERT_FALSE(boite.isNull());
        EXPECT_TRUE(boite->isVisible());
        EXPECT_TRUE(w->isVisible()); // le programme n'attend pas la réponse
        if (detruire)
            delete w.data();
        else
            w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
        EXPECT_TRUE(boite.isNull());
    }
}

TEST(BoitesOscillo, LeFichierChoisiDansLaBoiteRecoitLaPeriode)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    auto *w = new Redressement;
    w->show();
    auto *liste = essai::controle<QComboBox>(w, "choix_grandeur(3)");
    liste->setCurrentIndex(2);
    emit liste->activated(2);
    cliquer(w, "exporter_periode");
    auto *boite = essai::controle<QFileDialog>(w, "choix_fichier_csv");
    ASSERT_NE(boite, nullptr);
    boite->selectFile(dossier.filePath("ic.csv"));
    static_cast<QDialog *>(boite)->accept(); // comme le bouton « Enregistrer »
    const QStringList lignes = lignes_csv(dossier.filePath("ic.csv"));
    ASSERT_EQ(lignes.size(), 1001);
    EXPECT_EQ(lignes[0], "t (s);ic courant dans la charge (A)");
    EXPECT_NEAR(cellule(lignes[500], 1), 1.0803805, 1e-7);
    auto *message = essai::controle<QMessageBox>(w, "message");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QDir::toNativeSeparators(dossier.filePath("ic.csv")))) << message->text().toStdString();
    delete w;
}

// --- Spectre et puissances ----------------------------------------------------------

// Une seule fenêtre du spectre, ouverte sur le courant absorbé au réseau ; elle
// suit l'angle et la f.é.m. dès leur validation, sans top ; un pont bloqué
// n'a ni facteur de puissance ni déphasage (afficheurs vides) ; le tableau
// part en CSV avec la virgule décimale.
TEST_F(FenetreOrvalt, LeSpectreSuitLeMontage)
{
    cliquer(w, "bouton_spectre");
    QPointer<oscillo::FenetreSpectre> s = w->spectre();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), "Spectre et puissances");
    EXPECT_EQ(texte(s, "choix_spectre"), "is courant absorbé par le redresseur (A)");
    cliquer(w, "bouton_spectre");
    EXPECT_EQ(w->spectre(), s.data());
    EXPECT_EQ(w->findChildren<oscillo::FenetreSpectre *>().size(), 1);

    const auto nombre = [&](const char *nom) { return texte(s, nom).replace(',', '.').toDouble(); };
    // k = (2√2/π) cos α, cos φ1 = cos α (arrondi vers le bas, comme les panneaux d'orvalt).
    const struct {
        const char *alpha;
        double k, cos_phi1;
    } cas[] = {{"0", 0.9003, 1}, {"60", 0.4501, 0.5}, {"30", 0.7796, 0.866}};
    for (const auto &c : cas) {
        remplacer("choix_alpha", c.alpha);
        entree(w, "choix_alpha");
        SCOPED_TRACE(c.alpha);
        EXPECT_NEAR(nombre("aff_fp"), c.k, 1.5e-4);
        EXPECT_NEAR(nombre("aff_cosphi1"), c.cos_phi1, 1.5e-4);
        EXPECT_EQ(texte(s, "aff_thd"), "48,34");
    }
    remplacer("choix_e", "30");
    entree(w, "choix_e");
    EXPECT_EQ(texte(s, "aff_p"), "0");
    EXPECT_EQ(texte(s, "aff_fp"), "");
    EXPECT_EQ(texte(s, "aff_cosphi1"), "");
    EXPECT_EQ(texte(s, "aff_thd"), "");

    remplacer("choix_e", "0");
    entree(w, "choix_e");
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    s->montrer_message = [](const QString &) {};
    s->demander_fichier_csv = [&] { return dossier.filePath("spectre"); };
    cliquer(s, "exporter_spectre");
    const QStringList lignes = lignes_csv(dossier.filePath("spectre.csv"));
    // En tête, les lignes libellées, une ligne vide, puis le tableau des 50 rangs.
    const QStringList attendues[] = {
        {"Programme;essais_orvalt"},
        {"Grandeur;is courant absorbé par le redresseur (A)"},
        {"Unité;A"},
        {"Angle d'amorçage α (°);30"},
        {"F.é.m. de la charge E (V);0"},
        {"Pas du balayage (s);0,0002315"},
        {"Fréquence (Hz);50"},
        {"Valeur moyenne (A);0"},
        {"Valeur efficace (A);0,9356"},
        {"Fondamental (efficace) (A);0,8424"},
        {"THD (%);48,34"},
        {"Puissances côté réseau (u, is)"},
        {"Puissance active P (W);17,51"},
        {"Puissance apparente S (VA);22,46"},
        {"Facteur de puissance k;0,7797"},
        {"Facteur de déplacement cos φ1;0,8660"},
        {""},
    };
    ASSERT_EQ(lignes.size(), std::size(attendues) + 51);
    for (std::size_t k = 0; k < std::size(attendues); ++k)
        EXPECT_EQ(lignes[k].toStdString(), attendues[k].front().toStdString());
    const int t = static_cast<int>(std::size(attendues));
    EXPECT_EQ(lignes[t], "Rang;Fréquence (Hz);Valeur efficace (A);% du fondamental;Phase (°)");
    EXPECT_EQ(lignes[t + 2], "2;100;0;0;"); // rang pair nul, sans phase
    EXPECT_TRUE(lignes[t + 3].startsWith("3;150;0,")) << lignes[t + 3].toStdString();
}

// Chaque case du tableau du spectre et la même case de son fichier CSV
// viennent de la même valeur arrondie : « 56,44 mA » à l'écran, 0,05644 dans
// le fichier ; une valeur efficace qui se lit 0 n'a ni % ni phase, et un
// fondamental ou une valeur efficace qui se lit 0 laisse vides le THD et la
// colonne des %.
TEST_F(FenetreOrvalt, LeTableauDuSpectreEtSonFichierDisentLaMemeChose)
{
    cliquer(w, "bouton_spectre");
    QPointer<oscillo::FenetreSpectre> s = w->spectre();
    ASSERT_TRUE(s);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    s->montrer_message = [](const QString &) {};
    s->demander_fichier_csv = [&] { return dossier.filePath("spectre.csv"); };
    auto *choix = essai::controle<QComboBox>(s, "choix_spectre");
    auto *table = essai::controle<QTableWidget>(s, "table_spectre");
    // « 56,44 mA » -> 0,05644 ; « 0 » -> 0.
    const auto valeur_ecran = [](const QString &t) {
        const QStringList parties = t.split(' ');
        const QString prefixes = QStringLiteral("fpnµm kMG");
        const QString u = parties.value(1);
        const int p = u.size() >= 2 ? static_cast<int>(prefixes.indexOf(u.front())) : 5;
        return QString(parties.front()).replace(',', '.').toDouble() * std::pow(10.0, 3 * (p - 5));
    };
    const struct {
        const char *alpha, *e;
        int grandeur;
    } cas[] = {{"60", "0", orvalt::i_is},   {"90", "0", orvalt::i_ic},  {"90", "0", orvalt::i_ig1},
               {"30", "10", orvalt::i_ig1}, {"0", "30", orvalt::i_is},  {"120", "-20", orvalt::i_uT1},
               {"179.9", "0", orvalt::i_iT1}, {"45", "-1e9", orvalt::i_is}};
    for (const auto &c : cas) {
        SCOPED_TRACE(std::string(c.alpha) + "° " + c.e + " V, grandeur " + std::to_string(c.grandeur));
        remplacer("choix_alpha", c.alpha);
        entree(w, "choix_alpha");
        remplacer("choix_e", c.e);
        entree(w, "choix_e");
        choix->setCurrentIndex(c.grandeur);
        s->choix_spectre_Click(c.grandeur);
        cliquer(s, "exporter_spectre");
        const QStringList lignes = lignes_csv(dossier.filePath("spectre.csv"));
        const auto debut = lignes.indexOf(QRegularExpression(QStringLiteral("^Rang;.*")));
        ASSERT_GE(debut, 0);
        ASSERT_EQ(lignes.size(), debut + 51);
        const bool rapports = texte(s, "aff_efficace") != "0" && texte(s, "aff_fondamental") != "0";
        if (!rapports) {
            EXPECT_EQ(texte(s, "aff_thd"), "");
        }
        for (int r = 0; r < 50; ++r) {
            SCOPED_TRACE(r + 1);
            QStringList csv = lignes[debut + 1 + r].split(';');
            ASSERT_EQ(csv.size(), 5);
            const QString efficace = table->item(r, 2)->text(), pourcentage = table->item(r, 3)->text(),
                          phase = table->item(r, 4)->text();
            const double ecran = valeur_ecran(efficace), fichier = csv[2].replace(',', '.').toDouble();
            EXPECT_NEAR(ecran, fichier, 1e-12 * std::fabs(fichier)) << efficace.toStdString();
            EXPECT_EQ(pourcentage, csv[3]);
            EXPECT_EQ(phase, csv[4]);
            EXPECT_FALSE(efficace.contains('e') || efficace.contains('E'));
            if (!rapports) {
                EXPECT_EQ(pourcentage, "");
            }
            if (efficace == "0") {
                EXPECT_TRUE((pourcentage.isEmpty() || pourcentage == "0") && phase.isEmpty());
            } else {
                EXPECT_TRUE(pourcentage != "0" && !phase.isEmpty());
            }
        }
    }
}

namespace {

// Les cellules d'une feuille OpenDocument à plat (.fods), rangée par rangée :
// un nombre lu par le tableur (« 0.5402 », type float) ou un texte.
struct CaseLue {
    bool nombre = false;
    QString valeur;
};
std::vector<std::vector<CaseLue>> lire_fods(const QString &chemin)
{
    QFile f(chemin);
    std::vector<std::vector<CaseLue>> rangees;
    if (!f.open(QIODevice::ReadOnly))
        return rangees;
    QXmlStreamReader xml(&f);
    CaseLue courante;
    int repetee = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("table-row"))
            rangees.emplace_back();
        else if (xml.isStartElement() && xml.name() == QLatin1String("table-cell")) {
            const auto a = xml.attributes();
            courante = {a.value("office:value-type") == QLatin1String("float"), a.value("office:value").toString()};
            repetee = std::min(a.value("table:number-columns-repeated").toInt(), 10);
            repetee = std::max(repetee, 1);
        } else if (xml.isStartElement() && xml.name() == QLatin1String("p") && !courante.nombre)
            courante.valeur += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.isEndElement() && xml.name() == QLatin1String("table-cell") && !rangees.empty())
            for (int k = 0; k < repetee; ++k)
                rangees.back().push_back(courante);
    }
    return rangees;
}

} // namespace

// Le fichier du spectre s'ouvre en tableau propre dans un tableur français et
// dans un tableur anglais : LibreOffice Calc, sans écran, le convertit en
// feuille OpenDocument dont on relit les cases ; les nombres des lignes
// libellées et des 50 rangs y sont des nombres.
TEST_F(FenetreOrvalt, LeCsvDuSpectreSeLitDansUnTableur)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice absent (paquet libreoffice-calc-nogui, installé par outils/installer.sh)";
    remplacer("choix_alpha", "60");
    entree(w, "choix_alpha");
    cliquer(w, "bouton_spectre");
    QPointer<oscillo::FenetreSpectre> s = w->spectre();
    ASSERT_TRUE(s);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    s->montrer_message = [](const QString &) {};
    const QLocale avant;
    const struct {
        QLocale langue;
        const char *filtre; // séparateur, guillemet, UTF-8, ligne 1, langue
        const char *fichier;
    } cas[] = {{QLocale(QLocale::French, QLocale::France), "CSV:59,34,76,1,,1036", "fr"},
               {QLocale(QLocale::English, QLocale::UnitedKingdom), "CSV:44,34,76,1,,2057", "en"}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.fichier);
        QLocale::setDefault(c.langue);
        s->rafraichir();
        const QString csv = dossier.filePath(QStringLiteral("%1.csv").arg(c.fichier));
        s->demander_fichier_csv = [&] { return csv; };
        cliquer(s, "exporter_spectre");
        QProcess lo;
        lo.start(soffice, {QStringLiteral("--headless"),
                           QStringLiteral("-env:UserInstallation=file://%1").arg(dossier.filePath("profil")),
                           QStringLiteral("--infilter=%1").arg(c.filtre), QStringLiteral("--convert-to"),
                           QStringLiteral("fods"), QStringLiteral("--outdir"), dossier.path(), csv});
        ASSERT_TRUE(lo.waitForFinished(120000));
        const auto rangees = lire_fods(dossier.filePath(QStringLiteral("%1.fods").arg(c.fichier)));
        ASSERT_GT(rangees.size(), 60u);
        EXPECT_EQ(rangees[0][1].valeur, QCoreApplication::applicationName());
        // Chaque ligne libellée porte sa valeur en nombre (sauf les textes).
        int nombres = 0;
        std::size_t entetes = 0;
        for (std::size_t r = 0; r < rangees.size(); ++r) {
            if (!rangees[r].empty() && rangees[r][0].valeur == oscillo::FenetreSpectre::tr("Rang"))
                entetes = r;
            if (entetes == 0 && rangees[r].size() >= 2 && rangees[r][1].nombre)
                ++nombres;
        }
        EXPECT_GE(nombres, 10); // α, E, pas, f, moyenne, efficace, fondamental, THD, P, S, k, cos φ1
        ASSERT_GT(entetes, 0u);
        ASSERT_GE(rangees.size(), entetes + 51);
        const oscillo::ContenuSpectre &contenu = s->contenu();
        for (int n = 1; n <= 50; ++n) {
            const auto &rangee = rangees[entetes + n];
            SCOPED_TRACE(n);
            ASSERT_GE(rangee.size(), 3u);
            EXPECT_TRUE(rangee[0].nombre && rangee[1].nombre && rangee[2].nombre);
            EXPECT_EQ(rangee[0].valeur.toInt(), n);
            EXPECT_DOUBLE_EQ(rangee[2].valeur.toDouble(), std::stod(contenu.lignes[n - 1].efficace.decimal()));
        }
    }
    QLocale::setDefault(avant);
}

// Le pointeur sur le diagramme marque un rang et le choisit dans le tableau ;
// une case choisie du tableau marque son rang. Sans imprimante, « Imprimer… »
// enregistre un PDF fait de textes et de traits, petit.
TEST_F(FenetreOrvalt, LeSpectreMarqueUnRangEtSImprime)
{
    cliquer(w, "bouton_spectre");
    QPointer<oscillo::FenetreSpectre> s = w->spectre();
    ASSERT_TRUE(s);
    auto *table = essai::controle<QTableWidget>(s, "table_spectre");
    QWidget *diagramme = essai::controle(s, "diagramme_spectre");
    const int x3 = static_cast<int>(std::lround(
        [&] {
            for (int x = 0; x < diagramme->width(); ++x)
                if (oscillo::rang_sous(QRectF(diagramme->rect()), x, diagramme->font()) == 3)
                    return static_cast<double>(x);
            return -1.0;
        }()));
    ASSERT_GE(x3, 0);
    s->diagramme_MouseMove(x3);
    EXPECT_EQ(s->rang_marque(), 3);
    EXPECT_EQ(table->currentRow(), 2);
    table->setCurrentCell(12, 0);
    EXPECT_EQ(s->rang_marque(), 13);
    // Les rangs 1 à 13 se lisent sans faire défiler le tableau.
    table->scrollToTop();
    EXPECT_TRUE(table->viewport()->rect().contains(table->visualItemRect(table->item(12, 4))));

    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("spectre.pdf");
    QString message;
    s->montrer_message = [&](const QString &m) { message = m; };
    s->imprimante_disponible = [] { return false; };
    s->demander_fichier_pdf = [&] { return chemin; };
    cliquer(s, "imprimer_spectre");
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(chemin))) << message.toStdString();
    EXPECT_LT(QFileInfo(chemin).size(), 100 * 1024);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext absent (paquet poppler-utils, installé par outils/installer.sh)";
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {chemin, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString texte_pdf = QString::fromUtf8(p.readAllStandardOutput());
    const QString efficace = texte(s, "aff_efficace") + ' ' + texte(s, "aff_efficace_unite");
    for (const QString &attendu : {QStringLiteral("Spectre de is"), QStringLiteral("Rang de l'harmonique"),
                                   QStringLiteral("48,34 %"), efficace})
        EXPECT_TRUE(texte_pdf.contains(attendu)) << attendu.toStdString();
}
