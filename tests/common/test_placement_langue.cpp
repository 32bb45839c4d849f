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

TEST(Placement, SeuleAuMilieuPuisAnnexeAColeDuBancDansLEcran)
{
    const QRect ecran(0, 0, 1920, 1080);
    const QRect banc(564, 318, 800, 444); // au milieu
    const struct {
        const char *nom;
        QSize taille;
        std::vector<QRect> autres;
        QPoint attendu;
    } cas[] = {
        {"seule : au milieu", {800, 444}, {}, {560, 318}},
        {"annexe haute : à droite du banc", {500, 600}, {banc}, {1364, 318}},
        {"annexe large : dessous", {768, 314}, {banc}, {564, 762}},
        {"le banc d'abord, puis l'enregistreur", {500, 300}, {banc, QRect(564, 762, 768, 314)}, {1364, 318}},
        {"plus grande que l'écran : au coin", {2000, 1200}, {}, {0, 0}},
        {"écran décalé par un panneau", {400, 300}, {}, {760, 406}},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        const QRect dispo = QByteArray(c.nom).startsWith("écran") ? QRect(0, 32, 1920, 1048) : ecran;
        const QPoint p = placement::choisir(c.taille, dispo, c.autres);
        EXPECT_EQ(p, c.attendu);
        if (c.taille.width() <= dispo.width()) {
            EXPECT_TRUE(dispo.contains(QRect(p, c.taille)));
        }
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
        QStringLiteral("Tableur (*.csv)"), [](const QString &) {});
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
