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
//   puis les autres : à côté du banc s'il y a la place ; quand elle doit
//   couvrir le banc, hors de la zone que le banc demande de garder visible
//   (ses oscillogrammes) si une place de l'écran le permet ;
// - une boîte de Qt (message, choix d'un fichier) reste centrée sur sa
//   fenêtre comme Qt la pose, ramenée dans l'écran et, trop grande, réduite.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QApplication;
class QWidget;

namespace placement {

// Propriété (QRect, en pixels de la fenêtre) qu'une fenêtre pose sur elle-même
// pour qu'une annexe, si elle doit la couvrir, laisse cette zone à découvert.
inline constexpr const char *propriete_zone_a_garder = "bancs_zone_a_garder";

// Coin haut gauche où poser une fenêtre de « taille » (cadre compris) dans
// « disponible », « autres » étant les fenêtres déjà ouvertes, le banc
// (la première ouverte) d'abord ; « a_garder », s'il n'est pas vide, la
// zone du banc (coordonnées de l'écran) à ne pas couvrir si possible.
QPoint choisir(QSize taille, const QRect &disponible, const std::vector<QRect> &autres,
               const QRect &a_garder = {});

// Place chaque fenêtre de l'application à sa première apparition (filtre
// d'événements posé par polices::preparer_application).
void installer(QApplication &application);

} // namespace placement
