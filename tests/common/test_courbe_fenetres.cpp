// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtres de l'enregistreur de courbes et de l'aperçu avant impression,
// pilotées hors écran par les noms des contrôles, sur un banc factice.
#include "apercu_impression.h"
#include "courbe.h"
#include "fichier_sur.h"
#include "reglages.h"
#include "garde_points.h"
#include "outils_fenetres.h"
#include "traductions.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <map>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using essai::texte;

namespace {

// Banc factice : trois afficheurs dont les tests écrivent le texte.
struct Banc {
    std::map<std::string, std::string> textes;
    courbe::CourbeEnregistree etat;
    courbe::Variante variante;
    std::unique_ptr<TraceurCourbes> traceur;
    std::vector<QString> messages;

    // « programme » : nom sous lequel les points sont gardés ; vide, ils ne le sont pas.
    explicit Banc(std::string programme = {})
    {
        variante.programme = std::move(programme);
        variante.pas_arrondi = true;
        variante.grandeurs = {
            {"Tension d'induit : U", "U (V)", [this] { return textes["U"]; }},
            {"Intensité : I", "I (A)", [this] { return textes["I"]; }},
            {"fréquence de rotation n en tr/min", "n (tr/min)", [this] { return textes["n"]; }},
        };
        traceur = std::make_unique<TraceurCourbes>(etat, variante);
    }
    ~Banc()
    {
        delete traceur->apercu();
        delete traceur->courbe();
    }

    Courbe *ouvrir()
    {
        Courbe *c = traceur->ouvrir_courbe();
        c->montrer_message = [this](const QString &m) { messages.push_back(m); };
        return c;
    }
    ApercuImpression *apercu()
    {
        ApercuImpression *a = traceur->ouvrir_apercu();
        a->montrer_message = [this](const QString &m) { messages.push_back(m); };
        return a;
    }
};

void choisir(QWidget *fenetre, const char *liste, int position)
{
    auto *l = essai::controle<QComboBox>(fenetre, QString::fromUtf8(liste));
    l->setCurrentIndex(position);
    emit l->activated(position); // comme un choix de l'élève à la souris
}

// Axes choisis et validés : U en abscisse, n en ordonnée.
Courbe *enregistreur_pret(Banc &b)
{
    Courbe *c = b.ouvrir();
    choisir(c, "choix_x", 0);
    choisir(c, "choix_y", 2);
    essai::cliquer(c, "valid");
    return c;
}

void placer(Banc &b, Courbe *c, const char *U, const char *n)
{
    b.textes["U"] = U;
    b.textes["n"] = n;
    essai::cliquer(c, "place_point");
}

bool visible(QWidget *f, const char *nom)
{
    return essai::controle(f, QString::fromUtf8(nom))->isVisibleTo(f);
}

// Couleur de la surface au point (x, y) en twips.
QColor pixel(const Feuille *f, double x, double y)
{
    const QImage &s = f->surface();
    const qreal r = s.devicePixelRatio();
    return s.pixelColor(static_cast<int>(x / twips::par_pixel * r), static_cast<int>(y / twips::par_pixel * r));
}

// Un pixel noir dans le carré de 3 pixels autour de (x, y) en twips.
bool noir_pres_de(const Feuille *f, double x, double y)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (pixel(f, x + dx * twips::par_pixel, y + dy * twips::par_pixel) == QColor(Qt::black))
                return true;
    return false;
}

} // namespace

// --- L'enregistreur ------------------------------------------------------------

TEST(Enregistreur, PremiereOuvertureToutEstVisible)
{
    Banc b;
    Courbe *c = b.ouvrir();
    EXPECT_EQ(c->objectName(), "courbe");
    EXPECT_EQ(c->windowTitle(), "Tracé d'une courbe");
    for (const char *nom : {"frame_axe", "choix_x", "choix_y", "valid", "place_point", "annulle", "change_axe",
                            "impression", "Label_x", "Label_y", "label_xmax", "label_ymax"})
        EXPECT_TRUE(visible(c, nom)) << nom;
    auto *choix_x = essai::controle<QComboBox>(c, "choix_x");
    ASSERT_EQ(choix_x->count(), 3);
    EXPECT_EQ(choix_x->itemText(2), "fréquence de rotation n en tr/min");
    EXPECT_EQ(essai::controle<QGroupBox>(c, "frame_axe")->title(), "Choix des axes");
    EXPECT_EQ(texte(c, "place_point"), "Placer un nouveau point");
    EXPECT_EQ(texte(c, "annulle"), "Enlever le dernier point");
    EXPECT_EQ(texte(c, "change_axe"), "Changer les axes et/ou recommencer");
    EXPECT_EQ(texte(c, "impression"), "Analyse de la courbe et impression");
    EXPECT_EQ(texte(c, "label_xmax"), "xmax");
    EXPECT_EQ(texte(c, "label_ymax"), "y max");
    EXPECT_EQ(texte(c, "libelle_choix_x"), "Grandeur placée sur l'axe des abscisses");
    auto *t = essai::controle<QTimer>(c, "Timer1");
    EXPECT_EQ(t->interval(), 3000);
    EXPECT_TRUE(t->isActive());
}

TEST(Enregistreur, ChoisirLesAxesPuisValiderPasseEnEnregistrement)
{
    Banc b;
    Courbe *c = b.ouvrir();
    c->recommencer();
    EXPECT_TRUE(visible(c, "frame_axe"));
    EXPECT_FALSE(visible(c, "valid"));
    EXPECT_FALSE(visible(c, "place_point"));
    choisir(c, "choix_x", 0);
    EXPECT_EQ(b.etat.grandeur_x, 1);
    EXPECT_EQ(texte(c, "Label_x"), "U (V)");
    EXPECT_FALSE(visible(c, "valid")); // l'autre axe manque encore
    choisir(c, "choix_y", 2);
    EXPECT_EQ(b.etat.grandeur_y, 3);
    EXPECT_EQ(texte(c, "Label_y"), "n (tr/min)");
    EXPECT_TRUE(visible(c, "valid"));

    essai::cliquer(c, "valid");
    EXPECT_FALSE(visible(c, "valid"));
    EXPECT_FALSE(visible(c, "frame_axe"));
    for (const char *nom : {"place_point", "annulle", "change_axe", "impression"})
        EXPECT_TRUE(visible(c, nom)) << nom;
    EXPECT_EQ(texte(c, "choix_x"), "");
    EXPECT_EQ(texte(c, "choix_y"), "");
}

TEST(Enregistreur, UnPointLuSurLeBancEstMarqueAuBoutDesAxes)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "220", "1249");
    EXPECT_EQ(b.etat.nb_points, 1);
    EXPECT_EQ(b.etat.x_point[1], 220.0f);
    EXPECT_EQ(b.etat.y_point[1], 1249.0f);
    EXPECT_EQ(texte(c, "label_xmax"), "220");
    EXPECT_EQ(texte(c, "label_ymax"), "1249");
    EXPECT_EQ(c->pos_x(1), 10080);
    EXPECT_EQ(c->pos_y(1), 480);
    EXPECT_TRUE(noir_pres_de(c, 10080 - 30, 480)); // bras gauche de la croix
    // 220 : pas 50, première graduation à 4800 + 50 x 24 = 6000.
    EXPECT_EQ(texte(c, "label_echelle_x"), "50");
    EXPECT_EQ(essai::controle(c, "label_echelle_x")->x(), twips::px(5900));
    EXPECT_TRUE(noir_pres_de(c, 6000, 1790));
    // 1249 : pas 200, première graduation à 1740 - 200/1249 x 1260 = 1538.2.
    EXPECT_EQ(texte(c, "label_echelle_y"), "200");
    EXPECT_EQ(essai::controle(c, "label_echelle_y")->y(), twips::px(1438.24));

    placer(b, c, "110", "600");
    EXPECT_EQ(c->pos_x(2), 7440);
    EXPECT_EQ(c->pos_y(2), 1134); // 1740 - 600/1249 x 1260 = 1134.7
    EXPECT_EQ(texte(c, "label_xmax"), "220");
}

TEST(Enregistreur, LeGrapheSuitLesExtremitesDesAxes)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "100", "50");
    auto *ligne_x = c->findChild<Ligne *>("ligne_x");
    ASSERT_NE(ligne_x, nullptr);
    ligne_x->setX2(9000);
    c->Timer1_Timer();
    EXPECT_EQ(c->pos_x(1), 9000);
}

TEST(Enregistreur, LaMinuterieEtUnClicSurLeFondRedessinent)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "100", "50");
    // Un point posé sans passer par le bouton n'apparaît qu'au tracé suivant.
    b.textes["U"] = "50";
    b.textes["n"] = "25";
    courbe::placer_point(b.etat, b.variante);
    EXPECT_EQ(c->pos_x(2), 0);
    c->Timer1_Timer();
    EXPECT_EQ(c->pos_x(2), 7440);

    courbe::enlever_dernier_point(b.etat, b.variante);
    b.textes["U"] = "25";
    courbe::placer_point(b.etat, b.variante);
    QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, QPoint(700, 220));
    EXPECT_EQ(c->pos_x(2), 6120); // 4800 + 5280 / 4
}

TEST(Enregistreur, Le101ePointEstRefuseAvecUnMessage)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    for (int i = 1; i <= 100; ++i) {
        b.textes["U"] = std::to_string(i);
        courbe::placer_point(b.etat, b.variante);
    }
    placer(b, c, "500", "500");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].contains("100 points"));
    EXPECT_EQ(b.etat.nb_points, 100);
    EXPECT_EQ(b.etat.xmax, 100.0);
    EXPECT_EQ(texte(c, "label_xmax"), "xmax"); // rien n'a changé
}

TEST(Enregistreur, EnleverSansPointAfficheDesMaximaNuls)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    essai::cliquer(c, "annulle");
    EXPECT_EQ(b.etat.nb_points, 0);
    EXPECT_EQ(texte(c, "label_xmax"), "0");
    EXPECT_EQ(texte(c, "label_ymax"), "0");
}

TEST(Enregistreur, EnleverLePointDuMaximumRedessineALaNouvelleEchelle)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "50", "500");
    placer(b, c, "200", "1000");
    EXPECT_EQ(c->pos_x(1), 6120); // 50 / 200 de 5280
    EXPECT_EQ(c->pos_y(1), 1110); // 500 / 1000 de 1260
    essai::cliquer(c, "annulle");
    EXPECT_EQ(texte(c, "label_xmax"), "50");
    EXPECT_EQ(texte(c, "label_ymax"), "500");
    EXPECT_EQ(c->pos_x(1), 10080);
    EXPECT_EQ(c->pos_y(1), 480);
    // La croix du point restant a quitté son ancienne place.
    EXPECT_EQ(pixel(c, 6120 - 30, 1110), QColor(Qt::white));
    EXPECT_TRUE(noir_pres_de(c, 10080 - 30, 480));
}

TEST(Enregistreur, UneCroixHorsDesAxesNeResteJamaisApresSonRetrait)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "100", "100");
    placer(b, c, "-50", "50"); // à 4800 - 2640 = 2160, hors des zones blanches
    EXPECT_EQ(c->pos_x(2), 2160);
    EXPECT_TRUE(noir_pres_de(c, 2160, c->pos_y(2)));
    const int y = c->pos_y(2);
    essai::cliquer(c, "annulle");
    EXPECT_EQ(pixel(c, 2160, y), c->couleurFond());
}

TEST(Enregistreur, RecommencerEffaceLeGrapheEtRedemandeLesAxes)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "220", "1249");
    placer(b, c, "110", "600");
    essai::cliquer(c, "change_axe");
    EXPECT_EQ(b.etat.nb_points, 0);
    EXPECT_EQ(b.etat.grandeur_x, 0);
    for (const char *nom : {"label_echelle_x", "label_echelle_y", "Label_x", "Label_y", "label_xmax", "label_ymax"})
        EXPECT_EQ(texte(c, nom), "") << nom;
    EXPECT_TRUE(visible(c, "frame_axe"));
    for (const char *nom : {"valid", "place_point", "annulle", "change_axe", "impression"})
        EXPECT_FALSE(visible(c, nom)) << nom;
    EXPECT_EQ(pixel(c, 7440, 1134), QColor(Qt::white));
    EXPECT_EQ(pixel(c, 10080 - 30, 480), QColor(Qt::white));
    EXPECT_EQ(essai::controle<QComboBox>(c, "choix_x")->count(), 3);
}

TEST(Enregistreur, RouvrirGardeLesPoints)
{
    Banc b;
    QPointer<Courbe> c = enregistreur_pret(b);
    placer(b, c, "220", "1249");
    c->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(c.isNull());
    Courbe *d = b.ouvrir();
    EXPECT_EQ(b.etat.nb_points, 1);
    EXPECT_EQ(texte(d, "Label_x"), "U (V)");
    EXPECT_EQ(texte(d, "label_xmax"), "220");
    // Redessinés dès l'ouverture, sans attendre la minuterie.
    EXPECT_EQ(d->pos_x(1), 10080);
    EXPECT_TRUE(noir_pres_de(d, 10080 - 30, 480));
}

// --- L'aperçu -------------------------------------------------------------------

namespace {

// Enregistreur prêt, points placés, aperçu ouvert et dessiné.
ApercuImpression *apercu_avec(Banc &b, std::initializer_list<std::pair<const char *, const char *>> points)
{
    Courbe *c = enregistreur_pret(b);
    for (auto [U, n] : points)
        placer(b, c, U, n);
    essai::cliquer(c, "impression");
    ApercuImpression *a = b.apercu();
    a->Timer1_Timer();
    return a;
}

} // namespace

TEST(Apercu, PremierTraceApres50ms)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"220", "1249"}, {"110", "600"}});
    EXPECT_EQ(a->objectName(), "apercu_impression");
    EXPECT_EQ(a->windowTitle(), "Aperçu avant impression");
    auto *t = essai::controle<QTimer>(a, "Timer1");
    EXPECT_EQ(t->interval(), 50);
    EXPECT_FALSE(t->isActive()); // une seule fois
    EXPECT_FALSE(essai::controle(a, "aff_coord")->isVisibleTo(a));
    EXPECT_EQ(texte(a, "Label_x"), "U (V)");
    EXPECT_EQ(texte(a, "Label_y"), "n (tr/min)");
    EXPECT_EQ(texte(a, "label_xmax"), "220");
    EXPECT_EQ(texte(a, "label_ymax"), "1249");
    EXPECT_EQ(texte(a, "label_echelle_x"), "50");
    EXPECT_EQ(texte(a, "label_echelle_y"), "200");
    EXPECT_EQ(texte(a, "interpol"), "Tracer la courbe (cas d'un graphe avec une seule courbe)");
    EXPECT_EQ(texte(a, "Text1"), "");
    // 110/220 de 8482 depuis 1140 ; 600/1249 de 5677 au-dessus de 6367.
    EXPECT_EQ(a->x_ecran(1), 9622);
    EXPECT_EQ(a->y_ecran(1), 690);
    EXPECT_EQ(a->x_ecran(2), 5381);
    EXPECT_EQ(a->y_ecran(2), 3639); // 6367 - 2727.14
    EXPECT_TRUE(noir_pres_de(a, 5381 - 30, 3639));
    // Grille gris clair : première verticale à 1140 + 50/220 x 8482 = 3067.8.
    bool gris = false;
    for (double x : {3052.8, 3067.8, 3082.8})
        for (double y = 1000; y < 6000; y += 15)
            gris = gris || pixel(a, x, y) == QColor(192, 192, 192);
    EXPECT_TRUE(gris);
}

TEST(Apercu, LaGrilleEstUnPointilleFinDUnPixel)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"220", "1249"}});
    // Horizontale de la première graduation : 6360 - 200/1249 x 5677 = 5451.0.
    // À 3 pixels au-dessus et au-dessous, la page reste blanche.
    int gris_sur = 0, gris_autour = 0;
    for (double x = 2000; x < 9000; x += 15) {
        gris_sur += pixel(a, x, 5451) == QColor(192, 192, 192) ? 1 : 0;
        gris_autour += pixel(a, x, 5451 - 45) != QColor(Qt::white) ? 1 : 0;
        gris_autour += pixel(a, x, 5451 + 45) != QColor(Qt::white) ? 1 : 0;
    }
    EXPECT_GT(gris_sur, 50);   // des points sur la ligne...
    EXPECT_LT(gris_sur, 420);  // ...avec des trous : pointillé
    EXPECT_EQ(gris_autour, 0); // et rien d'épais autour
}

TEST(Apercu, DeuxPointsDonnentLaDroiteDuPlusAGaucheAuBoutDeLAxe)
{
    Banc b;
    // Le point de droite d'abord : le tracé part quand même du plus à gauche.
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"50", "40"}});
    ASSERT_EQ(a->x_ecran(2), 5381);
    ASSERT_EQ(a->y_ecran(2), 4096); // 6367 - 0.4 x 5677
    essai::cliquer(a, "interpol");
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(a->courbe_tracee());
    EXPECT_EQ(texte(a, "interpol"), "Effacer la courbe (seuls les points apparaissent)");
    // Droite de (5381, 4096) à (9622, 690) : pente -3406/4241.
    EXPECT_TRUE(noir_pres_de(a, 7501, 2393));
    // Son prolongement à gauche du point le plus à gauche n'est pas tracé.
    EXPECT_FALSE(noir_pres_de(a, 3000, 6008));

    essai::cliquer(a, "interpol"); // efface
    EXPECT_FALSE(a->courbe_tracee());
    EXPECT_EQ(texte(a, "interpol"), "Tracer la courbe (cas d'un graphe avec une seule courbe)");
    EXPECT_FALSE(noir_pres_de(a, 7501, 2393));
}

TEST(Apercu, NeufPointsSAjustentDixDonnentLeMessage)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    for (int i = 1; i <= 9; ++i)
        placer(b, c, std::to_string(10 * i).c_str(), std::to_string(100 + 7 * i * i).c_str());
    ApercuImpression *a = b.apercu();
    a->Timer1_Timer();
    essai::cliquer(a, "interpol");
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(a->courbe_tracee());
    EXPECT_EQ(a->coefficients().size(), 9u);

    placer(b, c, "100", "900");
    essai::cliquer(a, "actualiser");
    essai::cliquer(a, "interpol");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0], "Nombre de points trop grand ou trop petit : interpolation impossible. Imprimez et "
                             "tracez la courbe manuellement");
    EXPECT_FALSE(a->courbe_tracee()); // redessiné sans courbe
    EXPECT_EQ(texte(a, "interpol"), "Tracer la courbe (cas d'un graphe avec une seule courbe)");
}

TEST(Apercu, DeuxPointsALaMemeAbscisseSontRefuses)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "500"}, {"100", "900"}, {"50", "200"}});
    ASSERT_EQ(a->x_ecran(1), a->x_ecran(2));
    essai::cliquer(a, "interpol");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].startsWith("Nombre de points trop grand ou trop petit"));
    EXPECT_FALSE(a->courbe_tracee());
}

TEST(Apercu, LaLectureDesCoordonneesSuitLePointeurStrictementDansLeGraphe)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}});
    QLabel *aff = essai::controle<QLabel>(a, "aff_coord");
    auto bouger = [a](int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), a->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(a, &e);
    };
    bouger(300, 200); // 4500, 3000 twips
    ASSERT_TRUE(aff->isVisibleTo(a));
    // 100 x 3360 / 8482 = 39.613 ; 100 x 3367 / 5677 = 59.309
    EXPECT_EQ(aff->text(), "X =39.61 ;   Y =  59.31");
    EXPECT_EQ(aff->pos(), QPoint(317, 207)); // 4750 et 3100 twips
    bouger(76, 200); // exactement sur ligne_y (1140 twips)
    EXPECT_FALSE(aff->isVisibleTo(a));
    a->Form_MouseMove(5000, 6367); // bas de ligne_y
    EXPECT_FALSE(aff->isVisibleTo(a));
    a->Form_MouseMove(9622, 3000);
    EXPECT_FALSE(aff->isVisibleTo(a));
    a->Form_MouseMove(5000, 690);
    EXPECT_FALSE(aff->isVisibleTo(a));
    // Près du bord droit, la lecture passe à gauche du pointeur, lisible en entier.
    a->Form_MouseMove(9600, 3000);
    ASSERT_TRUE(aff->isVisibleTo(a));
    EXPECT_LE(aff->geometry().right(), a->width());
}

TEST(Apercu, NeModifieJamaisLEtatDeLEnregistreur)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"50", "40"}, {"75", "60"}});
    const courbe::CourbeEnregistree avant = b.etat;
    essai::cliquer(a, "interpol");
    essai::cliquer(a, "actualiser");
    a->Form_MouseMove(4500, 3000);
    essai::cliquer(a, "interpol");
    EXPECT_EQ(b.etat.nb_points, avant.nb_points);
    EXPECT_EQ(b.etat.grandeur_x, avant.grandeur_x);
    EXPECT_EQ(b.etat.grandeur_y, avant.grandeur_y);
    EXPECT_EQ(b.etat.x_point, avant.x_point);
    EXPECT_EQ(b.etat.y_point, avant.y_point);
    EXPECT_EQ(b.etat.xmax, avant.xmax);
    EXPECT_EQ(b.etat.ymax, avant.ymax);
    EXPECT_EQ(b.etat.pas_x, avant.pas_x);
    EXPECT_EQ(b.etat.pas_y, avant.pas_y);
}

TEST(Apercu, ActualiserPrendLesPointsEnregistresDepuisLOuverture)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}});
    placer(b, b.traceur->courbe(), "200", "50");
    EXPECT_EQ(texte(a, "label_xmax"), "100");
    essai::cliquer(a, "actualiser");
    EXPECT_EQ(texte(a, "label_xmax"), "200");
    EXPECT_EQ(a->x_ecran(1), 5381);
    EXPECT_EQ(a->x_ecran(2), 9622);
    EXPECT_EQ(a->y_ecran(2), 3528); // 6367 - 5677 / 2 = 3528.5
}

TEST(Apercu, UneCourbeEffaceeNeLaisseRienSousLAxeX)
{
    Banc b;
    // Cubique par deux points hauts et deux points bas : entre les deux bas
    // (5381 et 7501), elle plonge vers 6800, sous l'axe x (6360).
    ApercuImpression *a = apercu_avec(b, {{"10", "100"}, {"40", "2"}, {"60", "2"}, {"80", "100"}});
    essai::cliquer(a, "interpol");
    const double x = 6441;
    const double y = std::floor(courbe::polynome(a->coefficients(), x));
    ASSERT_GT(y, a->repere().Y0 + 200);
    EXPECT_TRUE(noir_pres_de(a, x, y));
    essai::cliquer(a, "interpol");
    EXPECT_FALSE(noir_pres_de(a, x, y));
}

// --- Impression --------------------------------------------------------------------

// Imprimer ne touche pas la fenêtre : aucun contrôle caché, montré ou privé
// du focus pendant que la page se dessine ; la page n'a pas les boutons.
TEST(Impression, ImprimerLaisseLaFenetreTelleQuelle)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"37", "53"}});
    essai::controle<QLineEdit>(a, "Text1")->setText("Vitesse en fonction de U");
    a->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a));
    QWidget *impression = essai::controle(a, "impression");
    impression->setFocus(Qt::TabFocusReason);

    struct Espion : QObject {
        int evenements = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            const auto t = e->type();
            evenements += t == QEvent::Hide || t == QEvent::Show || t == QEvent::FocusOut || t == QEvent::FocusIn ||
                           t == QEvent::Move || t == QEvent::Resize;
            return false;
        }
    } espion;
    for (QWidget *w : a->findChildren<QWidget *>())
        w->installEventFilter(&espion);
    QImage page(a->size(), QImage::Format_RGB32);
    page.fill(Qt::red);
    {
        QPainter p(&page);
        a->rendre_page(p, QRectF(0, 0, page.width(), page.height()));
    }
    EXPECT_EQ(espion.evenements, 0);
    EXPECT_TRUE(impression->hasFocus());
    for (const char *nom : {"interpol", "actualiser"}) {
        QWidget *bouton = essai::controle(a, nom);
        EXPECT_EQ(page.pixelColor(bouton->geometry().center()), QColor(Qt::white)) << nom;
    }
    // Le dessin est sur la page : la croix du point (4278, 3358).
    ASSERT_EQ(a->x_ecran(2), 4278); // 1140 + 0.37 x 8482
    ASSERT_EQ(a->y_ecran(2), 3358); // 6367 - 0.53 x 5677
    bool croix = false;
    for (int d = -1; d <= 1; ++d)
        croix = croix || page.pixelColor(twips::px(4278 - 30), twips::px(3358) + d).lightness() < 100;
    EXPECT_TRUE(croix);
}

// L'écran et la page sortent du même dessin : la page rendue à l'échelle de
// la fenêtre (un pixel pour 15 twips) reproduit la surface pixel pour pixel
// au-dessus du titre, hors des textes (des labels à l'écran) ; seule la
// grille y est d'un gris plus foncé.
TEST(Impression, LaPageEtLEcranOntLeMemeDessin)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"37", "53"}, {"70", "90"}});
    essai::cliquer(a, "interpol");
    ASSERT_TRUE(a->courbe_tracee());
    QImage page(a->size(), QImage::Format_RGB32);
    {
        QPainter p(&page);
        a->rendre_page(p, QRectF(0, 0, page.width(), page.height()));
    }
    const QImage &ecran = a->surface();
    ASSERT_EQ(ecran.devicePixelRatio(), 1.0);
    std::vector<QRect> textes;
    for (const QLabel *l : a->findChildren<QLabel *>())
        textes.push_back(l->geometry().adjusted(-2, -2, 2, 2));
    const QColor gris_ecran(192, 192, 192), gris_page(128, 128, 128);
    int noirs = 0, gris = 0, ecarts = 0;
    for (int y = 0; y < twips::px(6810); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (std::any_of(textes.begin(), textes.end(), [&](const QRect &r) { return r.contains(x, y); }))
                continue;
            const QColor e = ecran.pixelColor(x, y), p = page.pixelColor(x, y);
            gris += e == gris_ecran && p == gris_page;
            noirs += e == QColor(Qt::black) && p == e;
            ecarts += e == gris_ecran ? p != gris_page : p != e;
        }
    EXPECT_EQ(ecarts, 0);
    EXPECT_GT(noirs, 2000); // axes, flèches, croix et courbe
    EXPECT_GT(gris, 300);   // la grille
}

// Le PDF de l'aperçu est fait de traits et de textes : pdftotext y lit le
// titre, les légendes des axes et le programme, pdfimages n'y trouve aucune
// image, pdffonts y voit des polices incorporées, et le fichier reste petit.
TEST(Impression, LePDFEstVectorielEtPetit)
{
    for (const char *outil : {"pdftotext", "pdfimages", "pdffonts"})
        if (QStandardPaths::findExecutable(QString::fromUtf8(outil)).isEmpty())
            GTEST_SKIP() << outil << " absent (paquet poppler-utils, installé par outils/installer.sh)";
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"50", "40"}, {"75", "60"}});
    essai::controle<QLineEdit>(a, "Text1")->setText("Vitesse en fonction de U");
    essai::cliquer(a, "interpol");
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("courbe.pdf");
    ASSERT_TRUE(a->enregistrer_pdf(chemin).reussie);
    EXPECT_LT(QFileInfo(chemin).size(), 100 * 1024);
    const auto sortie = [&](const char *outil, QStringList arguments) {
        QProcess p;
        arguments << chemin;
        if (QString::fromUtf8(outil) == "pdftotext")
            arguments << QStringLiteral("-");
        p.start(QString::fromUtf8(outil), arguments);
        EXPECT_TRUE(p.waitForFinished(20000)) << outil;
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString texte_pdf = sortie("pdftotext", {});
    for (const char *attendu : {"Vitesse en fonction de U", "U (V)", "100"})
        EXPECT_TRUE(texte_pdf.contains(QString::fromUtf8(attendu))) << attendu << "\n" << texte_pdf.toStdString();
    EXPECT_TRUE(texte_pdf.contains(QCoreApplication::applicationName())) << texte_pdf.toStdString();
    // En-tête de deux lignes, puis une ligne par image.
    EXPECT_EQ(sortie("pdfimages", {QStringLiteral("-list")}).trimmed().split('\n').size(), 2);
    const QStringList polices = sortie("pdffonts", {}).trimmed().split('\n');
    ASSERT_GT(polices.size(), 2);
    for (qsizetype k = 2; k < polices.size(); ++k)
        EXPECT_TRUE(polices[k].contains(QStringLiteral(" yes "))) << polices[k].toStdString();
}

TEST(Impression, SansImprimanteLaPageVaDansUnPDFChoisi)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"50", "40"}});
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("courbe.pdf");
    a->imprimante_disponible = [] { return false; };
    a->demander_fichier_pdf = [&] { return chemin; };
    essai::cliquer(a, "impression");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].contains(QDir::toNativeSeparators(chemin))) << b.messages[0].toStdString();
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray contenu = f.readAll();
    EXPECT_TRUE(contenu.startsWith("%PDF"));
    // Une seule page : « /Type /Page » sans le « s » de l'arbre des pages.
    EXPECT_EQ(contenu.count("/Type /Page\n") + contenu.count("/Type /Page "), 1) << contenu.left(2000).toStdString();
}

TEST(Impression, RenoncerAuFichierNEcritRien)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}});
    a->imprimante_disponible = [] { return false; };
    a->demander_fichier_pdf = [] { return QString(); };
    essai::cliquer(a, "impression");
    EXPECT_TRUE(b.messages.empty());
}

TEST(Impression, UnFichierImpossibleAEcrireEstSignale)
{
    Banc b;
    ApercuImpression *a = apercu_avec(b, {{"100", "100"}});
    a->imprimante_disponible = [] { return false; };
    a->demander_fichier_pdf = [] { return QStringLiteral("/dossier/qui/n/existe/pas/courbe.pdf"); };
    essai::cliquer(a, "impression");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].contains("n'a pas pu être écrit"));
}

// --- xmax de l'aperçu ----------------------------------------------------------------

TEST(Apercu, XmaxEcritAuPlusCourtCommeLeFloatEnregistre)
{
    const struct {
        const char *abscisse, *attendu;
    } cas[] = {
        {"0.1", "0.1"}, // et non 0.100000001490116
        {"2.736", "2.736"},
        {"1.0000001", "1.0000001"}, // le float qui suit 1, distinct de 1
        {"220", "220"},
        {"123456789", "123456790"}, // rangé 123456792 en simple précision
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.abscisse);
        Banc b;
        ApercuImpression *a = apercu_avec(b, {{c.abscisse, "0.1"}});
        EXPECT_EQ(texte(a, "label_xmax"), c.attendu);
        EXPECT_EQ(texte(a, "label_ymax"), "0.1");
    }
}

// --- Boîtes encore ouvertes quand leur fenêtre disparaît ------------------------------

namespace {

enum class Boite { message_enregistreur, message_apercu, fichier_pdf, fichier_csv };

// Ouvre la boîte demandée telle que le programme la montre (sans les
// remplacements des tests) et rend la fenêtre qui la porte.
Feuille *ouvrir_boite(Banc &b, Boite quoi)
{
    Courbe *c = b.traceur->ouvrir_courbe();
    choisir(c, "choix_x", 0);
    choisir(c, "choix_y", 2);
    essai::cliquer(c, "valid");
    if (quoi == Boite::message_enregistreur) {
        for (int i = 1; i <= courbe::capacite + 1; ++i) // le 101e point : liste pleine
            placer(b, c, std::to_string(i).c_str(), "1249");
        return c;
    }
    placer(b, c, "220", "1249"); // un seul point : pas d'ajustement possible
    if (quoi == Boite::fichier_csv) {
        essai::cliquer(c, "exporter_points");
        return c;
    }
    essai::cliquer(c, "impression");
    ApercuImpression *a = b.traceur->ouvrir_apercu();
    a->Timer1_Timer();
    if (quoi == Boite::message_apercu) {
        essai::cliquer(a, "interpol");
    } else {
        a->imprimante_disponible = [] { return false; };
        essai::cliquer(a, "impression");
    }
    return a;
}

} // namespace

TEST(Boites, LaFenetreDisparaitAvecSaBoiteOuverte)
{
    // Fermée par code (elle se détruit alors d'elle-même) ou détruite comme à
    // la sortie du programme : la boîte part avec sa fenêtre, une seule fois.
    const struct {
        Boite quoi;
        const char *nom_boite;
        bool detruire;
    } cas[] = {
        {Boite::message_enregistreur, "message", false}, {Boite::message_enregistreur, "message", true},
        {Boite::message_apercu, "message", false},       {Boite::message_apercu, "message", true},
        {Boite::fichier_pdf, "choix_fichier_pdf", false}, {Boite::fichier_pdf, "choix_fichier_pdf", true},
        {Boite::fichier_csv, "choix_fichier_csv", false}, {Boite::fichier_csv, "choix_fichier_csv", true},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(std::string(c.nom_boite) + (c.detruire ? ", fenêtre détruite" : ", fenêtre fermée") + " (" +
                     std::to_string(static_cast<int>(c.quoi)) + ")");
        Banc b;
        QPointer<Feuille> fenetre = ouvrir_boite(b, c.quoi);
        ASSERT_FALSE(fenetre.isNull());
        QPointer<QWidget> boite = fenetre->findChild<QWidget *>(QString::fromUtf8(c.nom_boite));
        ASSERT_FALSE(boite.isNull());
        EXPECT_TRUE(boite->isVisible());
        EXPECT_TRUE(fenetre->isVisible()); // le programme n'attend pas la réponse
        if (c.detruire)
            delete fenetre.data();
        else
            fenetre->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(fenetre.isNull());
        EXPECT_TRUE(boite.isNull());
    }
}

TEST(Boites, LeFichierChoisiDansLaBoiteRecoitLaPage)
{
    // Un seul cas : chaque page PDF coûte plusieurs secondes.
    const struct {
        const char *choisi, *ecrit;
    } cas[] = {
        {"page", "page.pdf"}, // l'extension est ajoutée
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.choisi);
        Banc b;
        QTemporaryDir dossier;
        ASSERT_TRUE(dossier.isValid());
        auto *a = static_cast<ApercuImpression *>(ouvrir_boite(b, Boite::fichier_pdf));
        auto *boite = essai::controle<QFileDialog>(a, "choix_fichier_pdf");
        ASSERT_NE(boite, nullptr);
        boite->selectFile(dossier.filePath(QString::fromUtf8(c.choisi)));
        static_cast<QDialog *>(boite)->accept(); // comme le bouton « Enregistrer »
        const QString chemin = dossier.filePath(QString::fromUtf8(c.ecrit));
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().startsWith("%PDF"));
        auto *message = essai::controle<QMessageBox>(a, "message");
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->text().contains(QDir::toNativeSeparators(chemin))) << message->text().toStdString();
    }
}

// --- Les points vers un tableur ---------------------------------------------------------

namespace {

// Trois points, dont des valeurs négatives et décimales.
Courbe *trois_points(Banc &b)
{
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "220", "1249");
    placer(b, c, "-12.5", "0.1");
    placer(b, c, "0.5", "-1500.25");
    return c;
}

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Tableur, LesBoutonsSuiventLesBoutonsDAction)
{
    Banc b;
    Courbe *c = b.ouvrir();
    EXPECT_EQ(texte(c, "copier_points"), "Copier les points");
    EXPECT_EQ(texte(c, "exporter_points"), "Exporter…");
    for (const char *nom : {"copier_points", "exporter_points"}) {
        EXPECT_TRUE(visible(c, nom)) << nom;
        EXPECT_TRUE(c->rect().contains(essai::controle(c, nom)->geometry())) << nom;
    }
    essai::cliquer(c, "change_axe");
    EXPECT_FALSE(visible(c, "copier_points"));
    EXPECT_FALSE(visible(c, "exporter_points"));
    choisir(c, "choix_x", 0);
    choisir(c, "choix_y", 2);
    essai::cliquer(c, "valid");
    EXPECT_TRUE(visible(c, "copier_points"));
    EXPECT_TRUE(visible(c, "exporter_points"));
}

TEST(Tableur, CopierDonneDeuxColonnesSepareesParDesTabulations)
{
    Banc b;
    Courbe *c = trois_points(b);
    essai::cliquer(c, "copier_points");
    // Poste français : virgule décimale ; les légendes d'axes en en-tête.
    EXPECT_EQ(QApplication::clipboard()->text(), "U (V)\tn (tr/min)\n220\t1249\n-12,5\t0,1\n0,5\t-1500,25\n");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].startsWith("3 points copiés")) << b.messages[0].toStdString();
}

// Le nombre de points accorde la phrase, en français comme en anglais.
TEST(Tableur, LeMessageDeLaCopieSAccordeAuNombreDePoints)
{
    const struct {
        traductions::Langue langue;
        int n;
        const char *debut;
    } cas[] = {
        {traductions::Langue::francais, 1, "1 point copié avec les légendes des axes : collez-le dans"},
        {traductions::Langue::francais, 2, "2 points copiés avec les légendes des axes : collez-les dans"},
        {traductions::Langue{"en"}, 1, "1 point copied with the axis labels: paste it into"},
        {traductions::Langue{"en"}, 2, "2 points copied with the axis labels: paste them into"},
    };
    for (const auto &k : cas) {
        traductions::changer(*QCoreApplication::instance(), k.langue);
        Banc b;
        Courbe *c = enregistreur_pret(b);
        for (int i = 1; i <= k.n; ++i)
            placer(b, c, std::to_string(i).c_str(), "1");
        essai::cliquer(c, "copier_points");
        ASSERT_EQ(b.messages.size(), 1u);
        EXPECT_TRUE(b.messages[0].startsWith(QString::fromUtf8(k.debut))) << b.messages[0].toStdString();
    }
    traductions::changer(*QCoreApplication::instance(), traductions::Langue::francais);
}

TEST(Tableur, CentPointsCopiesSansEnPerdreUn)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    for (int i = 1; i <= courbe::capacite; ++i)
        placer(b, c, std::to_string(i).c_str(), std::to_string(-2 * i).c_str());
    essai::cliquer(c, "copier_points");
    const QStringList lignes = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lignes.size(), 102); // en-tête, 100 points, fin de la dernière ligne
    EXPECT_EQ(lignes[1], "1\t-2");
    EXPECT_EQ(lignes[57], "57\t-114");
    EXPECT_EQ(lignes[100], "100\t-200");
}

TEST(Tableur, ExporterEcritUnCSVPourUnTableurFrancais)
{
    Banc b;
    Courbe *c = trois_points(b);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    c->demander_fichier_csv = [&] { return dossier.filePath("points.csv"); };
    essai::cliquer(c, "exporter_points");
    // Marque UTF-8, point-virgule, virgule décimale, fins de ligne CR LF.
    EXPECT_EQ(contenu(dossier.filePath("points.csv")),
              "\xEF\xBB\xBFU (V);n (tr/min)\r\n220;1249\r\n-12,5;0,1\r\n0,5;-1500,25\r\n");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].startsWith("Les points ont été enregistrés")) << b.messages[0].toStdString();
    EXPECT_TRUE(b.messages[0].contains(QDir::toNativeSeparators(dossier.filePath("points.csv"))));
}

TEST(Tableur, EnAnglaisPointDecimalVirguleEntreColonnesEtMessagesAnglais)
{
    traductions::changer(*QCoreApplication::instance(), traductions::Langue{"en"});
    Banc b;
    Courbe *c = trois_points(b);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    c->demander_fichier_csv = [&] { return dossier.filePath("points.csv"); };
    essai::cliquer(c, "copier_points");
    essai::cliquer(c, "exporter_points");
    traductions::changer(*QCoreApplication::instance(), traductions::Langue::francais);
    // Les légendes des axes, en-têtes des colonnes, sont traduites elles aussi.
    EXPECT_EQ(QApplication::clipboard()->text(), "U (V)\tn (rpm)\n220\t1249\n-12.5\t0.1\n0.5\t-1500.25\n");
    EXPECT_EQ(contenu(dossier.filePath("points.csv")),
              "\xEF\xBB\xBFU (V),n (rpm)\r\n220,1249\r\n-12.5,0.1\r\n0.5,-1500.25\r\n");
    ASSERT_EQ(b.messages.size(), 2u);
    EXPECT_TRUE(b.messages[0].startsWith("3 points copied")) << b.messages[0].toStdString();
    EXPECT_TRUE(b.messages[1].startsWith("The points have been saved")) << b.messages[1].toStdString();
}

TEST(Tableur, UnEnregistrementVideLeDitEtNEcritRien)
{
    Banc b;
    Courbe *c = enregistreur_pret(b);
    int demandes = 0;
    c->demander_fichier_csv = [&] {
        ++demandes;
        return QStringLiteral("/tmp/jamais.csv");
    };
    QApplication::clipboard()->setText(QStringLiteral("témoin"));
    essai::cliquer(c, "copier_points");
    essai::cliquer(c, "exporter_points");
    ASSERT_EQ(b.messages.size(), 2u);
    EXPECT_EQ(b.messages[0], "Aucun point n'est enregistré : il n'y a rien à copier.");
    EXPECT_EQ(b.messages[1], "Aucun point n'est enregistré : il n'y a rien à exporter.");
    EXPECT_EQ(QApplication::clipboard()->text(), "témoin");
    EXPECT_EQ(demandes, 0);
}

TEST(Tableur, UnFichierImpossibleAEcrireEstSignaleEtRienNEstDitEnregistre)
{
    Banc b;
    Courbe *c = trois_points(b);
    const QString chemin = QStringLiteral("/dossier/qui/n/existe/pas/points.csv");
    c->demander_fichier_csv = [&] { return chemin; };
    essai::cliquer(c, "exporter_points");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].contains("n'a pas pu être écrit")) << b.messages[0].toStdString();
    EXPECT_FALSE(b.messages[0].contains("enregistrés dans"));
    EXPECT_FALSE(QFile::exists(chemin));
    // Renoncer dans la boîte : ni fichier ni message.
    c->demander_fichier_csv = [] { return QString(); };
    essai::cliquer(c, "exporter_points");
    EXPECT_EQ(b.messages.size(), 1u);
}

// --- Fichiers écrits sur un disque plein -----------------------------------------------
// (Sous Unix : une limite de taille par processus imite le disque plein ;
// Windows n'en a pas.)
#ifndef _WIN32

namespace {

// Taille de fichier permise au processus abaissée le temps d'un essai : au-delà,
// le système refuse l'écriture comme sur un disque plein (RLIMIT_FSIZE).
struct LimiteTailleFichier {
    rlimit avant{};
    explicit LimiteTailleFichier(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit limite = avant;
        limite.rlim_cur = octets;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    }
    ~LimiteTailleFichier() { setrlimit(RLIMIT_FSIZE, &avant); }
};

} // namespace

TEST(FichierSur, UnEchecDEcritureLaisseLeFichierPrecedentIntactEtLeDit)
{
    // La page PDF de l'aperçu et les points en CSV, sur un fichier existant.
    const struct {
        const char *nom;
        std::function<void(Banc &, const QString &)> enregistrer;
    } cas[] = {
        {"courbe.pdf",
         [](Banc &b, const QString &chemin) {
             ApercuImpression *a = b.traceur->apercu() ? b.traceur->apercu()
                                                       : apercu_avec(b, {{"100", "100"}, {"50", "40"}});
             a->imprimante_disponible = [] { return false; };
             a->demander_fichier_pdf = [chemin] { return chemin; };
             essai::cliquer(a, "impression");
         }},
        {"points.csv",
         [](Banc &b, const QString &chemin) {
             Courbe *c = b.traceur->courbe() ? b.traceur->courbe() : trois_points(b);
             c->demander_fichier_csv = [chemin] { return chemin; };
             essai::cliquer(c, "exporter_points");
         }},
    };
    for (const auto &k : cas) {
        SCOPED_TRACE(k.nom);
        Banc b;
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QString::fromUtf8(k.nom));
        const QByteArray ancien = "ancien fichier, bon, à garder";
        {
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(ancien);
        }
        {
            const LimiteTailleFichier limite(40);
            k.enregistrer(b, chemin);
        }
        ASSERT_EQ(b.messages.size(), 1u);
        EXPECT_TRUE(b.messages[0].startsWith(QStringLiteral("Le fichier %1 n'a pas pu être écrit : le fichier "
                                                             "dépasserait la taille de fichier permise")
                                                 .arg(chemin)))
            << b.messages[0].toStdString();
        EXPECT_TRUE(b.messages[0].contains("resté tel qu'il était")) << b.messages[0].toStdString();
        EXPECT_EQ(contenu(chemin), ancien);
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{k.nom}); // pas de reste

        // La place revenue, la même demande remplace le fichier et le dit.
        k.enregistrer(b, chemin);
        ASSERT_EQ(b.messages.size(), 2u);
        EXPECT_FALSE(b.messages[1].contains("pas pu")) << b.messages[1].toStdString();
        EXPECT_GT(contenu(chemin).size(), ancien.size());
    }
}
#endif

// --- Points gardés sur le disque ----------------------------------------------------------

TEST(PointsGardes, RepriseApresFermetureEffacementEtFichierAbimeIgnore)
{
    const QString fichier = garde_points::chemin(Banc("essai").variante);
#ifdef _WIN32
    ASSERT_TRUE(fichier.contains(QStringLiteral("qttest"))) << "jamais le vrai dossier";
#else
    ASSERT_TRUE(fichier.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))) << "jamais le vrai dossier";
#endif
    QFile::remove(fichier);
    {
        Banc b("essai");
        Courbe *c = enregistreur_pret(b); // U en abscisse, n en ordonnée
        EXPECT_FALSE(visible(c, "reprendre_points"));
        placer(b, c, "0.1", "-1500.25");
        placer(b, c, "220", "1249");
        placer(b, c, "110", "3e38");
        essai::cliquer(c, "annulle");
        EXPECT_TRUE(QFile::exists(fichier));
    } // programme fermé
    Banc b("essai");
    Courbe *c = b.ouvrir();
    EXPECT_EQ(b.etat.nb_points, 0); // l'enregistreur s'ouvre vide, comme toujours
    ASSERT_TRUE(visible(c, "reprendre_points"));
    EXPECT_TRUE(texte(c, "reprendre_points")
                    .startsWith("Reprendre les points précédents\n(2 points du " +
                                QDateTime::currentDateTime().toString("dd/MM/yyyy")))
        << texte(c, "reprendre_points").toStdString();
    essai::cliquer(c, "reprendre_points");
    EXPECT_FALSE(visible(c, "reprendre_points"));
    // Sur leurs axes, valeurs exactes, maxima et pas comme avant la fermeture.
    EXPECT_EQ(b.etat.grandeur_x, 1);
    EXPECT_EQ(b.etat.grandeur_y, 3);
    ASSERT_EQ(b.etat.nb_points, 2);
    EXPECT_EQ(b.etat.x_point[1], 0.1f);
    EXPECT_EQ(b.etat.y_point[1], -1500.25f);
    EXPECT_EQ(b.etat.xmax, 220.0);
    EXPECT_EQ(b.etat.ymax, 1249.0f);
    EXPECT_EQ(b.etat.pas_x, 50.0);
    EXPECT_EQ(texte(c, "Label_x"), "U (V)");
    EXPECT_EQ(texte(c, "Label_y"), "n (tr/min)");
    EXPECT_EQ(texte(c, "label_ymax"), "1249");
    EXPECT_TRUE(visible(c, "place_point"));
    EXPECT_FALSE(visible(c, "frame_axe"));
    // « Changer les axes et/ou recommencer » efface les points et le fichier.
    essai::cliquer(c, "change_axe");
    EXPECT_FALSE(QFile::exists(fichier));

    // Un fichier abîmé ou étranger est ignoré, avec un avis d'une ligne.
    const QByteArray en_tete = "enregistreur de courbes, points gardés, version 1\n";
    QByteArray cent_un = en_tete + "programme essai\naxes 1 3\n";
    for (int i = 1; i <= 101; ++i)
        cent_un += QByteArray::number(i) + " 1\n";
    for (const QByteArray &abime :
         {QByteArray("n'importe quoi"), QByteArray("\0\xff\xfe\x01", 4), en_tete,
          en_tete + "programme vek\naxes 1 3\n220 1249\n", en_tete + "programme essai\naxes 1 4\n220 1249\n",
          en_tete + "programme essai\naxes 1 3\n220 12.5e\n", en_tete + "programme essai\naxes 1 3\nnan 1\n",
          en_tete + "programme essai\naxes 1 3\n220 1e39\n", en_tete + "programme essai\naxes 1 3\n220\n", cent_un,
          QByteArray(70000, '1')}) {
        SCOPED_TRACE(abime.left(80).toStdString());
        ASSERT_TRUE(fichier_sur::ecrire(fichier, abime).reussie);
        Banc autre("essai");
        Courbe *d = autre.ouvrir();
        EXPECT_FALSE(visible(d, "reprendre_points"));
        EXPECT_EQ(texte(d, "avis_points"),
                  "Le fichier des points précédents est abîmé ou d'un autre programme : il est ignoré.");
        EXPECT_EQ(autre.etat.nb_points, 0);
        // Le premier point placé remplace le fichier abîmé et efface l'avis.
        placer(autre, enregistreur_pret(autre), "1", "2");
        EXPECT_TRUE(texte(d, "avis_points").isEmpty());
        EXPECT_TRUE(garde_points::lire(autre.variante).etat == garde_points::Precedents::Etat::lus);
    }
}

// Une suite portable (clé USB) : le fichier repère à côté des programmes met
// réglages et points dans « donnees » à côté d'eux ; un dossier ou rien à sa
// place, et c'est le profil de l'utilisateur.
TEST(PointsGardes, LeRepereDeLaSuitePortableGardeLesDonneesACoteDesProgrammes)
{
    QTemporaryDir programmes;
    const QDir d(programmes.path());
    EXPECT_EQ(reglages::dossier_portable(programmes.path()), QString());
    ASSERT_TRUE(d.mkdir(QStringLiteral("portable.txt")));
    EXPECT_EQ(reglages::dossier_portable(programmes.path()), QString());
    ASSERT_TRUE(d.rmdir(QStringLiteral("portable.txt")));
    ASSERT_TRUE(fichier_sur::ecrire(d.filePath(QStringLiteral("portable.txt")), "repère").reussie);
    EXPECT_EQ(reglages::dossier_portable(programmes.path()), d.filePath(QStringLiteral("donnees")));
    EXPECT_EQ(reglages::dossier_portable(QString()), QString());
    // Les tests ne sont pas une suite portable : leurs points vont ailleurs.
    EXPECT_EQ(reglages::dossier_portable(), QString());
}

// --- Fichiers qui ne sont pas des fichiers ordinaires ----------------------------------

#ifndef _WIN32
namespace {

// Un tube nommé, et si le système le permet (droits d'administrateur), un
// périphérique caractère comme /dev/zero, faits dans le dossier d'essai.
bool faire_tube(const QString &chemin)
{
    return ::mkfifo(QFile::encodeName(chemin).constData(), 0600) == 0;
}

bool faire_peripherique(const QString &chemin)
{
    return ::mknod(QFile::encodeName(chemin).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
}

// Ni fichier ordinaire, ni dossier, ni lien : un tube ou un périphérique.
bool special(const QString &chemin)
{
    const QFileInfo i(chemin);
    return i.exists() && !i.isFile() && !i.isDir() && !i.isSymLink();
}

} // namespace
#endif

TEST(FichierSur, LeRemplacementEstConfirmePourLeNomFinalAvecSonExtension)
{
    enum class Reponse { aucune_question, non, oui };
    const struct {
        const char *format;   // « csv » : points de l'enregistreur ; « pdf » : page de l'aperçu
        bool par_la_boite;    // la boîte d'enregistrement, sinon demander_fichier_* (une boîte du
                              // système qui a déjà fait confirmer le nom tapé)
        const char *tape;     // nom tapé par l'élève
        const char *existant; // fichier déjà là
        Reponse reponse;
        const char *ecrit; // fichier écrit, nullptr : aucun
    } cas[] = {
        {"csv", true, "mesures", "mesures.csv", Reponse::non, nullptr},
        {"csv", true, "mesures", "mesures.csv", Reponse::oui, "mesures.csv"},
        {"csv", true, "mesures.csv", "mesures.csv", Reponse::non, nullptr},
        {"csv", false, "mesures", "mesures.csv", Reponse::non, nullptr},
        {"csv", false, "mesures.csv", "mesures.csv", Reponse::aucune_question, "mesures.csv"},
        {"csv", true, "releve", "releve", Reponse::aucune_question, "releve.csv"},
        {"pdf", true, "courbe", "courbe.pdf", Reponse::oui, "courbe.pdf"},
    };
    for (const auto &k : cas) {
        SCOPED_TRACE(std::string(k.format) + (k.par_la_boite ? " boîte " : " demande ") + k.tape + " " +
                     std::to_string(static_cast<int>(k.reponse)));
        QTemporaryDir dossier;
        const QString existant = dossier.filePath(QString::fromUtf8(k.existant));
        const QByteArray ancien = "ancien fichier, à garder sans l'accord de l'élève";
        ASSERT_TRUE(fichier_sur::ecrire(existant, ancien).reussie);
        const QString tape = dossier.filePath(QString::fromUtf8(k.tape));
        Banc b;
        QWidget *fenetre = nullptr;
        if (QByteArray(k.format) == "csv") {
            Courbe *c = trois_points(b);
            if (!k.par_la_boite)
                c->demander_fichier_csv = [tape] { return tape; };
            essai::cliquer(c, "exporter_points");
            fenetre = c;
        } else {
            ApercuImpression *a = apercu_avec(b, {{"100", "100"}, {"50", "40"}});
            a->imprimante_disponible = [] { return false; };
            essai::cliquer(a, "impression");
            fenetre = a;
        }
        if (k.par_la_boite) {
            auto *boite = fenetre->findChild<QFileDialog *>("choix_fichier_" + QString::fromUtf8(k.format));
            ASSERT_NE(boite, nullptr);
            boite->selectFile(tape);
            QMetaObject::invokeMethod(boite, "accept"); // le bouton « Enregistrer »
        }
        auto *question = fenetre->findChild<QMessageBox *>("confirmer_remplacement");
        if (k.reponse == Reponse::aucune_question) {
            EXPECT_EQ(question, nullptr);
        } else {
            ASSERT_NE(question, nullptr);
            EXPECT_EQ(question->text(),
                      QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous l'écraser ?").arg(k.existant));
            EXPECT_TRUE(b.messages.empty()) << "rien d'écrit avant la réponse";
            question->button(k.reponse == Reponse::oui ? QMessageBox::Yes : QMessageBox::No)->click();
        }
        QStringList attendus{QString::fromUtf8(k.existant)};
        if (k.ecrit) {
            ASSERT_EQ(b.messages.size(), 1u);
            EXPECT_TRUE(b.messages[0].endsWith(":\n" + QDir::toNativeSeparators(dossier.filePath(QString::fromUtf8(k.ecrit)))))
                << b.messages[0].toStdString();
            attendus << QString::fromUtf8(k.ecrit);
        } else {
            EXPECT_TRUE(b.messages.empty());
        }
        attendus.removeDuplicates();
        attendus.sort();
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), attendus);
        EXPECT_EQ(contenu(existant) == ancien, !k.ecrit || existant != dossier.filePath(QString::fromUtf8(k.ecrit)));
    }
}

// Tubes nommés, périphériques et liens symboliques : des pièges d'Unix.
#ifndef _WIN32
TEST(FichierSur, SeulUnFichierOrdinaireEstLuOuEcritSansJamaisAttendre)
{
    QTemporaryDir d;
    const auto ici = [&](const char *nom) { return d.filePath(QString::fromUtf8(nom)); };
    ASSERT_TRUE(faire_tube(ici("tube")));
    const bool peripherique = faire_peripherique(ici("zero"));
    ASSERT_TRUE(QFile::link(ici("tube"), ici("vers_tube")));
    ASSERT_TRUE(QFile::link(ici("zero"), ici("vers_zero")));
    ASSERT_TRUE(QFile::link(ici("nulle_part"), ici("perdu")));
    ASSERT_TRUE(QDir(d.path()).mkdir("dossier"));
    ASSERT_TRUE(fichier_sur::ecrire(ici("fichier"), "ancien").reussie);
    ASSERT_TRUE(QFile::link(ici("fichier"), ici("vers_fichier")));

    const QString pas_ordinaire = "ce n'est pas un fichier ordinaire (tube, périphérique…)";
    const QString lien_refuse = "c'est un lien symbolique, non suivi pour ce fichier";
    using fichier_sur::Liens;
    const struct {
        const char *nom;
        Liens liens;
        QString raison; // vide : lu et écrit
        bool seulement_avec_peripherique = false;
    } cas[] = {
        {"tube", Liens::suivis, pas_ordinaire},
        {"vers_tube", Liens::suivis, pas_ordinaire},
        {"zero", Liens::suivis, pas_ordinaire, true},
        {"vers_zero", Liens::suivis, pas_ordinaire, true},
        {"vers_zero", Liens::refuses, lien_refuse, true},
        {"perdu", Liens::suivis, "c'est un lien symbolique qui ne mène à aucun fichier"},
        {"dossier", Liens::suivis, "ce nom est celui d'un dossier"},
        {"vers_fichier", Liens::refuses, lien_refuse},
        {"vers_fichier", Liens::suivis, QString()}, // le fichier au bout du lien est remplacé
    };
    for (const auto &k : cas) {
        SCOPED_TRACE(std::string(k.nom) + (k.liens == Liens::refuses ? " liens refusés" : " liens suivis"));
        if (k.seulement_avec_peripherique && !peripherique)
            continue; // mknod demande les droits d'administrateur
        const fichier_sur::Lecture l = fichier_sur::lire(ici(k.nom), 100, k.liens);
        const fichier_sur::Ecriture e = fichier_sur::ecrire(ici(k.nom), "nouveau", k.liens);
        EXPECT_EQ(e.reussie, k.raison.isEmpty());
        EXPECT_EQ(e.raison, k.raison);
        EXPECT_TRUE(e.existait);
        EXPECT_EQ(l.etat, k.raison.isEmpty() ? fichier_sur::Lecture::Etat::lu : fichier_sur::Lecture::Etat::refuse);
        EXPECT_EQ(l.raison, k.raison);
        // Rien n'a changé de nature, et un lien reste un lien.
        EXPECT_TRUE(special(ici("tube")));
        EXPECT_TRUE(!peripherique || special(ici("zero")));
        for (const char *lien : {"vers_tube", "vers_zero", "perdu", "vers_fichier"})
            EXPECT_TRUE(QFileInfo(ici(lien)).isSymLink()) << lien;
        EXPECT_EQ(contenu(ici("fichier")), k.raison.isEmpty() ? "nouveau" : "ancien");
        if (k.raison.isEmpty()) {
            EXPECT_EQ(l.octets, "ancien");
        }
    }
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), peripherique ? 7 : 6)
        << "aucun temporaire laissé";

    // La cause d'un échec est celle du dossier : absent, ou présent mais qui refuse les fichiers.
    EXPECT_EQ(fichier_sur::ecrire("/dossier/qui/n/existe/pas/x.csv", "a").raison, "le dossier n'existe pas");
    if (QFileInfo("/proc/self").isDir()) {
        EXPECT_EQ(fichier_sur::ecrire("/proc/points.csv", "a").raison,
                  "le dossier existe mais n'accepte pas de fichiers");
    }
}

TEST(PointsGardes, UnTubeOuUnLienALaPlaceDuFichierNEstNiLuNiRemplaceEtLesPointsRestent)
{
    const QString fichier = garde_points::chemin(Banc("essai").variante);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(fichier).path()));
    QTemporaryDir ailleurs;
    const QString tube = ailleurs.filePath("tube"), zero = ailleurs.filePath("zero"),
                  points = ailleurs.filePath("points.txt");
    ASSERT_TRUE(faire_tube(tube));
    const bool peripherique = faire_peripherique(zero);
    // Des points valides de ce programme, au bout d'un lien : ni lus ni remplacés.
    const QByteArray valides = "enregistreur de courbes, points gardés, version 1\nprogramme essai\naxes 1 3\n220 1249\n";
    ASSERT_TRUE(fichier_sur::ecrire(points, valides).reussie);
    const struct {
        const char *nom;
        std::function<bool()> poser;
        std::function<bool()> intact;
    } cas[] = {
        {"tube", [&] { return faire_tube(fichier); }, [&] { return special(fichier); }},
        {"lien vers un tube", [&] { return QFile::link(tube, fichier); },
         [&] { return QFileInfo(fichier).isSymLink() && special(tube); }},
        {"lien vers un périphérique", [&] { return peripherique && QFile::link(zero, fichier); },
         [&] { return QFileInfo(fichier).isSymLink() && special(zero); }},
        {"lien vers des points valides", [&] { return QFile::link(points, fichier); },
         [&] { return QFileInfo(fichier).isSymLink() && contenu(points) == valides; }},
        {"dossier", [&] { return QDir().mkdir(fichier); }, [&] { return QFileInfo(fichier).isDir(); }},
    };
    for (const auto &k : cas) {
        SCOPED_TRACE(k.nom);
        QFile::remove(fichier);
        if (!k.poser())
            continue; // périphérique : mknod demande les droits d'administrateur
        Banc b("essai");
        Courbe *c = b.ouvrir();
        EXPECT_FALSE(visible(c, "reprendre_points"));
        EXPECT_TRUE(texte(c, "avis_points")
                        .startsWith("Les points précédents ne sont pas repris : points_enregistres.txt : "))
            << texte(c, "avis_points").toStdString();
        EXPECT_TRUE(essai::controle(c, "avis_points")->toolTip().contains(fichier)); // où il est
        c = enregistreur_pret(b);
        placer(b, c, "1", "2");
        placer(b, c, "3", "4");
        EXPECT_EQ(b.etat.nb_points, 2); // dans la fenêtre
        EXPECT_TRUE(texte(c, "avis_points")
                        .startsWith("Les points ne sont pas gardés sur le disque : points_enregistres.txt : "))
            << texte(c, "avis_points").toStdString();
        essai::cliquer(c, "annulle"); // plus qu'un point : ni écrit, ni supprimé
        EXPECT_TRUE(k.intact());
        // L'intrus parti, l'écriture suivante garde tous les points de la fenêtre.
        if (QFileInfo(fichier).isDir())
            QDir().rmdir(fichier);
        else
            QFile::remove(fichier);
        placer(b, c, "5", "6");
        EXPECT_TRUE(texte(c, "avis_points").isEmpty());
        const garde_points::Precedents p = garde_points::lire(b.variante);
        EXPECT_EQ(p.etat, garde_points::Precedents::Etat::lus);
        EXPECT_EQ(p.points.points.size(), 2u);
    }
    QFile::remove(fichier);
}
#endif

// (Le dossier des données se règle par XDG_DATA_HOME, que Windows ne lit pas.)
#ifndef _WIN32
TEST(PointsGardes, UnCheminTresLongEstCoupeDansLAvisEntierDansLaBulle)
{
    QTemporaryDir d;
    // Un fichier à la place d'un dossier du chemin : le dossier ne peut pas être créé.
    ASSERT_TRUE(fichier_sur::ecrire(d.filePath("bouchon"), "").reussie);
    QString long_chemin = d.filePath("bouchon");
    while (long_chemin.size() < 3800)
        long_chemin += '/' + QString(200, 'd');
    const QByteArray avant = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(long_chemin));
    Banc b("essai");
    Courbe *c = enregistreur_pret(b);
    placer(b, c, "1", "2");
    qputenv("XDG_DATA_HOME", avant);
    const QString avis = texte(c, "avis_points");
    EXPECT_TRUE(avis.startsWith("Les points ne sont pas gardés sur le disque : le dossier ")) << avis.toStdString();
    EXPECT_LT(avis.size(), 160) << avis.toStdString();
    EXPECT_TRUE(avis.contains(QChar(0x2026)));
    EXPECT_TRUE(essai::controle(c, "avis_points")->toolTip().contains(long_chemin));
}
#endif
