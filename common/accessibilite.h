// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Noms pour les lecteurs d'écran (Orca) : chaque saisie, afficheur, bouton,
// case et liste d'une fenêtre reçoit un nom accessible et une description
// dans la langue de l'interface, tirés de ce que l'élève voit : la légende d'un bouton, le label
// posé à côté d'une saisie ou d'un afficheur, la bulle d'aide. Un afficheur
// se lit « légende : valeur » et annonce sa nouvelle valeur à chaque
// changement (QLabel::setText prévient alors le lecteur d'écran).
//
// Feuille applique ces règles à chaque fois qu'elle paraît ; une fenêtre n'a
// qu'à nommer elle-même ce que rien à l'écran ne décrit (une piste sans
// légende, par exemple) par setAccessibleName.

#include <QString>

#include <functional>

class QWidget;

namespace accessibilite {

// Nomme les contrôles de « fenetre » qui n'ont pas encore de nom accessible
// et donne leur bulle d'aide pour description.
void nommer_controles(QWidget *fenetre);

// Le lecteur d'écran présente les afficheurs par leur légende et leur
// valeur. À faire avant qu'une fenêtre ne crée ses contrôles (Feuille le fait).
void preparer();

// Marque un label comme afficheur, avant qu'il reçoive sa première valeur.
void marquer_afficheur(QWidget *label);

// Vrai pour un label marqué ou habillé en afficheur (cadre, fond plein).
bool est_afficheur(const QWidget *controle);

// Appelée à chaque annonce d'une nouvelle valeur, en plus du lecteur d'écran
// (Qt ne transmet ses événements d'accessibilité qu'à un lecteur actif) :
// pour les tests. Une fonction vide retire l'écouteur.
void ecouter_annonces(std::function<void(const QWidget *, const QString &)> f);

// Donne sa légende à un afficheur que rien à l'écran ne nomme assez.
void nommer_afficheur(QWidget *afficheur, const QString &legende);

// Légende d'un afficheur, sans sa valeur.
QString legende(const QWidget *afficheur);

// Texte montré, rendu lisible : balises et « & » ôtés, blancs réduits, lettres
// espacées recollées (« I  N  T  E  R  2 » -> « INTER2 »), « = » et « : » de
// fin ôtés.
QString texte_lisible(const QString &texte);

} // namespace accessibilite
