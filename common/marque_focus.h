// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marque du focus, la même dans toute la suite : un cadre épais, d'un bleu
// franc, autour du contrôle qui a le focus, pour qu'un élève au fond de la
// classe voie au vidéoprojecteur où va sa frappe. Le cadre est un widget posé
// au-dessus de la fenêtre, juste autour du contrôle (QFocusFrame) : le
// contrôle lui-même ne change ni d'aspect ni de place, et rien n'est dessiné
// quand il n'a pas le focus.

#include <QColor>

class QApplication;
class QPainter;
class QRect;
class QStyle;

namespace marque_focus {

// En pixels logiques : l'échelle de Qt (--taille) l'épaissit avec le reste.
inline constexpr int epaisseur = 2;

QColor couleur();

// Cadre de la marque le long du bord intérieur de « zone ».
void dessiner(QPainter &p, const QRect &zone);

// Style de la suite (Fusion, et le dessin du cadre) et suivi du focus de
// l'application : le cadre suit chaque contrôle qui prend le focus.
void installer(QApplication &application);

// Propriété d'un contrôle qui dessine lui-même la marque dans ses bords (zone
// de lecture posée sur les axes d'un graphe) : le cadre commun le laisse.
inline constexpr char marque_propre[] = "marque_focus_propre";

} // namespace marque_focus
