// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sortie des mesures vers un tableur : presse-papiers, fichier CSV choisi
// dans une boîte d'enregistrement qui ne bloque pas, et les messages qui
// disent à l'élève ce qui a été écrit, et où. Les formats suivent la langue
// de l'utilisateur (QLocale par défaut) : virgule décimale et point-virgule
// pour un poste français.

#include "fichier_sur.h"
#include "tableur.h"

#include <QString>

#include <functional>

class Feuille;

namespace exportation {

// Ce qu'une fenêtre qui parle à l'élève et exporte vers un tableur laisse
// remplacer par les tests (et par la campagne d'entrées hostiles, qui les
// retrouve sur toute fenêtre par dynamic_cast).
class Exportateur
{
public:
    virtual ~Exportateur() = default;

    // Message à l'élève (boîte avec OK, sans bloquer).
    std::function<void(const QString &)> montrer_message;
    // Chemin du fichier CSV, vide si l'élève renonce. Sans cette fonction (le
    // cas du programme), la boîte « choix_fichier_csv » s'ouvre sans bloquer
    // et l'enregistrement suit son acceptation.
    std::function<QString()> demander_fichier_csv;
};

tableur::Format format_presse_papiers();
tableur::Format format_csv();

// Écrit le texte en UTF-8, précédé de la marque d'ordre des octets (les
// tableurs reconnaissent ainsi les accents des en-têtes), par fichier_sur :
// le fichier n'est remplacé qu'une fois entièrement écrit.
fichier_sur::Ecriture enregistrer_csv(const QString &chemin, const std::string &texte);

// Ce qu'une fenêtre fournit pour exporter un tableau en CSV.
struct Demande {
    QString nom_propose;                // « points.csv »
    QString titre_boite;                // titre de la boîte d'enregistrement
    std::function<QString()> demander;  // chemin choisi (vide : l'élève renonce) ; sans elle, la boîte
    std::function<void(const QString &)> montrer; // message à l'élève
    QString ce_qui_est_enregistre;      // « Les points ont été enregistrés »
};

// Demande le fichier (par demande.demander, ou par la boîte nommée
// « choix_fichier_csv », enfant de « fenetre », ouverte sans bloquer et
// détruite à sa fermeture), ajoute « .csv » à un nom qui n'a pas
// d'extension, fait confirmer le remplacement d'un fichier existant de ce
// nom final (Feuille::choix_fichier_a_enregistrer), écrit le tableau que
// donne « tableau » au moment de l'enregistrement et dit le résultat. Si la
// fenêtre disparaît pendant que la boîte est ouverte, rien n'est écrit ni
// montré.
void exporter_csv(Feuille *fenetre, const Demande &demande, std::function<tableur::Tableau()> tableau);

} // namespace exportation
