// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Une grandeur d'un montage sur une période, décrite par morceaux
// analytiques, et sa valeur efficace exacte. Chaque morceau couvre
// [debut, fin] (s) et y vaut
//     v(t) = c + s . sin(omega . t) + k . exp(-lambda . (t - t_ref)) ;
// hors des morceaux la grandeur est nulle. Les morceaux d'un redresseur sont
// des constantes et des arcs de sinusoïde, ceux de l'onduleur des
// exponentielles : l'intégrale de v² se calcule alors exactement, sans
// échantillonner la période, et les quatre chiffres affichés ne dépendent ni
// du pas du balayage ni d'une fenêtre d'observation. Pas de Qt ici.

#include <span>
#include <vector>

namespace oscillo {

struct Morceau {
    double debut = 0.0, fin = 0.0;
    double c = 0.0;
    double s = 0.0, omega = 0.0;
    double k = 0.0, lambda = 0.0, t_ref = 0.0;

    static Morceau constante(double debut, double fin, double c) { return {debut, fin, c}; }
    // c + s . sin(omega . t)
    static Morceau sinus(double debut, double fin, double c, double s, double omega)
    {
        return {debut, fin, c, s, omega};
    }
    // c + k . exp(-lambda . (t - t_ref))
    static Morceau exponentielle(double debut, double fin, double c, double k, double lambda, double t_ref)
    {
        return {debut, fin, c, 0.0, 0.0, k, lambda, t_ref};
    }

    double valeur(double t) const;
    // Intégrale exacte de v² sur [debut, fin] ; 0 pour un morceau vide ou
    // renversé.
    double integrale_carre() const;
};

using Forme = std::vector<Morceau>;

// Racine de la moyenne de v² sur une période T : (1/T) . somme des
// intégrales des morceaux. 0 quand T n'est pas positif ou que le calcul ne
// donne pas un nombre fini.
double valeur_efficace(std::span<const Morceau> forme, double T);

} // namespace oscillo
