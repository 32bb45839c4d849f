// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « redressement » de gresil : le schéma du pont mixte (thyristors
// en haut, diodes en bas) et de sa charge R, L, la saisie de l'angle
// d'amorçage et les quatre panneaux du moteur d'oscillogrammes. Elle
// possède le modèle du pont.

#include "fenetre_redresseur.h"
#include "pont_mixte.h"

class Redressement : public oscillo::FenetreRedresseur
{
    Q_OBJECT
public:
    Redressement();

    const gresil::PontMixte &pont() const { return pont_; }

private:
    bool fixer_alpha(double degres) override;

    // Construit après la base, qui ne s'en sert qu'à partir de
    // charger_balayage(), appelé à la fin du constructeur.
    gresil::PontMixte pont_;
};
