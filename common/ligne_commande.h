// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arguments de la ligne de commande, communs à tous les programmes de la
// suite et au lanceur : « --taille N » agrandit toutes les fenêtres (pour le
// vidéoprojecteur), « --aide » les décrit, « --version » donne la version de
// la suite et sa licence (les pages de manuel sont tirées de ces deux textes
// par help2man) ; tout autre argument est refusé par un message clair. Les
// options propres à Qt (-platform, -style…) passent.
//
// À appeler dans main AVANT de construire la QApplication : l'échelle de Qt
// (QT_SCALE_FACTOR) n'est lue qu'à sa construction. Les fenêtres, placées en
// twips et dessinées sur une surface aux pixels physiques, restent nettes.

#include <string>
#include <vector>

namespace ligne_commande {

// Tailles offertes, en pour cent de la taille d'origine.
inline constexpr int tailles[] = {100, 150, 200};

struct Options {
    int taille = 0;       // en %, 0 si « --taille » est absent
    bool aide = false;    // « --aide » ou « --help » : décrire et sortir
    bool version = false; // « --version » : donner la version et sortir
    std::string erreur;   // vide si la ligne est acceptée
};

// Analyse les arguments (sans le nom du programme).
Options analyser(const std::vector<std::string> &arguments);

// La taille lue dans un texte (« 150 », « 150 % »), ou 0 si elle n'est pas offerte.
int lire_taille(const std::string &texte);

// Texte de l'aide, pour « programme ».
std::string aide(const std::string &programme);

// Texte de « --version » : nom du programme, de la suite et version, puis
// copyright et licence.
std::string version(const std::string &programme);

// Lit la ligne de commande ; si elle est acceptée, fixe l'échelle de Qt et
// rend -1 : main continue. Sinon (ou pour l'aide) écrit le message et rend le
// code de sortie de main (2 pour un argument refusé, 0 pour l'aide et la
// version).
// « taille_par_defaut » sert quand « --taille » est absent (le lanceur y met
// la taille retenue d'une fois sur l'autre).
int preparer(int argc, char **argv, int taille_par_defaut = 100);

// Facteur d'échelle à donner à Qt pour « taille » %, combiné avec celui que
// l'utilisateur a déjà fixé dans QT_SCALE_FACTOR (vide ou illisible : 1).
double facteur_echelle(int taille, const std::string &facteur_existant);

} // namespace ligne_commande
