// SPDX-License-Identifier: GPL-3.0-or-later
// Intégrale exacte du carré d'un morceau de forme d'onde et valeur efficace
// sur une période. Valeurs attendues calculées à la main.
#include "forme_onde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using oscillo::Morceau;

TEST(FormeOnde, IntegraleDuCarreDeMorceauxTypes)
{
    const double pi = std::numbers::pi;
    const struct {
        const char *nom;
        Morceau m;
        double attendu;
    } cas[] = {
        {"constante -3 sur 2 s", Morceau::constante(1.0, 3.0, -3.0), 18.0},
        // sin² a pour moyenne 1/2 sur une période entière.
        {"sinus 5 sur une période", Morceau::sinus(0.0, 2 * pi, 0.0, 5.0, 1.0), 25.0 * pi},
        // (1 + sin t)² sur [0, pi] : pi + 2 . 2 + pi / 2.
        {"constante plus sinus", Morceau::sinus(0.0, pi, 1.0, 1.0, 1.0), 1.5 * pi + 4.0},
        // e^(-2t) sur [0, 1] : (1 - e^-2) / 2.
        {"exponentielle", Morceau::exponentielle(0.0, 1.0, 0.0, 1.0, 1.0, 0.0), (1 - std::exp(-2.0)) / 2},
        // Même morceau décalé : t_ref suit le début.
        {"exponentielle décalée", Morceau::exponentielle(5.0, 6.0, 0.0, 1.0, 1.0, 5.0), (1 - std::exp(-2.0)) / 2},
        // (1 + e^-t)² sur [0, 1] : 1 + 2 (1 - e^-1) + (1 - e^-2) / 2 = 2,6965735.
        {"constante plus exponentielle", Morceau::exponentielle(0.0, 1.0, 1.0, 1.0, 1.0, 0.0), 2.6965734760},
        // (sin t + e^-t)² sur [0, pi] : pi/2 + (1 + e^-pi) + (1 - e^-2pi) / 2 = 3,1130765.
        {"sinus plus exponentielle", Morceau{0.0, pi, 0.0, 1.0, 1.0, 1.0, 1.0, 0.0}, 3.1130765237},
        // Exponentielle de constante nulle : une constante 2 sur 3 s.
        {"exponentielle plate", Morceau::exponentielle(0.0, 3.0, 0.0, 2.0, 0.0, 0.0), 12.0},
        {"morceau vide", Morceau::constante(2.0, 2.0, 7.0), 0.0},
        {"morceau renversé", Morceau::constante(3.0, 1.0, 7.0), 0.0},
        {"sinus de pulsation nulle", Morceau::sinus(0.0, 1.0, 0.0, 4.0, 0.0), 0.0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_NEAR(c.m.integrale_carre(), c.attendu, 1e-9);
    }
}

TEST(FormeOnde, ValeurEfficaceSurUnePeriode)
{
    const double T = 0.02, w = 2 * std::numbers::pi / T;
    // Sinusoïde de crête 10 : 10 / racine de 2.
    EXPECT_NEAR(oscillo::valeur_efficace(std::vector{Morceau::sinus(0.0, T, 0.0, 10.0, w)}, T), 7.0710678, 1e-7);
    // Redressement simple alternance : la moitié de la crête.
    EXPECT_NEAR(oscillo::valeur_efficace(std::vector{Morceau::sinus(0.0, T / 2, 0.0, 10.0, w)}, T), 5.0, 1e-9);
    // Créneau +2 / -2 : 2 ; rectangle de 2 sur un quart de période : 1.
    EXPECT_NEAR(oscillo::valeur_efficace(std::vector{Morceau::constante(0.0, T / 2, 2.0),
                                                     Morceau::constante(T / 2, T, -2.0)},
                                         T),
                2.0, 1e-12);
    EXPECT_NEAR(oscillo::valeur_efficace(std::vector{Morceau::constante(0.0, T / 4, 2.0)}, T), 1.0, 1e-12);
    // Aucune période, ou un morceau démesuré : 0 et jamais l'infini.
    EXPECT_EQ(oscillo::valeur_efficace(std::vector{Morceau::constante(0.0, T, 2.0)}, 0.0), 0.0);
    EXPECT_EQ(oscillo::valeur_efficace(std::vector{Morceau::constante(0.0, T, 1e300)}, T), 0.0);
    EXPECT_EQ(oscillo::valeur_efficace(oscillo::Forme{}, T), 0.0);
}
