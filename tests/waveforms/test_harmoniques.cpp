// SPDX-License-Identifier: GPL-3.0-or-later
// Spectres et puissances des quatre montages, comparés aux formules du cours
// d'électronique de puissance (calculées ici avec le vrai π : les modèles,
// avec 3,14159, s'en écartent d'un millionième).
#include "pont_diodes.h"
#include "pont_mixte.h"
#include "pont_onduleur.h"
#include "pont_tout_thyristor.h"
#include "harmoniques.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using oscillo::Forme;
using std::numbers::pi;
using std::numbers::sqrt2;

namespace {

constexpr double T = 0.02;     // 50 Hz
const double Vmax = 24 * sqrt2; // 24 V efficaces

oscillo::Spectre spectre_de(const oscillo::Circuit &c, int indice)
{
    return oscillo::spectre(c.forme(indice, 0.0, 50), T);
}

oscillo::Puissances puissances_de(const oscillo::Circuit &c)
{
    const oscillo::Dipole d = c.dipole();
    return oscillo::puissances(c.forme(d.tension, 0.0, 50), c.forme(d.courant, 0.0, 50), T);
}

struct Verification {
    std::string nom;
    double obtenu, attendu, tolerance;
};

} // namespace

TEST(Spectre, LesFormulesDuCours)
{
    std::vector<Verification> v;
    const auto ajouter = [&](std::string nom, double obtenu, double attendu, double tolerance) {
        v.push_back({std::move(nom), obtenu, attendu, tolerance});
    };

    // Pont de diodes, courant lissé Ic : is est un créneau ±Ic.
    {
        fenoul::PontDiodes p;
        const double Ic = p.imoy();
        const auto is = spectre_de(p, fenoul::i_is);
        ajouter("fenoul is I1 = 2√2/π Ic", is.rangs[0].efficace, 2 * sqrt2 / pi * Ic, 1e-4);
        for (int n : {2, 3, 5, 6, 49, 50})
            ajouter("fenoul is I" + std::to_string(n), is.rangs[n - 1].efficace,
                    n % 2 ? 2 * sqrt2 / pi * Ic / n : 0.0, 1e-5);
        ajouter("fenoul is THD", *is.thd, 100 * std::sqrt(pi * pi / 8 - 1), 0.005);
        const auto pw = puissances_de(p);
        ajouter("fenoul k", *pw.k, 2 * sqrt2 / pi, 1e-4);
        ajouter("fenoul cos φ1", *pw.cos_phi1, 1.0, 1e-5);
        const auto uc = spectre_de(p, fenoul::i_uc);
        ajouter("fenoul uc moyenne", uc.moyenne, 2 * Vmax / pi, 0.005);
        ajouter("fenoul uc rang 1 nul", uc.rangs[0].efficace, 0.0, 0.0);
        ajouter("fenoul uc rang 2", uc.rangs[1].efficace, 4 * Vmax / (3 * pi) / sqrt2, 0.005);
        EXPECT_FALSE(uc.thd) << "pas de THD sans fondamental";
    }
    // Pont tout thyristors sans f.é.m. : k = 0,9003 cos α, cos φ1 = cos α.
    for (double alpha : {30.0, 60.0, 90.0}) {
        orvalt::PontToutThyristor p;
        ASSERT_TRUE(p.fixer_alpha(alpha));
        const auto pw = puissances_de(p);
        const std::string a = " à " + std::to_string(static_cast<int>(alpha)) + "°";
        ajouter("orvalt k" + a, *pw.k, 2 * sqrt2 / pi * std::cos(alpha * pi / 180), 1e-4);
        ajouter("orvalt cos φ1" + a, *pw.cos_phi1, std::cos(alpha * pi / 180), 1e-4);
    }
    // Pont mixte : is vaut ±Ic pendant π - α par alternance.
    for (double alpha : {0.0, 45.0, 90.0, 135.0}) {
        gresil::PontMixte p;
        ASSERT_TRUE(p.fixer_alpha(alpha));
        const double Ic = p.imoy(), a = alpha * pi / 180;
        const auto is = spectre_de(p, gresil::i_is);
        const std::string s = " à " + std::to_string(static_cast<int>(alpha)) + "°";
        ajouter("gresil I1" + s, is.rangs[0].efficace, 2 * sqrt2 / pi * Ic * std::cos(a / 2), 1e-4);
        ajouter("gresil Is" + s, is.efficace, Ic * std::sqrt((pi - a) / pi), 1e-4);
        ajouter("gresil cos φ1" + s, *puissances_de(p).cos_phi1, std::cos(a / 2), 1e-4);
    }
    // Onduleur : u est un créneau ±E ; la charge R, L filtre les harmoniques de i.
    {
        onduleur::PontOnduleur p;
        const double E = p.e_continue(), R = p.r(), L = p.l(), w = 2 * pi * 50;
        const auto u = spectre_de(p, onduleur::i_u);
        const auto i = spectre_de(p, onduleur::i_i);
        ajouter("onduleur U1 = 2√2 E/π", u.rangs[0].efficace, 2 * sqrt2 * E / pi, 1e-4);
        ajouter("onduleur u THD", *u.thd, 100 * std::sqrt(pi * pi / 8 - 1), 0.005);
        for (int n : {1, 3, 5, 7, 49})
            ajouter("onduleur I" + std::to_string(n), i.rangs[n - 1].efficace,
                    2 * sqrt2 * E / (pi * n) / std::hypot(R, n * w * L), 1e-6);
        const auto pw = puissances_de(p);
        ajouter("onduleur cos φ1", *pw.cos_phi1, R / std::hypot(R, w * L), 1e-4);
        ajouter("onduleur P = R I²", pw.P, R * i.efficace * i.efficace, 1e-5);
        ajouter("onduleur P = E . moyenne de iE", pw.P, E * p.moyenne_iE(), 1e-5);
        ajouter("onduleur P ≈ 2,19 W", pw.P, 2.19, 0.005);
        // Créneau : somme des carrés jusqu'au rang 49 = U² . (8/π²) . somme des 1/n² impairs.
        double partielle = 0;
        for (int n = 1; n <= 49; n += 2)
            partielle += 1.0 / (n * n);
        double somme = 0;
        for (const auto &h : u.rangs)
            somme += h.efficace * h.efficace;
        ajouter("onduleur u somme des carrés", somme, E * E * 8 / (pi * pi) * partielle, 1e-3);
    }

    for (const auto &x : v) {
        SCOPED_TRACE(x.nom);
        EXPECT_NEAR(x.obtenu, x.attendu, x.tolerance);
    }
}

// Pour chaque grandeur des quatre montages (hors impulsions de gâchette), la
// somme des carrés de la moyenne et des cinquante premiers rangs approche le
// carré de la valeur efficace par en dessous : ce qui manque est la queue de
// la série, au plus 3 % pour des formes à sauts (rangs en 1/n).
TEST(Spectre, LaSommeDesCarresApprocheLaValeurEfficaceParEnDessous)
{
    orvalt::PontToutThyristor orvalt;
    orvalt.fixer_alpha(60);
    gresil::PontMixte gresil;
    gresil.fixer_alpha(60);
    fenoul::PontDiodes fenoul;
    onduleur::PontOnduleur onduleur;
    const oscillo::Circuit *circuits[] = {&orvalt, &gresil, &fenoul, &onduleur};
    for (const oscillo::Circuit *c : circuits)
        for (std::size_t k = 0; k < c->grandeurs().size(); ++k) {
            if (c->grandeurs()[k].classe == oscillo::Classe::commande)
                continue;
            SCOPED_TRACE(std::string(c->grandeurs()[k].legende));
            const auto s = spectre_de(*c, static_cast<int>(k));
            double somme = s.moyenne * s.moyenne;
            for (const auto &h : s.rangs)
                somme += h.efficace * h.efficace;
            const double carre = s.efficace * s.efficace;
            EXPECT_LE(somme, carre * (1 + 1e-9));
            EXPECT_GE(somme, carre * 0.97);
        }
}

// Rien ne circule (pont bloqué par la f.é.m.) : ni facteur de puissance ni
// déphasage, et aucun nombre non fini.
TEST(Spectre, PontBloqueSansFacteursNiNombreNonFini)
{
    orvalt::PontToutThyristor p;
    p.fixer_e(30); // plus que 2 Vmax/π = 21,6 V
    ASSERT_TRUE(p.bloque());
    const auto pw = puissances_de(p);
    EXPECT_EQ(pw.P, 0);
    EXPECT_EQ(pw.S, 0);
    EXPECT_FALSE(pw.k);
    EXPECT_FALSE(pw.cos_phi1);
    const auto is = spectre_de(p, orvalt::i_is);
    EXPECT_FALSE(is.thd);
    EXPECT_FALSE(oscillo::spectre(Forme{}, 0.0).thd);
}
