// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les grandeurs que l'enregistreur de courbes lit sur le banc sodel.

#include "courbe_enregistree.h"

class ProgrammeSodel;

// Les trois grandeurs de sodel (couple utile, vitesse, courant en ligne),
// lues chacune dans le texte actuel d'un afficheur de Form1 ouverte (vide
// quand elle est fermée), fenêtre « courbes », pas gardés tels que calculés,
// grille tracée avant les marques.
courbe::Variante variante_courbe_sodel(ProgrammeSodel &programme);
