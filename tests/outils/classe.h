// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vérifications « en classe », communes aux neuf programmes : chaque fenêtre
// ouverte à 200 % ou 150 % (vidéoprojecteur), sa surface nette et ses
// contrôles dans la fenêtre. Les exécutables de tests/classe/ démarrent avec
// « --taille 200 » (ou 150) par la même ligne de commande que les programmes.

#include <QKeyCombination>
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

#include <functional>
#include <utility>
#include <vector>

namespace classe {

struct Fenetre {
    QString nom; // nom d'objet de la fenêtre
    // Depuis le programme fraîchement démarré : ouvre la fenêtre (par
    // campagne::jouer, comme un élève, ou par l'état du programme).
    std::function<void()> ouvrir = [] {};
    // Noms accessibles attendus de quelques contrôles : nom d'objet, nom lu.
    std::vector<std::pair<QString, QString>> noms = {};
    // Contrôles visités par Tab depuis le premier, dans l'ordre de lecture
    // (vide : pas vérifié ici).
    QStringList tab = {};
};

// Pixels de l'écran par pixel d'origine à la taille de l'essai (2 pour 200 %).
double facteur();

// Nom lu par un lecteur d'écran pour ce contrôle.
QString nom_accessible(QWidget *controle);

// Pour chaque fenêtre : toutes les fenêtres fermées, « demarrer », puis ses
// étapes, puis les vérifications ; chaque défaut est un échec GoogleTest.
void verifier(const std::function<void()> &demarrer, const std::vector<Fenetre> &fenetres);

// Une piste (rhéostat, curseur) menée au clavier puis, dans un programme
// neuf, glissée à la souris jusqu'à la même place : mêmes lectures.
struct EssaiPiste {
    QString fenetre, piste;
    bool horizontal = true;
    // Depuis le programme fraîchement démarré : ouvre la fenêtre et la met
    // dans l'état voulu (sous tension…).
    std::function<void()> preparer;
    std::vector<int> touches; // Qt::Key, pressées la piste ayant le focus
    int arrivee = 0;          // place attendue, en pixels depuis le début de la piste
    QString fleche;           // trait du curseur et sa propriété de position
    QString propriete;
    double origine = 0; // position du début de la piste dans la même unité (twips)
};
void verifier_piste(const EssaiPiste &e);

// La zone de lecture d'un graphe (« zone_lecture ») menée au clavier, puis
// la souris posée à la même place : même lecture « aff_coord ».
struct EssaiLecture {
    QString fenetre;
    std::function<void()> preparer; // depuis le programme fraîchement démarré
    std::vector<QKeyCombination> touches;
    QPoint arrivee;  // place attendue dans la zone, en pixels
    bool lue = true; // la lecture paraît (faux : sur un axe ou hors du graphe)
};
void verifier_lecture(const EssaiLecture &e);

// Noms des contrôles visités par Tab depuis « premier » (compris), jusqu'au
// retour sur lui (au plus 200 appuis).
QStringList parcours_tab(QWidget *fenetre, const QString &premier);

} // namespace classe
