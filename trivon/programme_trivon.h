// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// État de tout le programme trivon, créé par main et qui survit aux fenêtres :
// année de version, avertissement en attente et enregistreur de courbes. Il
// ouvre la fenêtre du banc, reconstruite de zéro quand on la montre à nouveau.

#include "avertissement.h"
#include "courbe.h"
#include "courbe_enregistree.h"
#include "courbe_trivon.h"

#include <QPointer>

#include <cstdint>

class Intro;
class Form1;

class ProgrammeTrivon
{
public:
    std::int16_t annee_version = 0;
    Avertisseur avertisseur;
    // Points de l'enregistreur de courbes : ils survivent à ses fenêtres.
    courbe::CourbeEnregistree courbe_enregistree;
    TraceurCourbes traceur_courbes{courbe_enregistree, variante_courbe_trivon(*this)};

    // Fenêtre d'accueil, qui ouvre le banc sur OK ou au bout de 5 s.
    Intro *demarrer();

    // Chaque ouverture construit une fenêtre neuve, détruite à sa fermeture.
    Form1 *ouvrir_form1();
    Form1 *form1() const;

private:
    QPointer<Form1> form1_;
};
