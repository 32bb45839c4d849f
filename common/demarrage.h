// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Démarrage commun aux programmes de la suite et au lanceur : ligne de
// commande (ligne_commande.h), taille retenue, QApplication à la taille qui
// tient sur l'écran (taille_ecran.h), style, polices, traductions et place
// des fenêtres (polices::preparer_application), puis le programme.
//
// L'échelle de Qt (QT_SCALE_FACTOR) n'est lue qu'à la construction de la
// QApplication, et l'écran n'est connu qu'après : la QApplication est
// construite à la taille demandée ; si les fenêtres n'y tiennent pas, elle
// est reconstruite, une fois, à la plus grande taille qui tient.

#include "taille_ecran.h"

#include <functional>

class QApplication;

// Taille des fenêtres retenue d'une fois sur l'autre (100 à 200, ou
// ligne_commande::ajuster), le seul réglage de la suite : le lanceur l'écrit,
// chaque programme démarré sans --taille la lit. Réglage « taille » de
// ~/.config/bancs-electrotechnique/bancs.conf, à défaut celui de
// /etc/xdg/bancs-electrotechnique/bancs.conf (pour toute une salle), à défaut
// 100. Lisible avant la QApplication.
namespace reglage_taille {
int lire();
void ecrire(int taille);
} // namespace reglage_taille

namespace demarrage {

struct Ecran {
    taille_ecran::Dimensions disponible; // place laissée par l'écran, en pixels à 100 %
    int taille = 100;                    // taille des fenêtres du programme, en %
};

// L'écran principal et la taille du programme en cours ; hors de executer
// (dans les essais), l'écran principal à 100 %.
Ecran ecran();

// Les fenêtres d'un programme qui occupent au plus « largeur » × « hauteur »
// twips (cmake/programmes.cmake donne ces dimensions à chaque programme).
taille_ecran::Fenetres fenetres_twips(double largeur, double hauteur);

// Les réglages de tout le processus, faits une fois au démarrage (par
// executer, et par le main des tests de fenêtres) : au-delà de la taille de
// fichier permise au processus (ulimit -f), le système tue le programme par
// défaut ; SIGXFSZ ignoré, l'écriture est simplement refusée (EFBIG) et
// fichier_sur le dit à l'élève.
void regler_processus();

// Démarre le programme : « suite » reçoit la QApplication prête, ouvre les
// premières fenêtres et rend le code de application.exec(). Rend le code de
// sortie de main (2 pour une ligne de commande refusée, 0 pour l'aide).
int executer(int argc, char **argv, const taille_ecran::Fenetres &fenetres,
             const std::function<int(QApplication &)> &suite);

} // namespace demarrage
