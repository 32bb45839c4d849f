// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrondi.h"

#include <cmath>

namespace arrondi {

namespace {

// Cherche k dans -5..9 tel que bas <= |x . 10^k| < 10 . bas, le dernier k qui
// convient l'emportant, arrondit la mantisse à l'entier (un demi vers le bas)
// puis la ramène à l'échelle de x par divisions ou produits successifs.
double arrondi_chiffres(double x, double bas)
{
    const double haut = 10.0 * bas;
    double m = 0.0;
    int p = 0;
    for (int i = 1; i <= 15; ++i) {
        const int k = i - 6;
        const double t = x * std::exp(k * std::log(10.0));
        if (std::fabs(t) >= bas && std::fabs(t) < haut) {
            m = t;
            p = i;
        }
    }
    const double plancher = std::floor(m);
    m = (m - plancher > 0.5) ? plancher + 1.0 : plancher;
    for (int j = 6; j < p; ++j)
        m /= 10.0;
    for (int j = p; j < 6 && p != 0; ++j)
        m *= 10.0;
    return m;
}

} // namespace

double quatre_chif_sign(double x)
{
    return arrondi_chiffres(x, 1000.0);
}

double quatre_chif_sign_plancher(double x)
{
    const double m = quatre_chif_sign(x);
    return std::fabs(m) < 0.001 ? 0.0 : m;
}

double trois_chif_sign(double x)
{
    return arrondi_chiffres(x, 100.0);
}

std::optional<float> mantisse(double x)
{
    float m = static_cast<float>(x * 1e-12);
    std::optional<float> resultat;
    for (int i = 1; i <= 30; ++i) {
        m = static_cast<float>(static_cast<double>(m) * 10.0);
        if (m >= 10.0f && m < 100.0f)
            resultat = m;
    }
    return resultat;
}

namespace {

std::optional<double> pas_brut(double x, bool arrondir)
{
    std::optional<double> pas;
    const auto garder = [&](double facteur) {
        const double m = *mantisse(x);
        const double p = facteur * x / m;
        pas = arrondir ? trois_chif_sign(p) : p;
    };
    // Trois essais dans cet ordre, chacun recalculant la mantisse.
    if (auto m = mantisse(x); m && *m >= 10.0f && *m < 20.0f)
        garder(2.0);
    if (auto m = mantisse(x); m && *m >= 20.0f && *m < 40.0f)
        garder(5.0);
    if (auto m = mantisse(x); m && *m >= 40.0f && *m < 100.0f)
        garder(10.0);
    return pas;
}

} // namespace

std::optional<double> pas_graduation(double x)
{
    return pas_brut(x, false);
}

std::optional<double> pas_graduation_arrondi(double x)
{
    return pas_brut(x, true);
}

} // namespace arrondi
