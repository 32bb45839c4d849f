// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les grandeurs que l'enregistreur de courbes lit sur le banc trivon.

#include "courbe_enregistree.h"

class ProgrammeTrivon;

// Les sept grandeurs de trivon, lues chacune dans le texte actuel d'un
// afficheur de la fenêtre Form1 ouverte (vide quand elle est fermée), avec
// les repères du banc synchrone et des pas de graduation non arrondis.
courbe::Variante variante_courbe_trivon(ProgrammeTrivon &programme);
