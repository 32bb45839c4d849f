#pragma once
// Piste (corps d'un rhéostat, piste d'un curseur) menée au clavier : quand
// elle a le focus, chaque flèche fait exactement ce que ferait la souris
// appuyée puis relâchée à la nouvelle place, par les mêmes gestionnaires
// (les événements de souris sont envoyés à la piste elle-même).
//
// Gauche/Haut et Droite/Bas : un pas (1/50 de la piste) vers le début ou la
// fin ; Page précédente / Page suivante : un grand pas (1/10) ; Début et Fin :
// les extrémités. Les places sont des pixels entiers, comme sous la souris.

#include <functional>

class QWidget;

namespace piste_clavier {

enum class Sens { horizontal, vertical };

// « position » : la place actuelle du curseur, en pixels depuis le début de
// la piste (bord gauche ou haut).
void equiper(QWidget *piste, Sens sens, std::function<double()> position);

// Pas et grand pas, en pixels, pour une piste de « longueur » pixels.
int pas(int longueur);
int grand_pas(int longueur);

} // namespace piste_clavier
