// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les points de l'enregistreur d'un programme gardés dans le dossier de
// données de l'utilisateur (QStandardPaths::AppDataLocation, sous Linux
// ~/.local/share/<programme>/points_enregistres.txt), réécrits par
// fichier_sur à chaque point ajouté ou enlevé : une fenêtre fermée par
// erreur ne les perd pas. Le texte du fichier est celui de points_gardes.

#include "courbe_enregistree.h"
#include "points_gardes.h"

#include <QDateTime>
#include <QString>

namespace garde_points {

// Chemin du fichier ; vide si le programme ne garde pas ses points
// (variante sans nom de programme) ou sans dossier de données.
QString chemin(const courbe::Variante &v);

// Ce que l'élève lit d'un fichier refusé ou d'un échec : dans l'avis d'une
// ligne, le chemin coupé en son milieu ; dans les détails, le chemin entier.
struct Avis {
    QString court;
    QString complet;
    bool vide() const { return court.isEmpty(); }
};

struct Precedents {
    // « inutilisable » : à ce nom se trouve autre chose qu'un fichier
    // ordinaire (tube, périphérique, dossier, lien symbolique) ; il n'est ni
    // lu, ni remplacé, ni supprimé.
    enum class Etat { aucun, abime, inutilisable, lus } etat = Etat::aucun;
    courbe::PointsGardes points;
    QDateTime date; // dernière écriture du fichier
    Avis raison;    // pour « inutilisable »
};

// Les points du fichier ; « abime » pour un fichier illisible, trop grand,
// abîmé ou d'un autre programme. Ne bloque jamais (un tube n'est pas ouvert).
Precedents lire(const courbe::Variante &v);

// Réécrit le fichier avec les points de c (supprimé quand il n'en reste
// aucun). Rend la raison d'un échec, vide si tout est gardé. Un fichier
// inutilisable n'est pas touché : les points restent dans la fenêtre, et la
// prochaine écriture réussie les garde tous.
Avis garder(const courbe::CourbeEnregistree &c, const courbe::Variante &v);

} // namespace garde_points
