// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les grandeurs que l'enregistreur de courbes lit sur le banc vek.

#include "courbe_enregistree.h"

class ProgrammeVek;

// Les sept grandeurs de vek, lues chacune dans le texte actuel d'un contrôle
// de la fenêtre machine1 ouverte (vide quand elle est fermée), avec les
// repères et les pas arrondis à trois chiffres du banc à courant continu.
courbe::Variante variante_courbe_vek(ProgrammeVek &programme);
