// SPDX-License-Identifier: GPL-3.0-or-later
// Netteté à la taille de l'essai : un trait d'un pixel logique couvre le même
// nombre entier de pixels de l'écran où qu'il passe, dessiné sur la surface
// comme posé en élément graphique (pas de fil d'un pixel à côté d'un fil de
// deux), de même pour les bords des afficheurs ; les icônes des boîtes de
// message sont dessinées aux pixels de l'écran, pas agrandies.
#include "classe.h"
#include "feuille.h"

#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Longueurs des suites de pixels noirs rencontrées en descendant la colonne x
// (ou en suivant la rangée y quand « colonne » est faux).
std::vector<int> epaisseurs(const QImage &image, int place, bool colonne)
{
    std::vector<int> suites;
    const int n = colonne ? image.height() : image.width();
    int suite = 0;
    for (int i = 0; i <= n; ++i) {
        const bool noir = i < n && (colonne ? image.pixelColor(place, i) : image.pixelColor(i, place)) == Qt::black;
        if (noir) {
            ++suite;
        } else if (suite > 0) {
            suites.push_back(suite);
            suite = 0;
        }
    }
    return suites;
}

} // namespace

TEST(Classe, TraitsDUnePiecePartout)
{
    Feuille f(QStringLiteral("essai"), QStringLiteral("essai"), 3000, 3000);
    const int attendue = static_cast<int>(std::lround(classe::facteur()));
    // Six fils horizontaux sur la surface et six fils verticaux posés dessus,
    // à des places qui tombent entre les pixels de l'écran de toutes les façons.
    for (int k = 0; k < 6; ++k) {
        const double place = 300 + 337 * k;
        f.trait(150, place, 2800, place, Qt::black);
        f.ligne(QStringLiteral("fil(%1)").arg(k), place, 150, place, 2800);
    }
    // Lus à 2400 twips, au-delà de tous les fils de l'autre sens.
    const int loin = static_cast<int>(2400 / 15.0 * classe::facteur());
    const std::vector<int> six(6, attendue);
    EXPECT_EQ(epaisseurs(f.surface(), loin, true), six) << "surface";
    EXPECT_EQ(epaisseurs(f.grab().toImage(), loin, false), six) << "éléments graphiques";
}

TEST(Classe, CadresDesAfficheursDUnePiece)
{
    // Trois afficheurs à des places qui tombent différemment sur la grille
    // de l'écran : chaque bord, haut et bas, de la même épaisseur entière.
    Feuille f(QStringLiteral("essai"), QStringLiteral("essai"), 3000, 3000);
    for (int k = 0; k < 3; ++k)
        f.afficheur(QStringLiteral("a(%1)").arg(k), 300, 1000 + 615 * k, 1200, 375);
    const int attendue = static_cast<int>(std::lround(classe::facteur()));
    const int milieu = static_cast<int>(900 / 15.0 * classe::facteur());
    EXPECT_EQ(epaisseurs(f.grab().toImage(), milieu, true), std::vector<int>(6, attendue));
}

TEST(Classe, IconesDesBoitesAuxPixelsDeLEcran)
{
    for (const auto genre : {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical,
                             QMessageBox::Question}) {
        QMessageBox boite(genre, QStringLiteral("titre"), QStringLiteral("texte"));
        const int cote = boite.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &boite);
        EXPECT_EQ(boite.iconPixmap().size(), QSize(cote, cote) * classe::facteur()) << "icône " << genre;
    }
}
