// L'enregistreur de courbes branché sur le banc trivon : chaque point est le
// texte que montre l'afficheur de la grandeur choisie.
#include "courbe.h"
#include "form1.h"
#include "outils_fenetres.h"
#include "programme_trivon.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

using essai::cliquer;
using essai::entree;
using essai::taper;
using essai::texte;

namespace {

class CourbeTrivon : public ::testing::Test
{
protected:
    ProgrammeTrivon programme;
    Form1 *banc = nullptr;

    void SetUp() override { banc = programme.ouvrir_form1(); }

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

    void choisir(Courbe *c, int x, int y)
    {
        for (auto [nom, position] : {std::pair{"choix_x", x}, {"choix_y", y}}) {
            auto *l = essai::controle<QComboBox>(c, nom);
            l->setCurrentIndex(position);
            emit l->activated(position);
        }
        cliquer(c, "valid");
    }
};

} // namespace

TEST_F(CourbeTrivon, LesSeptGrandeursSontLuesDansLeursAfficheurs)
{
    regler("choix_uvek", "120");
    regler("choix_ue", "70");
    cliquer(banc, "bouton_inter");
    cliquer(banc, "trace_courbe");
    Courbe *c = programme.traceur_courbes.courbe();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->objectName(), "courbe");
    const struct {
        const char *liste, *legende, *afficheur;
    } table[] = {
        {"Tension simple d'induit U", "U (V)", "aff_v"},
        {"intensité d'induit en ligne I", "I (A)", "aff_i"},
        {"Tension d'excitation Ue", "Ue (V)", "aff_ue"},
        {"intensité d'excitation Ie", "Ie (A)", "aff_ie"},
        {"fréquence de rotation n", "n (tr/min)", "aff_n"},
        {"moment du couple T", "Tu (N.m)", "aff_t"},
        {"Puissance électrique P", "P (W)", "aff_p"},
    };
    auto *liste = essai::controle<QComboBox>(c, "choix_x");
    ASSERT_EQ(liste->count(), 7);
    // Chaque grandeur en abscisse, la fréquence de rotation en ordonnée.
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(table[k].afficheur);
        EXPECT_EQ(liste->itemText(k), QString::fromUtf8(table[k].liste));
        cliquer(c, "change_axe");
        choisir(c, k, 4);
        EXPECT_EQ(texte(c, "Label_x"), QString::fromUtf8(table[k].legende));
        cliquer(c, "place_point");
        ASSERT_EQ(programme.courbe_enregistree.nb_points, 1);
        EXPECT_EQ(programme.courbe_enregistree.x_point[1], texte(banc, table[k].afficheur).toFloat());
        EXPECT_NE(programme.courbe_enregistree.x_point[1], 0.0f);
        EXPECT_EQ(programme.courbe_enregistree.y_point[1], 1500.0f);
    }
}

TEST_F(CourbeTrivon, CaracteristiqueEnChargeEtPasDeGraduationLisible)
{
    regler("choix_uvek", "120");
    regler("choix_ue", "70");
    cliquer(banc, "bouton_inter");
    cliquer(banc, "trace_courbe");
    Courbe *c = programme.traceur_courbes.courbe();
    choisir(c, 1, 0); // U en fonction de I
    for (const char *R : {"1000", "500", "100"}) {
        regler("choix_rc", R);
        cliquer(c, "place_point");
    }
    ASSERT_EQ(programme.courbe_enregistree.nb_points, 3);
    // La tension baisse quand le courant débité croît.
    EXPECT_GT(programme.courbe_enregistree.y_point[1], programme.courbe_enregistree.y_point[3]);
    EXPECT_EQ(texte(c, "label_xmax"), texte(banc, "aff_i"));
    // I max = 2,2 A : pas de 0,5 A, gardé avec son bruit de simple précision
    // mais écrit sans lui.
    EXPECT_NE(programme.courbe_enregistree.pas_x, 0.5);
    EXPECT_NEAR(programme.courbe_enregistree.pas_x, 0.5, 1e-6);
    EXPECT_EQ(texte(c, "label_echelle_x"), "0.5");

    // Banc fermé : les points restent, une lecture vaut 0.
    banc->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(programme.form1(), nullptr);
    cliquer(c, "place_point");
    ASSERT_EQ(programme.courbe_enregistree.nb_points, 4);
    EXPECT_EQ(programme.courbe_enregistree.x_point[4], 0.0f);
}
