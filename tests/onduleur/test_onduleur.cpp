// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre « onduleur » pilotée par les noms de ses contrôles, sur la
// plate-forme hors écran, en français (virgule décimale). La minuterie est
// appelée directement ; au pas 50 un top avance de 1/4020 s, le courant
// s'annule vers 3,80 ms, entre les tops 15 et 16.
#include "onduleur.h"
#include "outils_fenetres.h"
#include "pilote_oscillo.h"

#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

using essai::cliquer;
using essai::texte;

namespace {

const QColor rouge(255, 0, 0), noir(0, 0, 0);

class FenetreOnduleur : public ::testing::Test
{
protected:
    Onduleur *w = nullptr;

    void SetUp() override
    {
        w = new Onduleur;
        w->show();
    }
    void TearDown() override { delete w; }

    void choisir(int panneau, int indice) { pilote::choisir(w, panneau, indice); }
    void tops(int n)
    {
        for (int k = 0; k < n; ++k)
            w->Timer1_Timer();
    }
    // Tous les traits l1<lettre>(k-1) … l<n><lettre>(k-1) ont-ils cette couleur ?
    bool dessin_de_couleur(char lettre, int traits, int k, const QColor &c)
    {
        for (int t = 1; t <= traits; ++t) {
            const QString nom = QStringLiteral("l%1%2(%3)").arg(t).arg(QChar(lettre)).arg(k - 1);
            if (essai::controle<Ligne>(w, nom)->couleur() != c)
                return false;
        }
        return true;
    }
    // Les huit dessins : T1..T4 puis D1..D4, rouges si passants.
    void verifier_couleurs(std::array<bool, 4> transistors, std::array<bool, 4> diodes)
    {
        for (int k = 1; k <= 4; ++k) {
            SCOPED_TRACE(k);
            EXPECT_TRUE(dessin_de_couleur('t', 8, k, transistors[k - 1] ? rouge : noir)) << "T" << k;
            EXPECT_TRUE(dessin_de_couleur('d', 5, k, diodes[k - 1] ? rouge : noir)) << "D" << k;
        }
    }
};

} // namespace

TEST_F(FenetreOnduleur, AuChargement)
{
    EXPECT_EQ(w->objectName(), "onduleur");
    EXPECT_EQ(w->windowTitle(), "Étude de l'onduleur par A. Varlon");
    EXPECT_EQ(texte(w, "Label21"), "Pour simplifier, les tensions de seuil des diodes ont été négligées.");
    EXPECT_FALSE(essai::controle<QTimer>(w, "Timer1")->isActive());
    const double y_axe[4] = {1260, 3240, 5220, 7200};
    for (int i = 0; i < 4; ++i) {
        const QString n = QStringLiteral("(%1)").arg(i), k = QString::number(i + 1);
        auto *liste = essai::controle<QComboBox>(w, "choix_grandeur" + n);
        EXPECT_EQ(liste->count(), 24);
        EXPECT_EQ(liste->itemText(3), "iE courant absorbé par l'onduleur (A)");
        const std::pair<const char *, const char *> noms[] = {
            {"label_t", "T"}, {"label_d", "D"}, {"label_it", "iT"}, {"label_id", "iD"}, {"label_ib", "ib"}};
        for (const auto &[nom, debut] : noms)
            EXPECT_EQ(texte(w, nom + n), debut + k);
        // Axes des temps de 6180 à 10200, axes des valeurs 660 au-dessus et au-dessous.
        const Ligne *lx = essai::controle<Ligne>(w, "lx" + n), *ly = essai::controle<Ligne>(w, "ly" + n);
        EXPECT_EQ(QList<double>({lx->x1(), lx->x2(), lx->y1(), ly->y1(), ly->y2()}),
                  QList<double>({6180, 10200, y_axe[i], y_axe[i] - 660, y_axe[i] + 660}));
    }
    verifier_couleurs({false, false, false, false}, {false, false, false, false});
}

TEST_F(FenetreOnduleur, PanneauDeEUneDroiteEnHautDeSonAxe)
{
    choisir(0, 0); // E
    EXPECT_EQ(texte(w, "labelymax(0)"), "34");
    for (int n = 1; n <= 60; ++n) {
        tops(1);
        ASSERT_EQ(w->balayage().y_cour(0), 600) << "top " << n; // haut de ly(0)
    }
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "34");
}

TEST_F(FenetreOnduleur, MoyennesEtPleinesEchelles)
{
    const struct {
        int indice;
        const char *ymax, *moyenne;
    } lignes[] = {
        {0, "34", "34"},           {2, "0,3928", "0"},       {3, "0,3928", "0,0644"},
        {5, "34", "17"},           {9, "0,3928", "0,06715"}, {14, "34", "-17"},
        {18, "0,3928", "0,03495"}, {21, "0,03928", ""}, // la moyenne de iD2 ne reste pas sous ib2
    };
    for (const auto &l : lignes) {
        SCOPED_TRACE(l.indice);
        choisir(2, l.indice);
        EXPECT_EQ(texte(w, "labelymax(2)"), l.ymax);
        EXPECT_EQ(texte(w, "aff_vmoy(2)"), l.moyenne);
    }
}

TEST_F(FenetreOnduleur, DiodesPuisTransistorsEnRougeAuFilDuBalayage)
{
    choisir(0, 16); // iD1
    choisir(1, 8);  // iT1
    // Premier top après le chargement : i valait 0, T1 et T4 sont pris passants.
    tops(1);
    verifier_couleurs({true, false, false, true}, {false, false, false, false});
    EXPECT_EQ(texte(w, "aff_vinst(1)"), "-0,3623"); // i(1/4020 s), porté par T1
    // Fin du premier balayage et effacement (top 81), puis le second repart
    // de i ~ -imax : D1 et D4 ramènent le courant.
    tops(80);
    ASSERT_EQ(w->balayage().x_curseur(), 0);
    tops(1);
    verifier_couleurs({false, false, false, false}, {true, false, false, true});
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "0,3623");
    tops(15); // top 16, passage par zéro : la diode montre un petit courant négatif
    verifier_couleurs({false, false, false, false}, {true, false, false, true});
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "-0,01527");
    EXPECT_EQ(texte(w, "aff_vinst(1)"), "0");
    tops(1); // top 17 : T1 et T4 prennent le relais
    verifier_couleurs({true, false, false, true}, {false, false, false, false});
    EXPECT_EQ(texte(w, "aff_vinst(1)"), "0,03578");
    tops(24); // top 41 : u = -E, D2 et D3 conduisent
    verifier_couleurs({false, false, false, false}, {false, true, true, false});
    tops(16); // top 57 : T2 et T3
    verifier_couleurs({false, true, true, false}, {false, false, false, false});
}

TEST_F(FenetreOnduleur, AuPasNulLaConductionSuitLeCourantDuMemeInstant)
{
    choisir(0, 2); // i
    tops(81 + 16); // top 16 du second balayage : i vient de passer par zéro
    verifier_couleurs({false, false, false, false}, {true, false, false, true});
    for (int k = 0; k < 5; ++k)
        cliquer(w, "Ralentir");
    ASSERT_EQ(w->balayage().pas(), 0);
    tops(2);
    verifier_couleurs({true, false, false, true}, {false, false, false, false});
    EXPECT_EQ(texte(w, "aff_vinst(0)"), "0,01527");
}

// --- Période exportée ---------------------------------------------

TEST_F(FenetreOnduleur, LaPeriodeExporteeEstCelleDuRegimeEtabli)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    std::vector<QString> messages;
    w->montrer_message = [&](const QString &m) { messages.push_back(m); };
    w->demander_fichier_csv = [&] { return dossier.filePath("onduleur.csv"); };
    choisir(0, 2);  // i
    choisir(1, 8);  // iT1
    choisir(3, 16); // iD1 ; le panneau 2 reste vide
    cliquer(w, "exporter_periode");
    ASSERT_EQ(messages.size(), 1u);
    QFile f(dossier.filePath("onduleur.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList lignes = QString::fromUtf8(f.readAll().mid(3)).split(QStringLiteral("\r\n"));
    lignes.removeLast();
    ASSERT_EQ(lignes.size(), 1001);
    EXPECT_EQ(lignes[0], "t (s);i courant dans la charge (A);iT1 intensité dans T1 (A);iD1 intensité dans D1 (A)");
    // t = 0 en régime établi : i = -imax = 0,85 (1 - 2 / (1 + 1/e)) = -0,3927996 A, que
    // conduit D1 (le courant de la fin de la période précédente est négatif) :
    // iT1 = 0, iD1 = +0,3928. Sans la période de mise en régime, T1 aurait
    // conduit un courant négatif.
    EXPECT_TRUE(lignes[1].startsWith("0;-0,3927995836")) << lignes[1].toStdString();
    const QStringList premiere = lignes[1].split(';');
    ASSERT_EQ(premiere.size(), 4);
    EXPECT_EQ(premiere[2], "0");
    EXPECT_NEAR(QString(premiere[3]).replace(',', '.').toDouble(), 0.3927996, 1e-7);
    // Dernier instant, 0,01998 s : seconde alternance, T2 et T3 conduisent.
    const QStringList derniere = lignes[1000].split(';');
    EXPECT_NEAR(QString(derniere[1]).replace(',', '.').toDouble(), -0.3918843, 1e-7);
    EXPECT_EQ(derniere[2], "0");
    EXPECT_EQ(derniere[3], "0");
    // Le modèle du balayage n'a pas bougé : au premier top, i vaut encore 0
    // et T1, T4 sont pris pour passants.
    tops(1);
    verifier_couleurs({true, false, false, true}, {false, false, false, false});
}

// Les constantes du montage s'écrivent dans la langue : virgule ou point décimal.
TEST(NotesOnduleur, LesNombresSuiventLaLangue)
{
    const std::pair<QLocale, const char *> cas[] = {
        {QLocale(QLocale::French, QLocale::France), "E = 34 V      R = 40 Ω      L = 0,4 H      f = 50 Hz"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom),
         "E = 34 V      R = 40 Ω      L = 0.4 H      f = 50 Hz"},
    };
    for (const auto &[langue, attendu] : cas) {
        QLocale::setDefault(langue);
        const Onduleur w;
        EXPECT_EQ(texte(&w, "nom_constantes"), QString::fromUtf8(attendu)) << langue.name().toStdString();
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
