// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arguments de la ligne de commande, communs à tous les programmes de la
// suite et au lanceur : « --taille N » agrandit toutes les fenêtres (pour le
// vidéoprojecteur), « --taille ajuster » les fait aussi grandes que l'écran le
// permet, « --langue <code> » choisit la langue (traductions.h), « --aide »
// les décrit, « --version » donne la version de la suite et
// sa licence (les pages de manuel sont tirées de ces deux textes par
// help2man) ; tout autre argument est refusé par un message clair. Les
// options propres à Qt (-platform, -style…) passent. Les noms anglais
// « --size », « --language » et la valeur « fit » valent « --taille »,
// « --langue » et « ajuster ».
//
// L'échelle de Qt (QT_SCALE_FACTOR) n'est lue qu'à la construction de la
// QApplication : demarrage.h s'en charge pour les programmes. Les fenêtres,
// placées en twips et dessinées sur une surface aux pixels physiques, restent
// nettes.

#include <string>
#include <vector>

namespace ligne_commande {

// Tailles offertes, en pour cent de la taille d'origine, de la plus petite
// à la plus grande.
inline constexpr int tailles[] = {100, 125, 150, 175, 200};

// « Ajuster à l'écran » : la plus grande taille à laquelle les fenêtres du
// programme tiennent sur l'écran (taille_ecran.h).
inline constexpr int ajuster = -1;

struct Options {
    int taille = 0;       // en %, ajuster, ou 0 si « --taille » est absent
    bool aide = false;    // « --aide » ou « --help » : décrire et sortir
    bool version = false; // « --version » : donner la version et sortir
    std::string erreur;   // vide si la ligne est acceptée
};

// Analyse les arguments (sans le nom du programme).
Options analyser(const std::vector<std::string> &arguments);

// La taille lue dans un texte (« 150 », « 150 % », « ajuster », « fit »), ou 0 si
// elle n'est pas offerte.
int lire_taille(const std::string &texte);

// Le texte d'une taille, tel que lire_taille le relit (« 150 », « ajuster »).
std::string texte_taille(int taille);

// Texte de l'aide, pour « programme ».
std::string aide(const std::string &programme);

// Texte de « --version » : nom du programme, de la suite et version, puis
// copyright et licence.
std::string version(const std::string &programme);

// Lit la ligne de commande et fixe la langue du programme (celle de
// « --langue », sinon la langue retenue ou celle du poste : l'aide et les
// messages la parlent déjà) ; si elle est acceptée, rend -1 et, dans
// « options », ce qu'elle demande. Sinon (ou pour l'aide et la version)
// écrit le message et rend le code de sortie de main (2 pour un argument
// refusé, 0 pour l'aide et la version).
int lire(int argc, char **argv, Options &options);

// Fixe l'échelle de Qt pour « taille » % (une taille offerte), par-dessus
// celle que l'utilisateur avait fixée avant le démarrage du programme.
void fixer_echelle(int taille);

// Pour les essais à taille fixe : lire, puis fixer_echelle à la taille
// demandée (100 si absente ou « ajuster »). Rend -1 ou le code de sortie.
int preparer(int argc, char **argv);

// Facteur d'échelle à donner à Qt pour « taille » %, combiné avec celui que
// l'utilisateur a déjà fixé dans QT_SCALE_FACTOR (vide ou illisible : 1).
double facteur_echelle(int taille, const std::string &facteur_existant);

} // namespace ligne_commande
