// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tableaux de nombres pour un tableur : une ligne d'en-têtes puis une ligne
// par point, colonnes séparées par une tabulation (presse-papiers) ou par le
// séparateur d'un fichier CSV. Avec une virgule décimale (tableur français),
// le séparateur du CSV est le point-virgule. Sans Qt.

#include <string>
#include <string_view>
#include <vector>

namespace tableur {

struct Format {
    char separateur = '\t';
    char decimale = '.';
    std::string_view fin_ligne = "\n";
};

// Coller dans un tableur : tabulations, le séparateur décimal de la langue.
Format presse_papiers(char decimale);
// Fichier CSV : « ; » avec une virgule décimale, « , » avec un point ; fins
// de ligne CR LF.
Format csv(char decimale);

// Les nombres sont donnés écrits avec un point décimal (nombre::texte_nombre) ;
// ils reçoivent le séparateur décimal du format. Les en-têtes restent tels
// quels (« Tu (N.m) »), entre guillemets s'ils contiennent le séparateur, un
// guillemet ou une fin de ligne.
struct Tableau {
    std::vector<std::string> entetes;
    std::vector<std::vector<std::string>> lignes;
    // Lignes libellées écrites avant le tableau (« Grandeur ; is »), leurs
    // cellules telles quelles, puis une ligne vide.
    std::vector<std::vector<std::string>> preambule{};
};

std::string ecrire(const Tableau &tableau, const Format &format);

} // namespace tableur
