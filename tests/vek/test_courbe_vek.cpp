// SPDX-License-Identifier: GPL-3.0-or-later
// L'enregistreur de courbes branché sur le banc vek : les points sont les
// textes que le banc montre, lus au moment où l'élève place le point.
#include "apercu_impression.h"
#include "courbe.h"
#include "machine1.h"
#include "outils_fenetres.h"
#include "programme_vek.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

class CourbeVek : public ::testing::Test
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

    void regler(const char *saisie, const QString &valeur)
    {
        essai::controle<QLineEdit>(banc, saisie)->clear();
        taper(banc, saisie, valeur);
        entree(banc, saisie);
    }

    // Champ nominal, démarrage à 40 V puis induit à Ui.
    void mettre_en_marche()
    {
        regler("choixUe", "180");
        regler("choixUi", "40");
        cliquer(banc, "Interinduit");
    }

    Courbe *ouvrir_et_choisir(int x, int y)
    {
        cliquer(banc, "trace_courbe");
        Courbe *c = programme.traceur_courbes.courbe();
        EXPECT_NE(c, nullptr);
        for (auto [nom, position] : {std::pair{"choix_x", x}, {"choix_y", y}}) {
            auto *l = essai::controle<QComboBox>(c, nom);
            l->setCurrentIndex(position);
            emit l->activated(position);
        }
        cliquer(c, "valid");
        return c;
    }
};

} // namespace

TEST_F(CourbeVek, TraceCourbeMontreLEnregistreurAvecLesSeptGrandeurs)
{
    cliquer(banc, "trace_courbe");
    Courbe *c = programme.traceur_courbes.courbe();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->objectName(), "courbe");
    EXPECT_TRUE(banc->isVisible()); // non modal : le banc reste utilisable
    auto *l = essai::controle<QComboBox>(c, "choix_x");
    const char *attendus[] = {"Tension d'induit de la machine1 : U",
                              "Intensité dans l'induit de la machine 1 : I",
                              "Tension d'inducteur de la machine1 : Ue",
                              "Intensité dans l'inducteur de la machine 1 : Ie",
                              "fréquence de rotation n en tr/min",
                              "Moment du couple utile : T",
                              "Tension d'alimentation de la machine 2 : U2"};
    ASSERT_EQ(l->count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(l->itemText(i), QString::fromUtf8(attendus[i]));
    // Un second clic ramène la même fenêtre.
    cliquer(banc, "trace_courbe");
    EXPECT_EQ(programme.traceur_courbes.courbe(), c);
}

TEST_F(CourbeVek, UEnAbscisseNEnOrdonneeLesPointsSontLesTextesAffiches)
{
    mettre_en_marche();
    Courbe *c = ouvrir_et_choisir(0, 4);
    EXPECT_EQ(texte(c, "Label_x"), "U (V)");
    EXPECT_EQ(texte(c, "Label_y"), "n (tr/min)");
    int n = 0;
    for (const char *Ui : {"100", "160", "220"}) {
        SCOPED_TRACE(Ui);
        regler("choixUi", Ui);
        const QString U = texte(banc, "afficheUi"), vitesse = texte(banc, "affichen");
        cliquer(c, "place_point");
        ++n;
        ASSERT_EQ(programme.courbe_enregistree.nb_points, n);
        EXPECT_EQ(programme.courbe_enregistree.x_point[n], U.toFloat());
        EXPECT_EQ(programme.courbe_enregistree.y_point[n], vitesse.toFloat());
        EXPECT_EQ(U, QString::fromUtf8(Ui)); // à vide, U affichée = U réglée
    }
    // La vitesse croît avec la tension d'induit à champ constant.
    EXPECT_LT(programme.courbe_enregistree.y_point[1], programme.courbe_enregistree.y_point[3]);
    EXPECT_EQ(texte(c, "label_xmax"), "220");
    EXPECT_EQ(texte(c, "label_ymax"), texte(banc, "affichen"));
    EXPECT_EQ(c->pos_x(3), 10080);
    EXPECT_EQ(c->pos_y(3), 480);
}

TEST_F(CourbeVek, U2EstLuDansLaSaisieValideeOuNon)
{
    Courbe *c = ouvrir_et_choisir(6, 3); // U2 et Ie
    essai::controle<QLineEdit>(banc, "choixUi2")->clear();
    taper(banc, "choixUi2", "37.5"); // ni Entrée ni Valid
    EXPECT_EQ(programme.reglages.U2, 0.0f);
    cliquer(c, "place_point");
    EXPECT_EQ(programme.courbe_enregistree.x_point[1], 37.5f);
    EXPECT_EQ(programme.courbe_enregistree.y_point[1], texte(banc, "afficheIe").toFloat());

    // Un texte illisible compte pour 0, comme le ferait sa validation.
    essai::controle<QLineEdit>(banc, "choixUi2")->clear();
    taper(banc, "choixUi2", "abc");
    regler("choixUe", "90"); // un autre point de fonctionnement
    cliquer(c, "place_point");
    ASSERT_EQ(programme.courbe_enregistree.nb_points, 2);
    EXPECT_EQ(programme.courbe_enregistree.x_point[2], 0.0f);
}

TEST_F(CourbeVek, LesPointsSurviventALaFermetureDuBancEtDeLEnregistreur)
{
    mettre_en_marche();
    Courbe *c = ouvrir_et_choisir(0, 4);
    cliquer(c, "place_point");
    regler("choixUi", "200");
    cliquer(c, "place_point");
    ASSERT_EQ(programme.courbe_enregistree.nb_points, 2);
    c->close();
    banc->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Banc fermé : une lecture ne trouve rien et vaut 0, sans planter.
    banc = programme.ouvrir_machine1();
    cliquer(banc, "trace_courbe");
    Courbe *d = programme.traceur_courbes.courbe();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(programme.courbe_enregistree.nb_points, 2);
    EXPECT_EQ(texte(d, "Label_x"), "U (V)");
    EXPECT_EQ(texte(d, "label_xmax"), "200");
}

TEST_F(CourbeVek, SansBancOuvertUneLectureVautZero)
{
    Courbe *c = ouvrir_et_choisir(0, 4);
    banc->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(programme.machine1(), nullptr);
    cliquer(c, "place_point");
    EXPECT_EQ(programme.courbe_enregistree.nb_points, 1);
    EXPECT_EQ(programme.courbe_enregistree.x_point[1], 0.0f);
}
