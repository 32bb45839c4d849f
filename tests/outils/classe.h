#pragma once
// Vérifications « en classe », communes aux neuf programmes : chaque fenêtre
// ouverte à 200 % (vidéoprojecteur), sa surface nette et ses contrôles dans
// la fenêtre. Les exécutables de tests/classe/ démarrent avec « --taille 200 »
// par la même ligne de commande que les programmes.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace classe {

struct Fenetre {
    QString nom; // nom d'objet de la fenêtre
    // Depuis le programme fraîchement démarré : ouvre la fenêtre (par
    // campagne::jouer, comme un élève, ou par l'état du programme).
    std::function<void()> ouvrir = [] {};
};

// Pour chaque fenêtre : toutes les fenêtres fermées, « demarrer », puis ses
// étapes, puis les vérifications ; chaque défaut est un échec GoogleTest.
void verifier(const std::function<void()> &demarrer, const std::vector<Fenetre> &fenetres);

} // namespace classe
