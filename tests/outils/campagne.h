// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Campagne d'entrées hostiles, commune aux neuf programmes : un corpus de
// frappes malveillantes et un exerciseur générique de fenêtres.
//
// Pour chaque état principal du programme (au repos, en marche, en charge,
// fenêtres annexes ouvertes), chaque zone de saisie visible de chaque fenêtre
// reçoit chaque entrée du corpus suivie d'Entrée ; puis une suite aléatoire
// (graine fixée) d'actions : clics sur les boutons et cases, choix dans les
// listes, glissés de la souris (rhéostats, pistes), frappes, tops de
// minuterie appelés directement. Après chaque action, tous les textes visibles
// et la place de chaque contrôle sont vérifiés.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

namespace campagne {

// Les entrées hostiles : vides, lettres, nombres hors du domaine des doubles,
// séparateurs et signes exotiques, chiffres d'autres écritures, caractères de
// contrôle, textes très longs.
const QStringList &corpus();

// Défauts d'un texte visible, vide s'il est sain : « nan », « inf », 16
// chiffres de suite ou plus, plus de 400 caractères, notation exponentielle
// pour une grandeur comprise entre 1e-4 et 1e15.
QString defaut_texte(const QString &texte);

// Rejoue une suite d'étapes sur les fenêtres visibles :
// « nom=texte » remplace le texte de la saisie et tape Entrée, « !nom »
// clique le bouton, « nom#i » choisit l'élément i de la liste. Un nom peut
// être précédé de celui de sa fenêtre : « courbe/impression ».
void jouer(const QStringList &etapes);

struct Etat {
    QString nom;
    std::function<void()> preparer; // depuis un programme fraîchement démarré
};

struct Programme {
    QString nom;
    // Construit l'état du programme et montre sa fenêtre principale ; les
    // fenêtres précédentes sont déjà détruites.
    std::function<void()> demarrer;
    std::vector<Etat> etats = {};
    unsigned graine = 1;
    int actions = 1000; // actions aléatoires (CAMPAGNE_ACTIONS les remplace)
};

// Toute la campagne d'un programme ; chaque défaut est un échec GoogleTest.
void exercer(const Programme &programme);

// Détruit toutes les fenêtres de haut niveau.
void fermer_tout();

} // namespace campagne
