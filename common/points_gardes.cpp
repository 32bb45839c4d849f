// SPDX-License-Identifier: GPL-3.0-or-later
#include "points_gardes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace courbe {

namespace {

constexpr std::string_view en_tete = "enregistreur de courbes, points gardés, version 1";

void ecrire_float(std::string &s, float v)
{
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    s.append(tampon, r.ptr);
}

// Coupe « ligne » au premier espace : le mot, et le reste après l'espace.
std::string_view mot_suivant(std::string_view &ligne)
{
    const std::size_t espace = ligne.find(' ');
    const std::string_view mot = ligne.substr(0, espace);
    ligne = espace == std::string_view::npos ? std::string_view() : ligne.substr(espace + 1);
    return mot;
}

template <typename T> std::optional<T> nombre_entier(std::string_view mot)
{
    T v{};
    const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (mot.empty() || r.ec != std::errc() || r.ptr != mot.data() + mot.size())
        return std::nullopt;
    return v;
}

std::optional<float> nombre_float(std::string_view mot)
{
    float v = 0;
    const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (mot.empty() || r.ec != std::errc() || r.ptr != mot.data() + mot.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Les lignes du texte, sans fin de ligne (« \n », ou « \r\n » d'un fichier
// passé par un autre système).
std::vector<std::string_view> lignes(std::string_view texte)
{
    std::vector<std::string_view> l;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        l.push_back(ligne);
        texte = fin == std::string_view::npos ? std::string_view() : texte.substr(fin + 1);
    }
    return l;
}

} // namespace

std::string texte_points_gardes(const CourbeEnregistree &c, std::string_view programme)
{
    std::string s(en_tete);
    s += "\nprogramme ";
    s += programme;
    s += "\naxes " + std::to_string(c.grandeur_x) + ' ' + std::to_string(c.grandeur_y) + '\n';
    for (int i = 1; i <= c.nb_points && i <= capacite; ++i) {
        ecrire_float(s, c.x_point[static_cast<std::size_t>(i)]);
        s += ' ';
        ecrire_float(s, c.y_point[static_cast<std::size_t>(i)]);
        s += '\n';
    }
    return s;
}

std::optional<PointsGardes> lire_points_gardes(std::string_view texte, std::string_view programme,
                                               int nombre_grandeurs)
{
    if (texte.size() > taille_max_points_gardes)
        return std::nullopt;
    const std::vector<std::string_view> l = lignes(texte);
    if (l.size() < 4 || l[0] != en_tete)
        return std::nullopt;
    std::string_view ligne = l[1];
    if (mot_suivant(ligne) != "programme" || ligne != programme)
        return std::nullopt;
    ligne = l[2];
    if (mot_suivant(ligne) != "axes")
        return std::nullopt;
    const auto gx = nombre_entier<int>(mot_suivant(ligne));
    const auto gy = nombre_entier<int>(ligne);
    const auto grandeur_valide = [nombre_grandeurs](const std::optional<int> &g) {
        return g && *g >= 0 && *g <= nombre_grandeurs;
    };
    if (!grandeur_valide(gx) || !grandeur_valide(gy))
        return std::nullopt;

    PointsGardes p;
    p.grandeur_x = static_cast<std::int16_t>(*gx);
    p.grandeur_y = static_cast<std::int16_t>(*gy);
    for (std::size_t k = 3; k < l.size(); ++k) {
        ligne = l[k];
        const auto x = nombre_float(mot_suivant(ligne));
        const auto y = nombre_float(ligne);
        if (!x || !y || p.points.size() == static_cast<std::size_t>(capacite))
            return std::nullopt;
        p.points.emplace_back(*x, *y);
    }
    if (p.points.empty())
        return std::nullopt;
    return p;
}

void reprendre_points(CourbeEnregistree &c, const PointsGardes &p, const Variante &v)
{
    c.grandeur_x = p.grandeur_x;
    c.grandeur_y = p.grandeur_y;
    const std::size_t n = std::min(p.points.size(), static_cast<std::size_t>(capacite));
    for (std::size_t i = 0; i < n; ++i) {
        c.x_point[i + 1] = p.points[i].first;
        c.y_point[i + 1] = p.points[i].second;
    }
    c.nb_points = static_cast<std::int16_t>(n);
    recalculer_maxima(c, v);
}

} // namespace courbe
