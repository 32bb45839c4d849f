#pragma once
// Les quatre intervalles d'une période d'un pont monophasé à courant de
// charge lissé, communs aux trois redresseurs : ils ne diffèrent que par les
// composants qui conduisent dans chacun. Pas de Qt ici.

namespace oscillo {

// t_alpha est l'instant d'amorçage (0 pour un pont de diodes), T la période.
enum class Intervalle {
    avant_amorcage,      // t <= t_alpha
    alternance_positive, // t_alpha < t <= T/2
    apres_demi_periode,  // T/2 < t <= T/2 + t_alpha
    alternance_negative, // t > T/2 + t_alpha
};

// Les quatre conditions sont essayées dans cet ordre et la dernière vérifiée
// l'emporte.
inline Intervalle intervalle_pont(double t, double t_alpha, double T)
{
    Intervalle i = Intervalle::avant_amorcage;
    if (t <= t_alpha)
        i = Intervalle::avant_amorcage;
    if (t_alpha < t && t <= T / 2)
        i = Intervalle::alternance_positive;
    if (T / 2 < t && t <= T / 2 + t_alpha)
        i = Intervalle::apres_demi_periode;
    if (t > T / 2 + t_alpha)
        i = Intervalle::alternance_negative;
    return i;
}

} // namespace oscillo
