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
#include <string>
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
    // Faux quand le calcul a débordé (f.é.m. absurde, 10³⁰⁰ V) : le spectre
    // est alors tout nul et rien de lui ne peut être montré comme un nombre.
    bool calcule = true;

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
    bool calculees = true;          // faux quand le calcul a débordé
};
Puissances puissances(std::span<const Morceau> u, std::span<const Morceau> i, double T);

// Une valeur telle que la fenêtre du spectre l'écrit, arrondie une seule
// fois : l'afficheur, la case du tableau et la ligne du fichier CSV partent
// tous de ces chiffres, et ne peuvent donc pas se contredire. Quatre
// chiffres significatifs, zéros de fin gardés (« 1.080 »), jamais
// d'exposant : une grandeur petite ou grande prend un préfixe du Système
// international (10^puissance, de f à G) ; au-delà, elle est hors d'échelle,
// jamais écrite fausse. Seul un zéro exact s'écrit « 0 ».
struct Lecture {
    enum class Etat { vide, nombre, hors_echelle };
    Etat etat = Etat::vide;
    std::string chiffres; // "-56.44", "1.080", "0" : point décimal, sans préfixe
    int puissance = 0;    // multiple de 3, de -15 (f) à 9 (G) ; 0 hors des grandeurs à unité

    bool nombre() const { return etat == Etat::nombre; }
    // Vrai pour un nombre qui se lit 0.
    bool zero() const;
    // Les mêmes chiffres en notation décimale sans préfixe (« 0.05644 » pour
    // 56.44 m), pour un tableur ; vide hors des nombres.
    std::string decimal() const;
};

// Ce que désigne une valeur, qui fixe son écriture.
enum class Sorte {
    grandeur,     // avec une unité : préfixe SI
    pourcentage,  // %, ou facteur sans unité (k, cos φ1) : notation décimale
    phase,        // degrés dans ]-180, 180], au centième de degré au plus fin
};
Lecture lecture(double x, Sorte sorte);
inline Lecture hors_echelle() { return {Lecture::Etat::hors_echelle, {}, 0}; }

// Ce que montre la fenêtre du spectre pour une grandeur d'un montage, tel
// que le modèle est réglé et au pas actuel du balayage (dt, pour la largeur
// des impulsions de gâchette). Une lecture vide : l'afficheur reste vide, la
// grandeur n'existant pas dans cet état du montage (ni THD ni % sans
// fondamental, ni phase pour une harmonique nulle).
struct LigneSpectre {
    int rang = 0;
    double frequence = 0.0; // Hz, n . f exactement
    Lecture efficace;
    Lecture pourcentage;    // % du fondamental
    Lecture phase;          // degrés
};

struct ContenuSpectre {
    Lecture moyenne, efficace, fondamental, thd;
    std::vector<LigneSpectre> lignes;       // rangs 1 .. rang_maximal
    std::vector<double> barres;             // valeurs efficaces des rangs, non arrondies, pour le dessin
    // Puissances du dipôle du montage ; puissance_source : E . moyenne de
    // iE, vide quand le montage n'a pas de source.
    Lecture P, S, k, cos_phi1, puissance_source;
};

// La valeur efficace est celle que le panneau arrondit ; la moyenne, celle
// de la forme (le rang 0), celle du tableau du montage.
ContenuSpectre contenu_spectre(const Circuit &circuit, int indice, double dt, int f);

} // namespace oscillo
