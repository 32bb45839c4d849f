// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// La taille des fenêtres qui tient sur l'écran, sans Qt : un programme
// demande une taille (ou « ajuster ») et reçoit la plus grande, au plus
// celle-là, à laquelle chacune de ses fenêtres tient entière dans la place
// que l'écran lui laisse (l'écran moins les panneaux et les docks), cadre du
// gestionnaire de fenêtres compris. Jamais moins de 100 %.
//
// Toutes les dimensions sont en pixels « à 100 % » : les pixels logiques de
// l'écran avant l'agrandissement demandé par --taille (une fenêtre de 15 000
// twips y fait 1000 pixels).

#include <functional>

namespace taille_ecran {

struct Dimensions {
    double largeur = 0;
    double hauteur = 0;
};

// Place prise autour d'une fenêtre par le gestionnaire de fenêtres (bords,
// barre de titre), réservée pour que la fenêtre tienne cadre compris. Le
// gestionnaire la dessine lui-même : elle ne grandit pas avec --taille.
inline constexpr Dimensions cadre{8, 40};

// Ce qu'occupent les fenêtres d'un programme à 100 % (la plus large et la
// plus haute), selon la largeur qui leur est offerte, en pixels à 100 % :
// le lanceur y range ses tuiles en autant de colonnes que possible ; les
// autres programmes n'en tiennent pas compte.
using Fenetres = std::function<Dimensions(double largeur_offerte)>;

// Les fenêtres d'un programme qui occupent toujours « d ».
Fenetres fixes(Dimensions d);

// Vrai si, à « taille » %, les fenêtres tiennent dans « disponible ».
bool tient(const Fenetres &fenetres, int taille, Dimensions disponible);

// La plus grande taille offerte, au plus « plafond », à laquelle les
// fenêtres tiennent ; 100 si aucune ne convient.
int plus_grande(const Fenetres &fenetres, Dimensions disponible, int plafond = 200);

// La taille à utiliser pour « demandee » : une taille offerte, ramenée à la
// plus grande qui tient, ou ligne_commande::ajuster.
int choisir(int demandee, const Fenetres &fenetres, Dimensions disponible);

} // namespace taille_ecran
