// SPDX-License-Identifier: GPL-3.0-or-later
// Place des fenêtres à l'écran, et boîtes standard de Qt en français.
#include "feuille.h"
#include "placement.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

// La première fenêtre au milieu de l'écran (moins son panneau) ; une annexe
// à côté du banc (la première des fenêtres ouvertes) s'il y a la place ; une
// fenêtre trop grande contre le coin.
TEST(Placement, SeuleAuMilieuPuisAnnexeACoteDuBancDansLEcran)
{
    const QRect ecran(0, 32, 1920, 1048), banc(560, 334, 800, 444), enregistreur(564, 778, 768, 302);
    const struct {
        QSize taille;
        std::vector<QRect> autres;
        QPoint attendu;
    } cas[] = {
        {{800, 444}, {}, {560, 334}},                    // seule
        {{500, 600}, {banc}, {1360, 334}},               // haute : à droite du banc
        {{768, 302}, {banc}, {560, 778}},                // large : dessous
        {{500, 300}, {banc, enregistreur}, {1360, 334}}, // le banc d'abord
        {{2000, 1200}, {}, {0, 32}},                     // plus grande que l'écran
    };
    for (const auto &c : cas)
        EXPECT_EQ(placement::choisir(c.taille, ecran, c.autres), c.attendu) << c.taille.width();
}

// Le spectre (696 × 552 cadre compris) à côté d'un banc d'oscillogrammes
// (908 × 621, au milieu de l'écran) s'il y a la place ; sinon hors des
// panneaux du banc (291 × 482) s'il le peut, quitte à couvrir davantage le
// schéma ou les contrôles ; sinon en en couvrant le moins possible.
TEST(Placement, AnnexeHorsDeLaZoneAGarderDuBanc)
{
    const QSize banc_taille(908, 621), spectre(696, 552), panneaux(291, 482);
    const struct {
        QRect ecran;
        QPoint decalage; // coin des panneaux dans le banc
        QPoint attendu;
    } cas[] = {
        {{0, 32, 1366, 736}, {447, 83}, {0, 32}},      // rien ne les évite : 20 colonnes sur 291
        {{0, 32, 1280, 768}, {447, 83}, {0, 32}},      // de même : 63 colonnes
        {{0, 32, 1920, 1048}, {447, 83}, {0, 528}},    // à gauche, sur le schéma
        {{0, 32, 1920, 1048}, {14, 83}, {1224, 528}},  // panneaux à gauche : à droite
        {{0, 32, 2560, 1408}, {447, 83}, {1734, 425}}, // à côté du banc
    };
    for (const auto &c : cas) {
        const QRect banc(placement::choisir(banc_taille, c.ecran, {}), banc_taille);
        const QRect zone(banc.topLeft() + c.decalage, panneaux);
        EXPECT_EQ(placement::choisir(spectre, c.ecran, {banc}, zone), c.attendu)
            << c.ecran.width() << "x" << c.decalage.x();
    }
}

// Les boîtes de Qt ouvertes par la suite parlent français (traductions de Qt
// chargées par polices::preparer_application, au démarrage de chaque
// programme ; ctest lance ces essais sous LANG=fr_FR.UTF-8).
TEST(Langue, BoiteDeFichierEtMenuDesSaisiesEnFrancais)
{
    Feuille f(QStringLiteral("f"), QStringLiteral("f"), 6000, 3000);
    f.show();
    QFileDialog *boite = f.choix_fichier_a_enregistrer(
        QStringLiteral("choix"), QStringLiteral("Exporter"), QStringLiteral("periode.csv"),
        QStringLiteral("Tableur (*.csv)"), QStringLiteral("csv"), {}, [](const QString &) {});
    ASSERT_NE(boite, nullptr);
    auto *nom = boite->findChild<QLabel *>(QStringLiteral("fileNameLabel"));
    ASSERT_NE(nom, nullptr);
    EXPECT_EQ(nom->text(), QStringLiteral("&Nom de fichier :"));
    auto *boutons = boite->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    ASSERT_NE(boutons, nullptr);
    EXPECT_EQ(boutons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));

    QLineEdit saisie;
    saisie.setText(QStringLiteral("12"));
    std::unique_ptr<QMenu> menu(saisie.createStandardContextMenu());
    QStringList textes;
    for (QAction *a : menu->actions())
        textes << a->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(textes.contains(QStringLiteral("Cop&ier"))) << textes.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(textes.contains(QStringLiteral("Co&ller"))) << textes.join(QLatin1Char('|')).toStdString();
}
