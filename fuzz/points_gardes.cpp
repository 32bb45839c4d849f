// SPDX-License-Identifier: GPL-3.0-or-later
// Points gardés de l'enregistreur : le fichier relu est une entrée hostile.
// Pour tout texte, la lecture rend rien ou un enregistrement valable ; repris
// dans l'état, puis écrit et relu, il revient identique, avec des maxima
// finis et positifs ou nuls, et l'état se dispose dans un repère en nombres
// finis.
#include "points_gardes.h"
#include "courbe_enregistree.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void exiger(bool condition, const char *quoi)
{
    if (!condition) {
        std::fprintf(stderr, "points_gardes : %s\n", quoi);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char *>(donnees), taille);
    const auto lus = courbe::lire_points_gardes(texte, "sodel", 3);
    if (!lus)
        return 0;
    exiger(!lus->points.empty() && lus->points.size() <= static_cast<std::size_t>(courbe::capacite),
           "nombre de points");
    exiger(lus->grandeur_x >= 0 && lus->grandeur_x <= 3 && lus->grandeur_y >= 0 && lus->grandeur_y <= 3,
           "grandeur hors de la table");

    courbe::Variante v;
    v.pas_arrondi = taille % 2 == 0;
    courbe::CourbeEnregistree c;
    courbe::reprendre_points(c, *lus, v);
    exiger(c.nb_points == static_cast<int>(lus->points.size()), "points repris");
    exiger(std::isfinite(c.xmax) && c.xmax >= 0 && std::isfinite(c.ymax) && c.ymax >= 0, "maxima");

    const std::string ecrit = courbe::texte_points_gardes(c, "sodel");
    const auto relus = courbe::lire_points_gardes(ecrit, "sodel", 3);
    exiger(relus && relus->grandeur_x == lus->grandeur_x && relus->grandeur_y == lus->grandeur_y &&
               relus->points == lus->points,
           "écrit puis relu, l'enregistrement change");

    const courbe::Disposition d = courbe::disposer(c, courbe::repere_courbe_sodel);
    for (double m : d.marque_x)
        exiger(std::isfinite(m), "marque non finie");
    for (double m : d.marque_y)
        exiger(std::isfinite(m), "marque non finie");
    return 0;
}
