// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// État de tout le programme sodel, créé par main et qui survit aux fenêtres :
// année de version et enregistreur de courbes. Il ouvre les fenêtres du banc,
// chacune reconstruite à neuf quand on la montre à nouveau.

#include "courbe.h"
#include "courbe_enregistree.h"
#include "courbe_sodel.h"

#include <QPointer>

#include <cstdint>

class CaractCharge;
class Form1;
class Intro;

class ProgrammeSodel
{
public:
    std::int16_t annee_version = 0;
    // Points de l'enregistreur de courbes : ils survivent à ses fenêtres et
    // à celles du banc.
    courbe::CourbeEnregistree courbe_enregistree;
    TraceurCourbes traceur_courbes{courbe_enregistree, variante_courbe_sodel(*this)};

    // Fenêtre d'accueil, qui ouvre Form1.
    Intro *demarrer();

    Form1 *ouvrir_form1();
    // Caractéristique de la charge : cache Form1 tant qu'elle est ouverte.
    CaractCharge *ouvrir_caract_charge();

    Form1 *form1() const;
    CaractCharge *caract_charge() const;

private:
    QPointer<Form1> form1_;
    QPointer<CaractCharge> caract_charge_;
};
