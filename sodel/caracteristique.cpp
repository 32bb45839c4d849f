// SPDX-License-Identifier: GPL-3.0-or-later
#include "caracteristique.h"

#include "arrondi.h"
#include "banc_asynchrone.h"
#include "courbe_enregistree.h"
#include "nombre.h"
#include "pi_arrondi.h"

#include <algorithm>
#include <cmath>

namespace sodel {

namespace {

using arrondi::quatre_chif_sign;
using nombre::en_simple;

// π de la fenêtre des caractéristiques.
constexpr double pi_caract = pi_arrondi::cinq_decimales;

double pas_quatre_chiffres(double maximum)
{
    return quatre_chif_sign(arrondi::pas_graduation(maximum).value_or(0.0));
}

} // namespace

void calcul_charge(GrapheCharge &g, int charge, double f, double p)
{
    g.n_axe = 1.2 * (60 * f / p);
    if (!std::isfinite(g.n_axe))
        g.n_axe = 0;
    for (int k = 0; k <= nombre_pas; ++k) {
        const double n = k * g.n_axe / nombre_pas;
        g.n[k] = n;
        switch (charge) {
        case levage:
            g.T[k] = 40.0f;
            break;
        case pompe:
            g.T[k] = en_simple(0.03 * n);
            break;
        case fraiseuse:
            g.T[k] = en_simple(std::min(50000.0 / (n + 1e-6), 200.0));
            break;
        case ventilateur:
            g.T[k] = en_simple(n * (n * 1.5e-5));
            break;
        default:
            break;
        }
    }
    double plus_grand = 0;
    for (float T : g.T)
        if (std::isfinite(T))
            plus_grand = std::max(plus_grand, static_cast<double>(T));
    g.T_axe = 1.2 * plus_grand;
    g.pas_n = pas_quatre_chiffres(g.n_axe);
    g.pas_T = en_simple(pas_quatre_chiffres(g.T_axe));
}

bool calcul_moteur(GrapheCharge &g, double v1, double f, double p, double m, double R2, double l2, float Tp)
{
    const double ns = 60 * f / p;
    if (!std::isfinite(ns) || ns == 0)
        return false;
    const double X2 = 2 * pi_caract * f * l2;
    for (int k = 0; k <= nombre_pas; ++k) {
        const double n = k * g.n_axe / nombre_pas;
        g.n[k] = n;
        const double gk = (ns - n) / ns;
        g.T[k] = en_simple(
            3 * p * m * m * v1 * v1 * R2 * gk / (2 * pi_caract * f * (R2 * R2 + X2 * X2 * gk * gk)) - Tp);
    }
    return true;
}

std::optional<Segment> dans_cadre(const Segment &s, double gauche, double haut, double droite, double bas)
{
    // Le segment s'écrit P(u) = P0 + u.(P1 - P0), 0 <= u <= 1 ; chaque bord
    // resserre l'intervalle des u dont le point est du bon côté.
    const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    double u0 = 0, u1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.x0 - gauche, droite - s.x0, s.y0 - haut, bas - s.y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt; // parallèle au bord, et dehors
            continue;
        }
        const double u = q[i] / p[i];
        if (p[i] < 0)
            u0 = std::max(u0, u);
        else
            u1 = std::min(u1, u);
        if (u0 > u1)
            return std::nullopt;
    }
    return Segment{s.x0 + u0 * dx, s.y0 + u0 * dy, s.x0 + u1 * dx, s.y0 + u1 * dy};
}

TraceCharge disposer(const GrapheCharge &g, const RepereCharge &r)
{
    TraceCharge t;
    const auto ordonnee = [&](float T) {
        if (g.T_axe == 0)
            return r.y_axe_x;
        return std::floor(r.Y2 + (r.Y1 - r.Y2) * T / g.T_axe);
    };
    for (int k = 0; k <= nombre_pas; ++k) {
        t.x[k] = (k == 0 || g.n_axe == 0) ? r.X1 : std::floor(r.X1 + g.n[k] * (r.X2 - r.X1) / g.n_axe);
        t.y[k] = ordonnee(g.T[k]);
        t.present[k] = std::isfinite(t.x[k]) && std::isfinite(t.y[k]);
    }
    // Cadre blanc du graphe (efface_graphe), jusqu'aux axes.
    for (int k = 1; k <= nombre_pas; ++k)
        if (t.present[k - 1] && t.present[k])
            if (const auto s = dans_cadre({t.x[k - 1], t.y[k - 1], t.x[k], t.y[k]}, r.X1, r.Y1 - 50, r.X2 + 50,
                                          r.y_axe_x))
                t.segments.push_back(*s);
    const int nb_x = g.n_axe != 0 ? courbe::nombre_graduations(g.n_axe, g.pas_n) : 0;
    for (int j = 1; j <= nb_x; ++j)
        t.graduations_x.push_back(r.X1 + j * g.pas_n * (r.X2 - r.X1) / g.n_axe);
    const int nb_y = g.T_axe != 0 ? courbe::nombre_graduations(g.T_axe, g.pas_T) : 0;
    for (int j = 1; j <= nb_y; ++j)
        t.graduations_y.push_back(r.Y2 + (r.Y1 - r.Y2) * j * g.pas_T / g.T_axe);
    return t;
}

std::optional<Lecture> lecture(const GrapheCharge &g, const RepereCharge &r, double x, double y)
{
    if (!(r.X1 < x && x < r.X2 && r.Y1 < y && y < r.Y2))
        return std::nullopt;
    return Lecture{quatre_chif_sign((x - r.X1) * g.n_axe / (r.X2 - r.X1)),
                   quatre_chif_sign((r.Y2 - y) * g.T_axe / (r.Y2 - r.Y1))};
}

} // namespace sodel
