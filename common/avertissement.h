// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Avertissement des manipulations dangereuses : « avertir » range le message
// et montre la fenêtre « feuille_mauvaise_manip » sans bloquer le banc.
// La fenêtre est unique ; elle garde le texte qu'elle a reçu à son
// chargement : un second avertissement pendant qu'elle est ouverte ne fait
// que la ramener devant.

#include "feuille.h"

#include <QPointer>
#include <QString>

class QLabel;

// Grand titre « DANGER », rouge sur jaune, des boîtes d'avertissement
// (manipulation dangereuse, fusible fondu), nommé Label1.
QLabel *titre_danger(Feuille &feuille, double gauche, double haut, double largeur, double hauteur);

class FeuilleMauvaiseManip : public Feuille
{
    Q_OBJECT
public:
    explicit FeuilleMauvaiseManip(const QString &message);
    void Command1_Click();
};

// État du programme : le message en attente et la fenêtre ouverte, s'il y en a une.
class Avertisseur
{
public:
    void avertir(const QString &texte);

    const QString &message_avertissement() const { return message_avertissement_; }
    FeuilleMauvaiseManip *fenetre() const { return fenetre_; }

private:
    QString message_avertissement_;
    QPointer<FeuilleMauvaiseManip> fenetre_;
};
