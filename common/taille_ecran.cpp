// SPDX-License-Identifier: GPL-3.0-or-later
#include "taille_ecran.h"

#include "ligne_commande.h"

#include <iterator>

namespace taille_ecran {

namespace {
// Les dimensions des écrans et des fenêtres sont des pixels entiers ; un
// produit comme 589 × 1,75 ne doit pas échouer d'un rien d'arrondi.
constexpr double tolerance_pixels = 1e-6;
} // namespace

Fenetres fixes(Dimensions d)
{
    return [d](double) { return d; };
}

bool tient(const Fenetres &fenetres, int taille, Dimensions disponible)
{
    const double echelle = taille / 100.0;
    const double largeur_offerte = (disponible.largeur - cadre.largeur) / echelle;
    const Dimensions d = fenetres(largeur_offerte);
    return d.largeur * echelle + cadre.largeur <= disponible.largeur + tolerance_pixels &&
           d.hauteur * echelle + cadre.hauteur <= disponible.hauteur + tolerance_pixels;
}

int plus_grande(const Fenetres &fenetres, Dimensions disponible, int plafond)
{
    for (auto t = std::rbegin(ligne_commande::tailles); t != std::rend(ligne_commande::tailles); ++t)
        if (*t <= plafond && tient(fenetres, *t, disponible))
            return *t;
    return ligne_commande::tailles[0];
}

int choisir(int demandee, const Fenetres &fenetres, Dimensions disponible)
{
    if (demandee == ligne_commande::ajuster)
        return plus_grande(fenetres, disponible);
    return plus_grande(fenetres, disponible, demandee);
}

} // namespace taille_ecran
