// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Place de chaque fenêtre à l'écran, qu'il y ait un gestionnaire de fenêtres
// ou non (sans lui, X pose toute fenêtre en (0, 0), par-dessus le banc).
// Chaque fenêtre s'ouvre entière dans la place que l'écran laisse (l'écran
// moins les panneaux et les docks), cadre compris :
// - la première fenêtre (l'accueil, puis la fenêtre principale, seule à
//   l'écran quand elle paraît) au milieu ;
// - une fenêtre annexe (enregistreur, aperçu, avertissement, fusible…) là où
//   elle couvre le moins le banc (la plus ancienne des fenêtres ouvertes),
//   puis les autres : à côté du banc s'il y a la place ;
// - une boîte de Qt (message, choix d'un fichier) reste centrée sur sa
//   fenêtre comme Qt la pose, ramenée dans l'écran et, trop grande, réduite.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QApplication;
class QWidget;

namespace placement {

// Coin haut gauche où poser une fenêtre de « taille » (cadre compris) dans
// « disponible », « autres » étant les fenêtres déjà ouvertes, le banc
// (la première ouverte) d'abord.
QPoint choisir(QSize taille, const QRect &disponible, const std::vector<QRect> &autres);

// Place chaque fenêtre de l'application à sa première apparition (filtre
// d'événements posé par polices::preparer_application).
void installer(QApplication &application);

} // namespace placement
