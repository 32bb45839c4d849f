// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « redressement » d'orvalt : le schéma du pont tout thyristors et
// de sa charge R, L, e, les saisies de l'angle d'amorçage et de la f.é.m.,
// et les quatre panneaux du moteur d'oscillogrammes. Elle possède le modèle
// du pont.

#include "fenetre_redresseur.h"
#include "pont_tout_thyristor.h"

class QLineEdit;

class Redressement : public oscillo::FenetreRedresseur
{
    Q_OBJECT
public:
    Redressement();

    const orvalt::PontToutThyristor &pont() const { return pont_; }

    // Gestionnaires propres à orvalt (ceux de l'angle sont communs).
    void choix_e_Change();
    void e_valid_Click();

private:
    bool fixer_alpha(double degres) override;
    void creer_saisie_e(double y);

    // Construit après la base, qui ne s'en sert qu'à partir de
    // charger_balayage(), appelé à la fin du constructeur.
    orvalt::PontToutThyristor pont_;
    QLineEdit *choix_e_ = nullptr;
    Bouton *e_valid_ = nullptr;
};
