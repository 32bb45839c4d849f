// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Piste (corps d'un rhéostat, piste d'un curseur) menée au clavier : quand
// elle a le focus, chaque flèche fait exactement ce que ferait la souris
// appuyée puis relâchée à la nouvelle place, par les mêmes gestionnaires
// (les événements de souris sont envoyés à la piste elle-même).
//
// Gauche/Haut et Droite/Bas : un pas (1/50 de la piste) vers le début ou la
// fin ; Page précédente / Page suivante : un grand pas (1/10) ; Début et Fin :
// les extrémités. Les places sont des pixels entiers, comme sous la souris.
// Pour un lecteur d'écran, la piste est un curseur dont la valeur est sa
// place en pour cent, annoncée à chaque touche.

#include <functional>

class QRect;
class QString;
class QWidget;

namespace piste_clavier {

enum class Sens { horizontal, vertical };

// « position » : la place actuelle du curseur, en pixels depuis le début de
// la piste (bord gauche ou haut).
void equiper(QWidget *piste, Sens sens, std::function<double()> position);

// Pas et grand pas, en pixels, pour une piste de « longueur » pixels.
int pas(int longueur);
int grand_pas(int longueur);

// Zone d'un graphe où la souris lit des coordonnées : un point mené au
// clavier, marqué d'une croix (et la zone d'un cadre pointillé) tant qu'elle
// a le focus. Chaque place est envoyée à « fenetre » comme un déplacement de
// la souris à cet endroit, par le même gestionnaire ; la zone elle-même
// laisse passer la souris. Le point part du milieu ; flèches : un pas,
// Maj + flèche : un grand pas, Page précédente / suivante : un grand pas vers
// le haut / le bas, Début / Fin : bords gauche / droit. La place actuelle, en
// pixels depuis le coin haut gauche de la zone, est la propriété « place ».
// Le focus reçu montre la lecture ; quitté par Tab, la lecture s'efface
// comme quand la souris sort du graphe.
QWidget *zone_lecture(QWidget *fenetre, const QString &nom, const QRect &zone, const QString &nom_accessible);

} // namespace piste_clavier
