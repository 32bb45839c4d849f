// SPDX-License-Identifier: GPL-3.0-or-later
// Marque du focus : un anneau de la couleur commune paraît autour du contrôle
// qui a le focus (dans la zone de lecture pour elle), et part avec le focus.
#include "feuille.h"
#include "marque_focus.h"
#include "piste_clavier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

static int pixels_marque(QWidget *fenetre, const QRect &zone)
{
    const QImage image = fenetre->grab(zone).toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == marque_focus::couleur();
    return n;
}

TEST(MarqueFocus, AnneauAutourDuControleSeulementQuandIlALeFocus)
{
    for (int genre = 0; genre < 6; ++genre) {
        SCOPED_TRACE(genre);
        Feuille f("essai", "essai", 6000, 4000);
        QLineEdit *ailleurs = f.saisie("ailleurs", 4500, 3300, 900, 315);
        QWidget *controle[] = {f.saisie("saisie", 1500, 1500, 1200, 315),
                               f.case_a_cocher("case sans légende", {}, 1500, 1500, 255, 255),
                               f.liste("liste", 1500, 1500, 1800, 315),
                               new QRadioButton("Étoile", &f),
                               f.bouton("bouton", "Valid", 1500, 1500, 900, 375),
                               piste_clavier::zone_lecture(&f, "zone", QRect(100, 100, 120, 80), "zone")};
        for (int k = 0; k < 6; ++k)
            controle[k]->setVisible(k == genre);
        Feuille::placer(controle[3], 1500, 1500, 1200, 285);
        const bool dedans = genre == 5; // la zone de lecture marque dans ses bords
        f.show();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        const int e = marque_focus::epaisseur;
        const QRect g = controle[genre]->geometry();
        const QRect zone = dedans ? g : g.adjusted(-e, -e, e, e);

        ailleurs->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(pixels_marque(&f, zone), 0);
        controle[genre]->setFocus(Qt::TabFocusReason);
        // Tout l'anneau ; le contrôle lui-même n'a pas la couleur (la croix de la zone, si).
        const int interieur = pixels_marque(&f, zone.adjusted(e, e, -e, -e));
        EXPECT_EQ(pixels_marque(&f, zone) - interieur, 2 * e * (zone.width() + zone.height() - 2 * e));
        EXPECT_EQ(interieur > 0, dedans);
        ailleurs->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(pixels_marque(&f, zone), 0);
    }
}
