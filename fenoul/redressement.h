// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « redressement » de fenoul : le schéma du pont de quatre diodes
// et de sa charge R, L, et les quatre panneaux du moteur d'oscillogrammes.
// Aucune saisie : l'élève ne choisit que les grandeurs et la vitesse. Elle
// possède le modèle du pont.

#include "fenetre_redresseur.h"
#include "pont_diodes.h"

class Redressement : public oscillo::FenetreRedresseur
{
    Q_OBJECT
public:
    Redressement();

    const fenoul::PontDiodes &pont() const { return pont_; }

private:
    // Construit après la base, qui ne s'en sert qu'à partir de
    // charger_balayage(), appelé à la fin du constructeur.
    fenoul::PontDiodes pont_;
};
