// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// État de tout le programme vek, créé par main et qui survit aux fenêtres :
// caractéristiques des machines, réglages des alimentations, année de version
// et avertissement en attente. Il ouvre les fenêtres du banc, chacune
// reconstruite à partir de cet état quand on la montre à nouveau.

#include "avertissement.h"
#include "banc_cc.h"
#include "courbe.h"
#include "courbe_enregistree.h"
#include "courbe_vek.h"

#include <QPointer>

#include <cstdint>

class Intro;
class Machine1;
class MotDePasse;
class CaractMoteur;

class ProgrammeVek
{
public:
    std::int16_t annee_version = 0;
    vek::Caracteristiques caracteristiques;
    vek::Reglages reglages;
    Avertisseur avertisseur;
    // Points de l'enregistreur de courbes : ils survivent à ses fenêtres et
    // au rechargement du banc.
    courbe::CourbeEnregistree courbe_enregistree;
    TraceurCourbes traceur_courbes{courbe_enregistree, variante_courbe_vek(*this)};

    // Fenêtre d'accueil ; elle met les caractéristiques par défaut avant tout.
    Intro *demarrer();

    // Chaque ouverture construit une fenêtre neuve, détruite à sa fermeture.
    Machine1 *ouvrir_machine1();
    MotDePasse *ouvrir_mot_de_passe();
    CaractMoteur *ouvrir_caract_moteur();

    Machine1 *machine1() const;
    MotDePasse *mot_de_passe() const;
    CaractMoteur *caract_moteur() const;

private:
    QPointer<Machine1> machine1_;
    QPointer<MotDePasse> mot_de_passe_;
    QPointer<CaractMoteur> caract_moteur_;
};
