// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre « redressement » de fenoul pilotée par les noms de ses contrôles,
// sur la plate-forme hors écran, en français (virgule décimale). La minuterie
// est appelée directement.
#include "outils_fenetres.h"
#include "pilote_oscillo.h"
#include "redressement.h"

#include <QComboBox>
#include <QLineEdit>

using essai::texte;

namespace {

const QColor rouge(255, 0, 0), noir(0, 0, 0);

class FenetreFenoul : public ::testing::Test
{
protected:
    Redressement *w = nullptr;

    void SetUp() override
    {
        w = new Redressement;
        w->show();
    }
    void TearDown() override { delete w; }

    bool diode_de_couleur(int k, const QColor &c)
    {
        for (int trait = 1; trait <= 6; ++trait)
            if (essai::controle<Ligne>(w, QStringLiteral("l%1d(%2)").arg(trait).arg(k - 1))->couleur() != c)
                return false;
        return true;
    }
};

} // namespace

TEST_F(FenetreFenoul, AuChargementLeTitreNommeLePontDeDiodes)
{
    EXPECT_EQ(w->objectName(), "redressement");
    EXPECT_EQ(w->windowTitle(), "Étude du pont de diodes par A. Varlon");
    EXPECT_EQ(texte(w, "Label14"), "R = 20 Ohms.");
    EXPECT_EQ(texte(w, "Label18"), "Pour simplifier, les tensions de seuils des diodes ont été négligées.");
    EXPECT_EQ(w->findChild<QLineEdit *>(), nullptr); // aucune saisie
    for (int i = 0; i < 4; ++i) {
        const QString n = QStringLiteral("(%1)").arg(i);
        EXPECT_EQ(essai::controle<QComboBox>(w, "choix_grandeur" + n)->count(), 12);
        EXPECT_EQ(texte(w, "label_d" + n), QStringLiteral("D%1").arg(i + 1));
    }
}

TEST_F(FenetreFenoul, LaTraceDUneDiodePassanteEst15UnitesAuDessusDeLAxe)
{
    pilote::choisir(w, 0, 4); // uD1
    pilote::choisir(w, 1, 1); // uc
    w->Timer1_Timer();        // D1 et D4 passantes : uD1 = 0
    EXPECT_EQ(w->balayage().y_cour(0), 1320 - 15);
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "0");
    EXPECT_EQ(texte(w, "aff_vinst(1)"), "2,573"); // uc = u
    EXPECT_EQ(texte(w, "aff_vmoy(1)"), "21,61");
}

TEST_F(FenetreFenoul, PasNulApresEffacementTResteNulEtD2D4Conduisent)
{
    pilote::choisir(w, 0, 1); // uc
    pilote::choisir(w, 1, 3); // is
    for (int k = 0; k < 5; ++k)
        essai::cliquer(w, "Ralentir");
    ASSERT_EQ(w->balayage().pas(), 0);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        w->Timer1_Timer();
        EXPECT_EQ(w->balayage().t(), 0.0);
        EXPECT_TRUE(diode_de_couleur(2, rouge));
        EXPECT_TRUE(diode_de_couleur(4, rouge));
        EXPECT_TRUE(diode_de_couleur(1, noir));
        EXPECT_TRUE(diode_de_couleur(3, noir));
        EXPECT_EQ(texte(w, "aff_vinst(0)"), "0");
        EXPECT_EQ(texte(w, "aff_vinst(1)"), "0");
        EXPECT_EQ(essai::controle<Ligne>(w, "ld")->x1(), 6300);
    }
}
