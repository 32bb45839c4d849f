// SPDX-License-Identifier: GPL-3.0-or-later
#include "nombre.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace nombre {

namespace {

bool chiffre(char c)
{
    return c >= '0' && c <= '9';
}

std::string texte_general(double valeur, int chiffres)
{
    if (!std::isfinite(valeur))
        return "0";
    if (valeur == 0.0)
        return "0"; // pas de "-0"
    char tampon[64];
    const auto [fin, erreur] =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::general, chiffres);
    if (erreur != std::errc())
        return "0";
    // Avec peu de chiffres, l'écriture générale passe à l'exposant dès 10^chiffres
    // (« 2.147484e+09 ») : une grandeur ordinaire s'écrit en entier, arrondie
    // à ces chiffres (2147484000) ; l'exposant reste au-delà de 1e15.
    double arrondie = 0.0;
    if (std::find(tampon, fin, 'e') != fin && std::from_chars(tampon, fin, arrondie).ec == std::errc() &&
        std::fabs(arrondie) >= 1 && std::fabs(arrondie) < 1e15) {
        const auto [fin_entier, erreur_entier] =
            std::to_chars(tampon, tampon + sizeof tampon, arrondie, std::chars_format::fixed, 0);
        if (erreur_entier == std::errc())
            return std::string(tampon, fin_entier);
    }
    std::string texte(tampon, fin);
    // Tout près du plus grand double, l'arrondi au plus proche le dépasse
    // (1.79769313486232e+308) et le texte se relirait 0 : on garde alors les
    // mêmes chiffres tronqués vers zéro (1.79769313486231e+308), qui se
    // relisent en un nombre fini à moins d'un chiffre du dernier rang.
    if (lire_nombre(texte) == 0.0 && valeur != 0.0) {
        const auto [fin_sci, erreur_sci] =
            std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::scientific, 16);
        if (erreur_sci != std::errc())
            return "0";
        const std::string complet(tampon, fin_sci);
        const std::size_t e = complet.find('e');
        const std::size_t debut = complet[0] == '-' ? 1 : 0;
        // Un chiffre, le point, puis les décimales gardées.
        std::string mantisse = complet.substr(0, std::min(e, debut + 2 + (chiffres - 1)));
        while (!mantisse.empty() && mantisse.back() == '0')
            mantisse.pop_back();
        if (!mantisse.empty() && mantisse.back() == '.')
            mantisse.pop_back();
        texte = mantisse + complet.substr(e);
    }
    return texte;
}

} // namespace

double lire_nombre(std::string_view texte)
{
    std::size_t i = 0;
    const std::size_t n = texte.size();
    while (i < n && (texte[i] == ' ' || texte[i] == '\t'))
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    const std::size_t debut_mantisse = i;
    std::size_t chiffres = 0;
    while (i < n && chiffre(texte[i])) {
        ++i;
        ++chiffres;
    }
    if (i < n && texte[i] == '.') {
        ++i;
        while (i < n && chiffre(texte[i])) {
            ++i;
            ++chiffres;
        }
    }
    if (chiffres == 0)
        return 0.0;
    std::size_t fin = i;
    // L'exposant ne compte que s'il porte au moins un chiffre : "1e" vaut 1.
    if (i < n && (texte[i] == 'e' || texte[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (texte[j] == '+' || texte[j] == '-'))
            ++j;
        if (j < n && chiffre(texte[j])) {
            while (j < n && chiffre(texte[j]))
                ++j;
            fin = j;
        }
    }
    double valeur = 0.0;
    const char *premier = texte.data() + debut_mantisse;
    const auto [ptr, erreur] = std::from_chars(premier, texte.data() + fin, valeur);
    if (erreur != std::errc() || ptr != texte.data() + fin || !std::isfinite(valeur))
        return 0.0;
    return negatif ? -valeur : valeur;
}

std::string texte_nombre(double valeur)
{
    return texte_general(valeur, 15);
}

std::string texte_simple(float valeur)
{
    return texte_general(static_cast<double>(valeur), 7);
}

std::string texte_chiffres_simple(double valeur)
{
    return texte_general(valeur, std::numeric_limits<float>::digits10);
}

std::string texte_simple_court(float valeur)
{
    if (!std::isfinite(valeur))
        return "0";
    char tampon[64];
    for (int chiffres = 1; chiffres <= 9; ++chiffres) {
        const auto [fin, erreur] = std::to_chars(tampon, tampon + sizeof tampon, valeur,
                                                 std::chars_format::scientific, chiffres - 1);
        if (erreur != std::errc())
            break;
        float relu = 0.0f;
        const auto [ptr, err_lu] = std::from_chars(tampon, fin, relu);
        if (err_lu != std::errc() || relu != valeur)
            continue;
        // La même décimale, relue en double, s'écrit sans bruit à 15 chiffres.
        double decimal = 0.0;
        std::from_chars(tampon, fin, decimal);
        return texte_nombre(decimal);
    }
    // Neuf chiffres suffisent toujours pour un float fini.
    return texte_nombre(static_cast<double>(valeur));
}

} // namespace nombre

namespace nombre {

float en_simple(double valeur)
{
    constexpr double plus_grand = 3.4028234663852886e38; // FLT_MAX
    if (valeur > plus_grand)
        return std::numeric_limits<float>::infinity();
    if (valeur < -plus_grand)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(valeur);
}

int en_entier_borne(double valeur, int minimum, int maximum, int defaut)
{
    if (!std::isfinite(valeur))
        return defaut;
    const double arrondi = std::nearbyint(valeur); // mode par défaut : au pair
    if (arrondi <= minimum)
        return minimum;
    if (arrondi >= maximum)
        return maximum;
    return static_cast<int>(arrondi);
}

} // namespace nombre
