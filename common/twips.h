// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Unité de tout le dessin : le twip (1/1440 de pouce). À 96 points par pouce
// logique, un pixel logique vaut 15 twips ; c'est le seul point de conversion
// entre les coordonnées des bancs et les pixels de Qt.

#include <QColor>
#include <QRect>
#include <QRectF>

#include <cmath>
#include <cstdint>

namespace twips {

inline constexpr double par_pixel = 15.0;

// Twips -> pixels logiques, arrondi au pixel le plus proche.
inline int px(double t)
{
    return static_cast<int>(std::lround(t / par_pixel));
}

// Pixels logiques (décalage de la souris, par exemple) -> twips.
inline double depuis_px(double p)
{
    return p * par_pixel;
}

inline QRect rect_px(double gauche, double haut, double largeur, double hauteur)
{
    return QRect(px(gauche), px(haut), px(largeur), px(hauteur));
}

// Au vidéoprojecteur, un pixel logique vaut « ratio » pixels de l'écran
// (1,5 à 150 %). Un trait d'un pixel logique y aurait 1,5 pixel d'épaisseur :
// selon sa place, il en noircirait un ou deux, et deux fils voisins ne
// paraîtraient pas de la même épaisseur. Un trait se dessine donc avec un
// nombre entier de pixels de l'écran, au moins un...
inline int epaisseur_ecran(int largeur, double ratio)
{
    const long e = std::lround(largeur * ratio);
    return e < 1 ? 1 : static_cast<int>(e);
}

// ... et son axe se pose sur la grille des pixels de l'écran : entre deux
// pixels pour une épaisseur paire, au milieu du pixel où il passe pour une
// impaire. Il couvre alors exactement « epaisseur » pixels, où qu'il soit.
// (Qt peint un trait d'un seul pixel sur le pixel de sa coordonnée entière.)
inline double sur_la_grille(double pixel_ecran, int epaisseur)
{
    if (epaisseur % 2 == 0)
        return std::round(pixel_ecran);
    return std::floor(pixel_ecran) + (epaisseur == 1 ? 0.0 : 0.5);
}

} // namespace twips

// Couleur écrite comme un nombre 0xBBGGRR (rouge dans l'octet de poids faible).
inline QColor couleur_bgr(std::uint32_t bbggrr)
{
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

// Fond des afficheurs des bancs (orange clair) et fond d'alerte.
inline constexpr std::uint32_t fond_afficheur = 0x80C0FF;
inline constexpr std::uint32_t fond_alerte = 255;
