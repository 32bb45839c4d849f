// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Aide des tests des modèles d'oscillogrammes : la forme par morceaux d'une
// grandeur (d'où vient sa valeur efficace) doit être celle que le calcul d'un
// top donne. En-tête seul, sans Qt.

#include "circuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace concordance {

// Valeur de la forme à l'instant t : le morceau qui contient t, 0 hors des morceaux.
inline double valeur(const oscillo::Forme &forme, double t)
{
    for (const oscillo::Morceau &m : forme)
        if (m.debut < t && t < m.fin)
            return m.valeur(t);
    return 0.0;
}

// Parcourt deux périodes en 997 instants chacune, dans l'ordre des tops (le
// modèle peut garder un état d'un instant au suivant), et compare pendant la
// seconde, pour chaque grandeur de la liste, la forme au calcul, sauf à
// moins d'un pas et demi d'une borne de morceau (la conduction de
// l'onduleur suit le courant de l'instant précédent).
inline void verifier(oscillo::Circuit &modele, double dt, int f)
{
    const int n = 997;
    const double T = 1.0 / f, pas = T / n;
    const int nombre = static_cast<int>(modele.grandeurs().size());
    std::vector<oscillo::Forme> formes;
    for (int k = 0; k < nombre; ++k)
        formes.push_back(modele.forme(k, dt, f));
    for (int passage = 0; passage < 2; ++passage)
        for (int j = 0; j < n; ++j) {
            const double t = (j + 0.5) * pas;
            modele.calculer(t, dt, f);
            if (passage == 0)
                continue;
            for (int k = 0; k < nombre; ++k) {
                bool pres_d_une_borne = false;
                for (const oscillo::Morceau &m : formes[k])
                    pres_d_une_borne = pres_d_une_borne || std::fabs(t - m.debut) < 1.5 * pas ||
                                       std::fabs(t - m.fin) < 1.5 * pas;
                if (pres_d_une_borne)
                    continue;
                ASSERT_FALSE(formes[k].empty()) << "grandeur " << k << " sans forme";
                ASSERT_NEAR(valeur(formes[k], t), modele.valeur(k), 1e-9)
                    << "grandeur " << k << " à t = " << t;
            }
        }
}

} // namespace concordance
