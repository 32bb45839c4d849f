// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableur.h"

#include <algorithm>

namespace tableur {

Format presse_papiers(char decimale)
{
    return {'\t', decimale, "\n"};
}

Format csv(char decimale)
{
    return {decimale == ',' ? ';' : ',', decimale, "\r\n"};
}

namespace {

std::string cellule(std::string_view texte, const Format &format)
{
    const bool a_proteger = texte.find_first_of(std::string{format.separateur, '"', '\n', '\r'}) != std::string_view::npos;
    if (!a_proteger)
        return std::string(texte);
    std::string protege = "\"";
    for (char c : texte) {
        if (c == '"')
            protege += '"';
        protege += c;
    }
    return protege + '"';
}

void ajouter_ligne(std::string &sortie, const std::vector<std::string> &cellules, const Format &format,
                   bool nombres)
{
    for (std::size_t j = 0; j < cellules.size(); ++j) {
        if (j > 0)
            sortie += format.separateur;
        std::string c = cellules[j];
        if (nombres)
            std::replace(c.begin(), c.end(), '.', format.decimale);
        sortie += cellule(c, format);
    }
    sortie += format.fin_ligne;
}

} // namespace

std::string ecrire(const Tableau &tableau, const Format &format)
{
    std::string sortie;
    for (const auto &ligne : tableau.preambule)
        ajouter_ligne(sortie, ligne, format, false);
    if (!tableau.preambule.empty())
        sortie += format.fin_ligne;
    ajouter_ligne(sortie, tableau.entetes, format, false);
    for (const auto &ligne : tableau.lignes)
        ajouter_ligne(sortie, ligne, format, true);
    return sortie;
}

} // namespace tableur
