// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre virelai pilotée hors écran : contrôles par leur nom, cases cochées
// au clic, tops appelés directement.
#include "fenetre_virelai.h"
#include "outils_fenetres.h"

#include <QApplication>
#include <QCheckBox>
#include <QPaintEvent>
#include <QPointer>
#include <QTimer>

using essai::texte;

namespace {

class FenetreVirelai : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w = new Virelai;
        w->Timer1()->stop(); // les tops sont appelés ici
        w->show();
        QApplication::processEvents();
    }
    void TearDown() override { delete w.data(); }
    void tops(int n)
    {
        for (int i = 0; i < n; ++i)
            w->Timer1_Timer();
    }
    // Propriété d'un élément graphique lue par son nom, comme de l'extérieur.
    QVariant propriete(const QString &element, const char *nom) const
    {
        const QObject *o = w->findChild<QObject *>(element);
        EXPECT_NE(o, nullptr) << element.toStdString();
        return o ? o->property(nom) : QVariant();
    }
    QPointer<Virelai> w;
};

} // namespace

TEST_F(FenetreVirelai, ControlesEtTextesAuChargement)
{
    EXPECT_EQ(w->objectName(), "virelai");
    EXPECT_EQ(w->windowTitle(), "Principe des virelais par A. Varlon");
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));
    const std::pair<const char *, const char *> textes[] = {
        {"Check(0)", "B1"},
        {"Check(1)", "B2"},
        {"Check(2)", "B3"},
        {"Check(3)", ""},
        {"Label3", "B1"},
        {"Label4", "B2"},
        {"Label5", "B3"},
        {"Label6", "B1+B2+B3"},
        {"Label7", " Cocher pour visualiser les     champs magnétiques"},
        {"bouton_arret", "Arrêt et additions de vecteurs"},
        {"Label9", "Angle en ° : "},
        {"Label1(6)", "Bobine1"},
        {"Label1(7)", "Bobine2"},
        {"Label1(8)", "Bobine3"},
    };
    for (const auto &[nom, attendu] : textes)
        EXPECT_EQ(texte(w, nom), QString::fromUtf8(attendu)) << nom;
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(essai::controle<QCheckBox>(w, QStringLiteral("Check(%1)").arg(k))->isChecked());
    EXPECT_EQ(w->Timer1()->interval(), 100);
    const std::pair<const char *, QColor> couleurs[] = {
        {"Label1(6)", QColor(0, 0, 255)}, {"Label1(7)", QColor(255, 0, 0)}, {"Label1(8)", QColor(0, 192, 0)}};
    for (const auto &[nom, c] : couleurs)
        EXPECT_EQ(essai::controle<QWidget>(w, nom)->palette().color(QPalette::WindowText), c) << nom;
    // Les six vecteurs, cachés, partent du centre.
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(propriete(QStringLiteral("ligne_b(%1)").arg(k), "visible").toBool()) << k;
    EXPECT_EQ(propriete("ligne_b(3)", "x1").toDouble(), 5820.0);
    EXPECT_EQ(propriete("ligne_b(3)", "y1").toDouble(), 4140.0);
    EXPECT_EQ(propriete("Line40", "x2").toDouble(), 2040.0);
    EXPECT_EQ(propriete("Line7", "y2").toDouble(), 780.0);
}

TEST_F(FenetreVirelai, CaseCocheeAuClicMontreSonVecteurAuTopSuivant)
{
    essai::cliquer(w, "Check(3)");
    tops(50); // 90° : résultante vers le bas, 2250 twips
    EXPECT_EQ(texte(w, "aff_angle"), "90");
    for (const char *nom : {"ligne_b(3)", "fleche1(3)", "fleche2(3)"})
        EXPECT_TRUE(propriete(nom, "visible").toBool()) << nom;
    for (int k : {0, 1, 2, 4, 5})
        EXPECT_FALSE(propriete(QStringLiteral("ligne_b(%1)").arg(k), "visible").toBool()) << k;
    EXPECT_NEAR(propriete("ligne_b(3)", "x2").toDouble(), 5820, 0.5);
    EXPECT_NEAR(propriete("ligne_b(3)", "y2").toDouble(), 4140 + 2250, 0.5);
}

TEST_F(FenetreVirelai, ArretPuisRepriseAuBouton)
{
    tops(30);
    essai::cliquer(w, "bouton_arret");
    EXPECT_EQ(texte(w, "bouton_arret"), "Reprendre");
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(propriete(QStringLiteral("ligne_b(%1)").arg(k), "visible").toBool()) << k;
    EXPECT_NEAR(propriete("ligne_b(5)", "x2").toDouble(), propriete("ligne_b(3)", "x2").toDouble(), 1e-6);
    EXPECT_NEAR(propriete("ligne_b(5)", "y2").toDouble(), propriete("ligne_b(3)", "y2").toDouble(), 1e-6);
    tops(5); // figé : la minuterie tire, rien ne bouge
    EXPECT_EQ(texte(w, "aff_angle"), "54");
    essai::cliquer(w, "bouton_arret");
    EXPECT_EQ(texte(w, "bouton_arret"), "Arrêt et addition des vecteurs");
    for (const char *nom :
         {"ligne_b(4)", "fleche1(4)", "fleche2(4)", "ligne_b(5)", "fleche1(5)", "fleche2(5)"})
        EXPECT_FALSE(propriete(nom, "visible").toBool()) << nom;
}

TEST_F(FenetreVirelai, UnTopNeRepeintQueLesVecteursEtLesSegments)
{
    struct Compteur : QObject {
        QRegion region;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint && o->isWidgetType())
                region += static_cast<QPaintEvent *>(e)->region().translated(
                    static_cast<QWidget *>(o)->mapTo(static_cast<QWidget *>(o)->window(), QPoint()));
            return false;
        }
    } compteur;
    for (int k = 0; k < 4; ++k)
        essai::cliquer(w, QStringLiteral("Check(%1)").arg(k));
    tops(20);
    QApplication::processEvents();
    qApp->installEventFilter(&compteur);
    tops(1);
    QApplication::processEvents();
    qApp->removeEventFilter(&compteur);
    qint64 pixels = 0;
    for (const QRect &r : compteur.region)
        pixels += qint64(r.width()) * r.height();
    EXPECT_GT(pixels, 0);
    EXPECT_LT(pixels, qint64(w->width()) * w->height() / 10);
    // Ni les cases, ni le bouton, ni les bobines ne sont repeints.
    for (const QPoint p : {QPoint(30, 70), QPoint(100, 190), QPoint(385, 120), QPoint(250, 350)})
        EXPECT_FALSE(compteur.region.contains(p)) << p.x() << "," << p.y();
    // Le segment du graphe 0 au top 21 (x = 7800 + 21 × 16,2 = 8140, y = 780 + 720 (1 − sin 37,8°) = 1059
    // twips).
    EXPECT_TRUE(compteur.region.contains(QPoint(542, 71)));
}
