// Marque du focus : un cadre de la couleur commune paraît autour du contrôle
// qui a le focus (dans la zone de lecture pour elle), et disparaît avec lui.
#include "feuille.h"
#include "marque_focus.h"
#include "piste_clavier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

int pixels_marque(QWidget *fenetre, const QRect &zone)
{
    const QImage image = fenetre->grab(zone).toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == marque_focus::couleur();
    return n;
}

} // namespace

TEST(MarqueFocus, CadreAutourDuControleSeulementQuandIlALeFocus)
{
    using Fabrique = std::function<QWidget *(Feuille &)>;
    const struct {
        const char *genre;
        Fabrique fabriquer;
        bool dedans; // marque dessinée dans le contrôle, pas autour
    } cas[] = {
        {"saisie", [](Feuille &f) -> QWidget * { return f.saisie("s", 1500, 1500, 1200, 315); }, false},
        {"case sans légende", [](Feuille &f) -> QWidget * { return f.case_a_cocher("c", {}, 1500, 1500, 255, 255); },
         false},
        {"liste",
         [](Feuille &f) -> QWidget * {
             QComboBox *l = f.liste("l", 1500, 1500, 1800, 315);
             l->addItems({"un", "deux"});
             return l;
         },
         false},
        {"bouton radio",
         [](Feuille &f) -> QWidget * {
             auto *r = new QRadioButton("Étoile", &f);
             Feuille::placer(r, 1500, 1500, 1200, 285);
             return r;
         },
         false},
        {"bouton", [](Feuille &f) -> QWidget * { return f.bouton("b", "Valid", 1500, 1500, 900, 375); }, false},
        {"zone de lecture",
         [](Feuille &f) -> QWidget * { return piste_clavier::zone_lecture(&f, "z", QRect(100, 100, 120, 80), "z"); },
         true},
    };
    const int e = marque_focus::epaisseur;
    for (const auto &c : cas) {
        SCOPED_TRACE(c.genre);
        Feuille fenetre("essai", "essai", 6000, 4000);
        QLineEdit *ailleurs = fenetre.saisie("ailleurs", 4500, 3300, 900, 315);
        QWidget *controle = c.fabriquer(fenetre);
        fenetre.show();
        fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        const QRect g = controle->geometry();
        const QRect zone = c.dedans ? g : g.adjusted(-e, -e, e, e);

        ailleurs->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(pixels_marque(&fenetre, zone), 0) << "marque sans le focus";

        controle->setFocus(Qt::TabFocusReason);
        // Tout l'anneau est de la couleur de la marque ; le contrôle lui-même
        // n'en a pas (la zone de lecture y a sa croix).
        const int interieur = pixels_marque(&fenetre, zone.adjusted(e, e, -e, -e));
        EXPECT_EQ(pixels_marque(&fenetre, zone) - interieur, 2 * e * (zone.width() + zone.height() - 2 * e));
        EXPECT_EQ(interieur > 0, c.dedans);

        ailleurs->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(pixels_marque(&fenetre, zone), 0) << "marque restée après le départ du focus";
    }
}
