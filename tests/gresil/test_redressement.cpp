// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre « redressement » de gresil pilotée par les noms de ses contrôles,
// sur la plate-forme hors écran, en français (virgule décimale). La minuterie
// est appelée directement.
#include "outils_fenetres.h"
#include "pilote_oscillo.h"
#include "redressement.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

using essai::texte;

namespace {

const QColor rouge(255, 0, 0), noir(0, 0, 0);

class FenetreGresil : public ::testing::Test
{
protected:
    Redressement *w = nullptr;

    void SetUp() override
    {
        w = new Redressement;
        w->show();
    }
    void TearDown() override { delete w; }

    void tops(int n)
    {
        for (int k = 0; k < n; ++k)
            w->Timer1_Timer();
    }
    // Couleur commune des six traits du composant k (0 : T1 … 3 : D2), ou
    // une couleur invalide s'ils ne sont pas tous de la même.
    QColor couleur_composant(int k)
    {
        const QColor c = essai::controle<Ligne>(w, QStringLiteral("l1d(%1)").arg(k))->couleur();
        for (int trait = 2; trait <= 6; ++trait)
            if (essai::controle<Ligne>(w, QStringLiteral("l%1d(%2)").arg(trait).arg(k))->couleur() != c)
                return QColor();
        return c;
    }
    bool visible(const char *nom) { return essai::controle(w, nom)->isVisible(); }
};

} // namespace

TEST_F(FenetreGresil, AuChargement)
{
    EXPECT_EQ(w->objectName(), "redressement");
    EXPECT_EQ(w->windowTitle(), "Étude du pont mixte par A. Varlon");
    EXPECT_EQ(texte(w, "Label13"), "u : Tension sinusoïdale de valeur efficace 24 V et de fréquence 50 Hz.");
    EXPECT_EQ(texte(w, "Label14"), "R = 20 Ohms.");
    EXPECT_EQ(texte(w, "Label18"),
              "Pour simplifier, les tensions de seuils des diodes et des thyristors ont été négligées.");
    EXPECT_EQ(texte(w, "choix_alpha"), "0");
    EXPECT_FALSE(visible("alpha_valid"));
    const char *noms[] = {"T1", "T2", "D1", "D2"};
    for (int i = 0; i < 4; ++i) {
        const QString n = QStringLiteral("(%1)").arg(i);
        auto *liste = essai::controle<QComboBox>(w, "choix_grandeur" + n);
        EXPECT_EQ(liste->count(), 14);
        EXPECT_EQ(liste->itemText(7), "ud2 tension aux bornes de D2 (V)");
        EXPECT_EQ(texte(w, "label_d" + n), noms[i]);
        EXPECT_EQ(couleur_composant(i), noir);
    }
    // Curseur au chargement d'après la ligne de géométrie du pont mixte.
    EXPECT_EQ(essai::controle<Ligne>(w, "ld")->x1(), 6480);
    EXPECT_EQ(w->findChild<QWidget *>("nom_ig3"), nullptr); // les diodes n'ont pas de gâchette
}

TEST_F(FenetreGresil, LesComposantsQuiConduisentSontRougesDunBloc)
{
    pilote::choisir(w, 0, 0);
    tops(1); // alpha = 0, t = 0,24 ms : T1 et D2
    EXPECT_EQ(couleur_composant(0), rouge);
    EXPECT_EQ(couleur_composant(3), rouge);
    EXPECT_EQ(couleur_composant(1), noir);
    EXPECT_EQ(couleur_composant(2), noir);

    pilote::valider(w, "choix_alpha", "60");
    tops(5); // t = 1,2 ms, avant l'amorçage : roue libre par T2 et D2
    EXPECT_EQ(couleur_composant(1), rouge);
    EXPECT_EQ(couleur_composant(3), rouge);
    EXPECT_EQ(couleur_composant(0), noir);
}

TEST_F(FenetreGresil, ApresUnAngleValideChaqueMoyenneLeReflete)
{
    for (int i = 0; i < 4; ++i)
        pilote::choisir(w, i, std::array{1, 2, 8, 12}[i]); // uc, ic, iT1, ig1
    EXPECT_EQ(texte(w, "aff_vmoy(1)"), "1,08");
    tops(10);
    essai::taper(w, "choix_alpha", QStringLiteral("\b60"));
    EXPECT_TRUE(visible("alpha_valid"));
    essai::cliquer(w, "alpha_valid");
    EXPECT_FALSE(visible("alpha_valid"));
    // vmax (1 + cos 60°) / pi = 16,21 ; imoy = 0,8103 ; imoy / 2 ; imoy / 10.
    const char *moyennes[] = {"16,21", "0,8103", "0,4051", ""};
    const char *echelles[] = {"33,94", "0,8103", "0,8103", "0,08103"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texte(w, QStringLiteral("aff_vmoy(%1)").arg(i)), moyennes[i]);
        EXPECT_EQ(texte(w, QStringLiteral("labelymax(%1)").arg(i)), echelles[i]);
    }
    EXPECT_EQ(w->balayage().x_curseur(), 0);
    EXPECT_TRUE(essai::controle<QTimer>(w, "Timer1")->isActive());
}

TEST_F(FenetreGresil, UnAngleRefuseRemetLaSaisieAZeroEtNeChangeRienDAutre)
{
    pilote::choisir(w, 0, 2); // ic
    pilote::valider(w, "choix_alpha", "30");
    tops(7);
    const QString echelle = texte(w, "labelymax(0)"), moyenne = texte(w, "aff_vmoy(0)");
    for (const char *refuse : {"-1", "180.5", "1000", "-0.5"}) {
        SCOPED_TRACE(refuse);
        pilote::valider(w, "choix_alpha", refuse);
        EXPECT_EQ(texte(w, "choix_alpha"), "0");
        EXPECT_EQ(w->pont().alpha(), 30.0);
        EXPECT_EQ(texte(w, "labelymax(0)"), echelle);
        EXPECT_EQ(texte(w, "aff_vmoy(0)"), moyenne);
        EXPECT_EQ(w->balayage().x_curseur(), 350); // le balayage n'est pas effacé
    }
}
