// SPDX-License-Identifier: GPL-3.0-or-later
// Écriture des nombres affichés : pour toute valeur (non finies comprises),
// texte_nombre et texte_simple écrivent un texte court fait seulement de
// chiffres, d'un signe, d'un point et d'un exposant, que lire_nombre relit à
// la précision annoncée (15 chiffres significatifs en double, 7 en simple).
#include "nombre.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void verifier(const std::string &texte, double valeur, double precision, std::size_t longueur_max)
{
    const char *probleme = nullptr;
    if (texte.empty() || texte.size() > longueur_max)
        probleme = "longueur";
    else if (texte.find_first_not_of("0123456789.e+-") != std::string::npos)
        probleme = "caractère étranger";
    else if (!std::isfinite(valeur) && texte != "0")
        probleme = "valeur non finie";
    else if (std::isfinite(valeur)) {
        const double relu = nombre::lire_nombre(texte);
        // Une valeur sous-normale n'a plus sa précision relative : un écart
        // du plus petit double positif reste permis.
        if (!(std::fabs(relu - valeur) <= precision * std::fabs(valeur) + 5e-324))
            probleme = "relecture";
    }
    if (probleme) {
        std::fprintf(stderr, "%s : %.17g écrit \"%s\"\n", probleme, valeur, texte.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    if (taille >= sizeof(double)) {
        double valeur;
        std::memcpy(&valeur, donnees, sizeof valeur);
        // "-1.23456789012345e-308", ou "-1.79769313486231e+308" tout près
        // du plus grand double : 24 caractères au plus.
        verifier(nombre::texte_nombre(valeur), valeur, 5.1e-15, 24);
    }
    if (taille >= sizeof(float)) {
        float valeur;
        std::memcpy(&valeur, donnees + taille - sizeof valeur, sizeof valeur);
        // "-1.234567e-38", ou en entier sous 1e15 : "-999999900000000" ;
        // une valeur sous-normale garde moins de chiffres. 16 caractères au plus.
        verifier(nombre::texte_simple(valeur), valeur, 5.1e-7, 16);
    }
    return 0;
}
