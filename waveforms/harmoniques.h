// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Décomposition exacte d'une grandeur périodique en série de Fourier, et
// puissances d'un couple tension-courant, à partir des morceaux qui la
// décrivent sur une période (forme_onde.h). Chaque coefficient est
// l'intégrale, calculée sous forme fermée, du produit d'un morceau (constante,
// arc de sinusoïde, exponentielle) par cos(n.w.t) ou sin(n.w.t) : pas de
// transformée de Fourier d'un signal échantillonné, donc ni fuite ni fenêtre,
// et l'élève peut comparer chaque rang aux formules de son cours. Pas de Qt ici.

#include "circuit.h"
#include "forme_onde.h"

#include <optional>
#include <span>
#include <vector>

namespace oscillo {

inline constexpr int rang_maximal = 50;

// Les constantes approchées des modèles (π = 3,14159 et 2π = 6,28318, justes
// à 10⁻⁶ près) laissent des restes de cet ordre, relativement à la valeur
// efficace, dans des composantes que le cours dit nulles (le fondamental de
// la tension redressée, les harmoniques d'une sinusoïde) : en deçà de ce
// seuil, une composante est nulle.
inline constexpr double bruit_relatif = 1e-5;

// Harmonique de rang n, écrite √2 . efficace . sin(n.w.t + phase), t = 0 au
// début de la période ; phase en degrés, dans ]-180, 180], 0 pour une
// harmonique nulle.
struct Harmonique {
    double efficace = 0.0;
    double phase = 0.0;
};

struct Spectre {
    double moyenne = 0.0;             // rang 0
    double efficace = 0.0;            // valeur efficace totale, exacte
    std::vector<Harmonique> rangs;    // rangs[n - 1] pour n = 1 .. rang_maximal
    // Taux de distorsion harmonique en % du fondamental,
    // √(efficace² - moyenne² - fondamental²) / fondamental, sans tronquer la
    // série ; rien quand le fondamental est nul.
    std::optional<double> thd;

    const Harmonique &fondamental() const { return rangs.front(); }
};

// Le spectre d'une grandeur décrite sur [0, T] par ses morceaux. Une période
// non positive ou un calcul non fini donnent un spectre tout nul.
Spectre spectre(std::span<const Morceau> forme, double T, int rangs = rang_maximal);

// Moyenne exacte sur [0, T] du produit de deux grandeurs décrites par
// morceaux (une puissance instantanée u.i, par exemple).
double moyenne_produit(std::span<const Morceau> a, std::span<const Morceau> b, double T);

// Puissances d'un dipôle sous la tension u traversé par le courant i.
struct Puissances {
    double P = 0.0;                 // puissance active, moyenne de u.i
    double S = 0.0;                 // puissance apparente, U.I en valeurs efficaces
    std::optional<double> k;        // facteur de puissance P / S ; rien quand S est nulle
    std::optional<double> cos_phi1; // facteur de déplacement, cos(φu1 - φi1) ; rien sans fondamentaux
};
Puissances puissances(std::span<const Morceau> u, std::span<const Morceau> i, double T);

// Ce que montre la fenêtre du spectre pour une grandeur d'un montage, tel
// que le modèle est réglé et au pas actuel du balayage (dt, pour la largeur
// des impulsions de gâchette), chaque nombre arrondi comme le programme
// arrondit ses panneaux. Rien (nullopt) : l'afficheur reste vide, la
// grandeur n'existant pas dans cet état du montage.
struct LigneSpectre {
    int rang = 0;
    double frequence = 0.0;                // Hz
    double efficace = 0.0;
    std::optional<double> pourcentage;      // % du fondamental
    std::optional<double> phase;            // degrés ; rien pour une harmonique nulle
};

struct ContenuSpectre {
    double moyenne = 0.0, efficace = 0.0, fondamental = 0.0;
    std::optional<double> thd;
    std::vector<LigneSpectre> lignes;       // rangs 1 .. rang_maximal
    std::vector<double> barres;             // valeurs efficaces des rangs, non arrondies, pour le dessin
    Puissances puissances;                  // du dipôle du montage, arrondies
    std::optional<double> puissance_source; // E . moyenne de iE, quand le montage a une source
};

// La valeur efficace est celle du panneau ; la moyenne, celle de la forme
// (le rang 0), égale à celle du tableau du montage aux chiffres affichés.
ContenuSpectre contenu_spectre(const Circuit &circuit, int indice, double dt, int f);

} // namespace oscillo
