// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Aide des programmes de captures d'écran (outils/captures.sh) : chaque
// programme construit ses fenêtres, les pilote et les enregistre en PNG.

#include <QString>

class QApplication;
class QWidget;

namespace capture {

// Style et police de la suite, dossier de sortie pris dans argv[1]
// (« captures » par défaut) et créé au besoin.
void preparer(QApplication &application, int argc, char **argv);

// Montre la fenêtre, laisse passer ses événements et l'enregistre sous
// <dossier>/<nom>.png ; le chemin écrit est imprimé.
void capturer(QWidget *fenetre, const char *nom);

// Donne le focus à « controle » comme la touche Tab et enregistre sa fenêtre :
// la marque du focus doit s'y voir du fond de la classe.
void capturer_focus(QWidget *controle, const char *nom);

} // namespace capture
