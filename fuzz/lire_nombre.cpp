// SPDX-License-Identifier: GPL-3.0-or-later
// Lecture des saisies : nombre::lire_nombre doit rendre le nombre décimal en
// tête du texte (blancs et tabulations de tête sautés), 0 quand il n'y en a
// pas ou quand il dépasse un double. L'oracle, indépendant, confie la lecture
// à strtod, limitée aux caractères qu'un nombre décimal peut contenir (strtod
// seul accepterait aussi "0x10", "inf" ou "nan").
#include "nombre.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

double oracle(std::string_view texte)
{
    std::size_t i = 0;
    while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\t'))
        ++i;
    std::string nombre;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            break;
        nombre += c;
    }
    const double valeur = std::strtod(nombre.c_str(), nullptr);
    return std::isfinite(valeur) ? valeur : 0.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char *>(donnees), taille);
    const double lu = nombre::lire_nombre(texte);
    const double attendu = oracle(texte);
    if (!std::isfinite(lu) || lu != attendu) {
        std::fprintf(stderr, "lire_nombre : %.17g, attendu %.17g\n", lu, attendu);
        std::abort();
    }
    return 0;
}
