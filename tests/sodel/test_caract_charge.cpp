// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre caract_charge de sodel, hors écran : elle lit les saisies et la
// charge de Form1, cache Form1 tant qu'elle est ouverte, et trace les
// caractéristiques de la charge et du moteur.
#include "caract_charge.h"
#include "form1.h"
#include "outils_fenetres.h"
#include "programme_sodel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

using essai::texte;

namespace {

class CaractSodel : public ::testing::Test
{
protected:
    ProgrammeSodel programme;
    Form1 *banc = nullptr;

    void SetUp() override
    {
        banc = programme.ouvrir_form1();
        essai::controle<QLineEdit>(banc, "choix_v1")->setText("230");
        essai::cliquer(banc, "bouton_marche");
    }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    CaractCharge *ouvrir(int charge)
    {
        auto *liste = essai::controle<QComboBox>(banc, "choix_charge");
        liste->setCurrentIndex(charge);
        emit liste->activated(charge);
        essai::cliquer(banc, "Bouton_caract");
        return programme.caract_charge();
    }

    // Pixel de la surface au point (x, y) en twips.
    static QColor pixel(const CaractCharge *c, double x, double y)
    {
        const QImage &s = c->surface();
        const double r = s.devicePixelRatio();
        return s.pixelColor(static_cast<int>(x / 15 * r), static_cast<int>(y / 15 * r));
    }
};

} // namespace

TEST_F(CaractSodel, PleinesEchellesEtPasDesQuatreCharges)
{
    const struct {
        int charge;
        const char *ycmax, *pas_T;
    } cas[] = {{sodel::levage, "48", "10"},
               {sodel::pompe, "64.8", "10"},
               {sodel::fraiseuse, "240", "50"},
               {sodel::ventilateur, "58.32", "10"}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.charge);
        CaractCharge *f = ouvrir(c.charge);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), "Caractéristique mécanique de la charge");
        EXPECT_EQ(texte(f, "label_xcmax"), "1800");
        EXPECT_EQ(texte(f, "label_ycmax"), c.ycmax);
        EXPECT_EQ(texte(f, "label_echelle_xc"), "200");
        EXPECT_EQ(texte(f, "label_echelle_yc"), c.pas_T);
        // Étiquette du pas de vitesse sous la première graduation : 1560 + 200 . 8040 / 1800 - 100.
        EXPECT_EQ(essai::controle(f, "label_echelle_xc")->x(),
                  qRound((1560 + 200 * 8040.0 / 1800 - 100) / 15));
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CaractSodel, Form1CacheePuisMontreeDeNouveauSansRienChanger)
{
    CaractCharge *f = ouvrir(sodel::ventilateur);
    const QString n = texte(banc, "aff_n");
    EXPECT_FALSE(banc->isVisible());
    EXPECT_TRUE(f->isVisible());
    f->bouton_moteur_Click();
    f->close();
    EXPECT_TRUE(banc->isVisible());
    EXPECT_EQ(texte(banc, "aff_n"), n);
    EXPECT_EQ(texte(banc, "choix_v1"), "230");
}

TEST_F(CaractSodel, CourbeDuMoteurEnRougeDeuxFoisLaMeme)
{
    CaractCharge *f = ouvrir(sodel::ventilateur);
    // Le moteur passe par (1418 tr/min, 30 N.m) : x = 1560 + 1418 . 8040/1800, y = 4620 - 30 . 3600/58.32.
    const double x = 1560 + 1418 * 8040.0 / 1800, y = 4620 - 30 * 3600 / 58.32;
    EXPECT_EQ(pixel(f, x, 1400), QColor(Qt::white));
    f->bouton_moteur_Click();
    const QImage une_fois = f->surface();
    // Courbe rouge au voisinage du croisement (la courbe bleue y passe aussi).
    bool rouge = false;
    for (int dx = -60; dx <= 60 && !rouge; dx += 15)
        for (int dy = -60; dy <= 60 && !rouge; dy += 15)
            rouge = pixel(f, x + dx, y + dy) == QColor(192, 0, 0);
    EXPECT_TRUE(rouge);
    f->bouton_moteur_Click();
    EXPECT_EQ(f->surface(), une_fois);
}

TEST_F(CaractSodel, LectureSousLePointeurCacheeSurLesAxes)
{
    CaractCharge *f = ouvrir(sodel::levage);
    QWidget *coord = essai::controle(f, "aff_coord");
    f->Form_MouseMove(5580, 2820);
    EXPECT_TRUE(coord->isVisible());
    EXPECT_EQ(texte(f, "aff_coord"), "X = 900  ;  Y = 24");
    EXPECT_EQ(coord->x(), qRound((5580 + 250) / 15.0));
    // Le cadre gris tient le texte, à peine plus large que lui.
    const int avance = coord->fontMetrics().horizontalAdvance(texte(f, "aff_coord"));
    EXPECT_GE(coord->width(), avance);
    EXPECT_LE(coord->width(), avance + 20);
    // Près du bord droit du cadre, la lecture passe à gauche du pointeur et reste entière.
    f->Form_MouseMove(9500, 2820);
    EXPECT_TRUE(coord->isVisible());
    EXPECT_EQ(coord->x() + coord->width(), qRound((9500 - 250) / 15.0));
    EXPECT_TRUE(f->rect().contains(coord->geometry()));
    f->Form_MouseMove(1560, 2820); // sur l'axe des couples
    EXPECT_FALSE(coord->isVisible());
    // Par un vrai mouvement de souris, au milieu du cadre.
    const QPointF p(5580 / 15.0, 2820 / 15.0);
    QMouseEvent e(QEvent::MouseMove, p, f->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f, &e);
    EXPECT_TRUE(coord->isVisible());
}
