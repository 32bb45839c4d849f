// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « onduleur » : le schéma de l'onduleur en pont (source E, rails,
// bras T1/T3 et T2/T4, chaque transistor avec sa diode en antiparallèle,
// charge R, L entre les milieux des bras) et les quatre panneaux du moteur
// d'oscillogrammes. Rien ne se règle : l'élève choisit les grandeurs et
// conduit le balayage. Elle possède le modèle de l'onduleur.

#include "fenetre_oscillo.h"
#include "pont_onduleur.h"

class Onduleur : public oscillo::FenetreOscillo
{
    Q_OBJECT
public:
    Onduleur();

    const onduleur::PontOnduleur &pont() const { return pont_; }

private:
    void dessiner_schema();
    // Transistor k (0..3) de centre (cx, cy), collecteur en haut, émetteur
    // en bas sur le fil du bras ; sa diode à droite, cathode en haut.
    void dessiner_transistor(int k, double cx, double cy);
    void dessiner_diode(int k, double xd, double cy);
    void ecrire_notes();

    // Construit après la base, qui ne s'en sert qu'à partir de
    // charger_balayage(), appelé à la fin du constructeur.
    onduleur::PontOnduleur pont_;
};
