// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points de l'enregistreur gardés sur le disque, sans Qt : le texte du
// fichier, sa relecture (une entrée hostile : fichier abîmé, tronqué, d'un
// autre programme ou d'une autre version), et la reprise des points lus
// dans courbe_enregistree.
//
// Le fichier est un texte de quelques lignes :
//   enregistreur de courbes, points gardés, version 1
//   programme sodel
//   axes 2 1
//   1450 12.5
//   …                (un point par ligne : abscisse, ordonnée)
// Chaque valeur est écrite au plus court qui redonne exactement le nombre
// rangé en simple précision, avec le point décimal quelle que soit la langue.

#include "courbe_enregistree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace courbe {

struct PointsGardes {
    std::int16_t grandeur_x = 0; // 0 : axe sans grandeur
    std::int16_t grandeur_y = 0;
    std::vector<std::pair<float, float>> points; // 1 à 100 points, dans l'ordre
};

// Au-delà, un fichier n'est pas lu : cent points tiennent en 4 Kio.
inline constexpr std::size_t taille_max_points_gardes = 64 * 1024;

// Le texte du fichier pour les points 1 .. nb_points de c.
std::string texte_points_gardes(const CourbeEnregistree &c, std::string_view programme);

// Les points d'un fichier écrit par texte_points_gardes pour ce programme,
// dont les axes désignent des grandeurs 0 .. nombre_grandeurs ; rien pour un
// texte abîmé ou étranger (en-tête ou programme différents, ligne ou nombre
// illisible, valeur non finie, aucun point ou plus de cent).
std::optional<PointsGardes> lire_points_gardes(std::string_view texte, std::string_view programme,
                                               int nombre_grandeurs);

// Reprend les points lus : les axes, les points dans leurs cases 1..n, et
// les maxima et les pas de graduation tels que les auraient laissés ces
// points placés un à un.
void reprendre_points(CourbeEnregistree &c, const PointsGardes &p, const Variante &v);

} // namespace courbe
