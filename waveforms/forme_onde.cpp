// SPDX-License-Identifier: GPL-3.0-or-later
#include "forme_onde.h"

#include <cmath>

namespace oscillo {

double Morceau::valeur(double t) const
{
    double v = c;
    if (s != 0.0)
        v += s * std::sin(omega * t);
    if (k != 0.0)
        v += k * std::exp(-lambda * (t - t_ref));
    return v;
}

double Morceau::integrale_carre() const
{
    const double a = debut, b = fin;
    if (!(b > a))
        return 0.0;
    const double L = b - a;
    // Un sinus de pulsation nulle est nul partout.
    const double S = omega != 0.0 ? s : 0.0;

    // (c + S sin + k e)^2 = c^2 + S^2 sin^2 + k^2 e^2 + 2cS sin + 2ck e + 2Sk sin e
    double somme = c * c * L;
    if (S != 0.0) {
        somme += S * S * (L / 2.0 - (std::sin(2.0 * omega * b) - std::sin(2.0 * omega * a)) / (4.0 * omega));
        somme += 2.0 * c * S * (std::cos(omega * a) - std::cos(omega * b)) / omega;
    }
    if (k != 0.0) {
        const double ea = std::exp(-lambda * (a - t_ref)), eb = std::exp(-lambda * (b - t_ref));
        if (lambda != 0.0) {
            somme += k * k * (ea * ea - eb * eb) / (2.0 * lambda);
            somme += 2.0 * c * k * (ea - eb) / lambda;
        } else {
            somme += k * k * L + 2.0 * c * k * L;
        }
        if (S != 0.0) {
            // Primitive de sin(wt) e^(-l(t - r)) : e^(-l(t - r)) (-l sin wt - w cos wt) / (l^2 + w^2).
            const auto F = [&](double t, double e) {
                return e * (-lambda * std::sin(omega * t) - omega * std::cos(omega * t)) /
                       (lambda * lambda + omega * omega);
            };
            somme += 2.0 * S * k * (F(b, eb) - F(a, ea));
        }
    }
    // Un morceau minuscule peut donner un petit négatif d'arrondi.
    return somme > 0.0 ? somme : 0.0;
}

double valeur_efficace(std::span<const Morceau> forme, double T)
{
    if (!(T > 0.0))
        return 0.0;
    double somme = 0.0;
    for (const Morceau &m : forme)
        somme += m.integrale_carre();
    const double v = std::sqrt(somme / T);
    return std::isfinite(v) ? v : 0.0;
}

} // namespace oscillo
