// SPDX-License-Identifier: GPL-3.0-or-later
// Enregistreur : pour toute suite d'ajouts et de retraits (jusqu'à 100
// points, valeurs quelconques lues dans le texte d'un banc), la disposition
// des marques et des graduations dans chaque repère ne donne que des nombres
// finis, et l'ajustement de l'aperçu puis son tracé restent finis et dans le
// cadre. Une boucle sans fin est signalée par l'expiration de -timeout.
#include "courbe_enregistree.h"
#include "nombre.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void exiger(bool condition, const char *quoi)
{
    if (!condition) {
        std::fprintf(stderr, "courbe : %s\n", quoi);
        std::abort();
    }
}

bool finis(const std::vector<double> &v)
{
    return std::all_of(v.begin(), v.end(), [](double a) { return std::isfinite(a); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    std::size_t pos = 0;
    // Chaque texte de banc est une valeur quelconque en double, écrite
    // comme le banc l'affiche ; l'enregistreur la range en simple précision.
    auto texte_suivant = [&]() -> std::string {
        double valeur = 0;
        if (pos + sizeof valeur <= taille) {
            std::memcpy(&valeur, donnees + pos, sizeof valeur);
            pos += sizeof valeur;
        }
        return nombre::texte_nombre(valeur);
    };

    courbe::Variante v;
    v.grandeurs = {{"x", "x", texte_suivant}, {"y", "y", texte_suivant}};
    courbe::CourbeEnregistree c;
    c.grandeur_x = 1;
    c.grandeur_y = 2;
    while (pos < taille) {
        const std::uint8_t action = donnees[pos++];
        v.pas_arrondi = action & 1;
        if ((action & 0xF0) == 0xF0)
            courbe::enlever_dernier_point(c, v);
        else
            courbe::placer_point(c, v);
        exiger(c.nb_points >= 0 && c.nb_points <= courbe::capacite, "nombre de points");
    }

    const courbe::Repere reperes[] = {courbe::repere_courbe_vek_trivon, courbe::repere_courbe_sodel,
                                      courbe::repere_apercu_vek, courbe::repere_apercu_sodel,
                                      courbe::repere_apercu_trivon};
    for (const courbe::Repere &r : reperes) {
        const courbe::Disposition d = courbe::disposer(c, r);
        exiger(d.marque_x.size() == static_cast<std::size_t>(c.nb_points) &&
                   d.marque_y.size() == d.marque_x.size(),
               "une marque par point");
        exiger(finis(d.marque_x) && finis(d.marque_y), "marque non finie");
        exiger(finis(d.graduations_x) && finis(d.graduations_y), "graduation non finie");
        exiger(d.graduations_x.size() <= 1000 && d.graduations_y.size() <= 1000, "trop de graduations");
        exiger(!d.echelle_x_gauche || std::isfinite(*d.echelle_x_gauche), "échelle x non finie");
        exiger(!d.echelle_y_haut || std::isfinite(*d.echelle_y_haut), "échelle y non finie");

        // Aperçu : le polynôme passe par les marques des premiers points.
        const std::size_t n = std::min<std::size_t>(d.marque_x.size(), 9);
        if (n < 2)
            continue;
        const std::vector<double> x(d.marque_x.begin(), d.marque_x.begin() + static_cast<std::ptrdiff_t>(n));
        const std::vector<double> y(d.marque_y.begin(), d.marque_y.begin() + static_cast<std::ptrdiff_t>(n));
        const auto coefficients = courbe::interpoler(x, y);
        if (!coefficients)
            continue;
        exiger(coefficients->size() == n && finis(*coefficients), "coefficients");
        const double gauche = std::min(r.Xend, *std::min_element(x.begin(), x.end()));
        const courbe::Segment cadre{0, 0, 11520, 8640};
        for (const courbe::Segment &s :
             courbe::tracer_polynome(*coefficients, gauche, r.Xend, r.Ytop, cadre)) {
            exiger(std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) && std::isfinite(s.y2),
                   "segment non fini");
            for (double a : {s.x1, s.x2})
                exiger(a >= cadre.x1 && a <= cadre.x2, "segment hors du cadre");
            for (double a : {s.y1, s.y2})
                exiger(a >= cadre.y1 && a <= cadre.y2, "segment hors du cadre");
        }
    }
    return 0;
}
