// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les quatre intervalles d'une période d'un pont monophasé à courant de
// charge lissé, communs aux trois redresseurs : ils ne diffèrent que par les
// composants qui conduisent dans chacun. Et la forme d'une grandeur d'un
// pont sur une période, d'où sa valeur efficace exacte. Pas de Qt ici.

#include "a_traduire.h"
#include "circuit.h"
#include "forme_onde.h"

#include <algorithm>
#include <array>
#include <optional>

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

// Ce qui conduit dans un intervalle : les drapeaux des quatre composants et
// le signe de la tension redressée (uc = sens . u, is = sens . ic ; 0 quand
// la charge est en roue libre ou le pont bloqué).
struct Conduction {
    std::array<bool, 4> etat;
    int sens;
};

// Les grandeurs d'un pont, par genre ; celles d'un composant portent son
// numéro 0..3 dans l'ordre des drapeaux.
enum class GenrePont { u, uc, ic, is, tension_composant, courant_composant };

// Les douze premières grandeurs des trois ponts sont dans le même ordre :
// u, uc, ic, is, les tensions des quatre composants puis leurs courants.
struct GrandeurPont {
    GenrePont genre;
    int composant;
};
inline std::optional<GrandeurPont> grandeur_pont(int indice)
{
    constexpr GenrePont premieres[] = {GenrePont::u, GenrePont::uc, GenrePont::ic, GenrePont::is};
    if (indice >= 0 && indice < 4)
        return GrandeurPont{premieres[indice], 0};
    if (indice >= 4 && indice < 8)
        return GrandeurPont{GenrePont::tension_composant, indice - 4};
    if (indice >= 8 && indice < 12)
        return GrandeurPont{GenrePont::courant_composant, indice - 8};
    return std::nullopt;
}

// Les grandeurs instantanées d'un pont, dans l'ordre commun des listes des
// trois programmes : u, uc, ic, is, la tension puis le courant de chaque
// composant, puis les impulsions de gâchette (quatre, deux ou aucune).
struct EtatPont {
    double u = 0.0, uc = 0.0, ic = 0.0, is = 0.0;
    std::array<double, 4> tension{}, courant{}, gachette{};
    std::array<bool, 4> conduit{};

    // u et ic au même instant et ce qui conduit : uc, is, et pour chaque
    // composant sa tension (celle d'un composant passant, ou u ou -u selon
    // bloque_sous_u) et son courant.
    void poser(double u_inst, double ic_inst, const Conduction &c, double tension_passant,
               const std::array<bool, 4> &bloque_sous_u)
    {
        u = u_inst;
        ic = ic_inst;
        conduit = c.etat;
        uc = c.sens * u;
        is = c.sens * ic;
        for (int k = 0; k < 4; ++k) {
            tension[k] = conduit[k] ? tension_passant : (bloque_sous_u[k] ? u : -u);
            courant[k] = conduit[k] ? ic : 0.0;
        }
    }

    // La grandeur « indice » de la liste du pont ; 0 hors de la liste.
    double valeur(int indice, int nombre_gachettes) const
    {
        if (const auto g = grandeur_pont(indice)) {
            switch (g->genre) {
            case GenrePont::u:
                return u;
            case GenrePont::uc:
                return uc;
            case GenrePont::ic:
                return ic;
            case GenrePont::is:
                return is;
            case GenrePont::tension_composant:
                return tension[g->composant];
            case GenrePont::courant_composant:
                return courant[g->composant];
            }
        }
        const int g = indice - 12;
        return g >= 0 && g < std::min(nombre_gachettes, 4) ? gachette[g] : 0.0;
    }
};

// Le tableau des valeurs moyennes d'un pont : u et is sont alternatifs
// (« 0 »), un composant conduit ic la moitié du temps, une impulsion de
// gâchette n'a pas de moyenne affichée (le label est vidé) ; le reste est
// propre à chaque pont.
struct MoyennesPont {
    double uc = 0.0, ic = 0.0;
    std::array<double, 4> tension{}; // moyenne de la tension de chaque composant
    int nombre_gachettes = 0;

    Moyenne moyenne(int indice) const
    {
        if (const auto g = grandeur_pont(indice)) {
            switch (g->genre) {
            case GenrePont::u:
            case GenrePont::is:
                return Moyenne::de_texte("0");
            case GenrePont::uc:
                return Moyenne::de_nombre(uc);
            case GenrePont::ic:
                return Moyenne::de_nombre(ic);
            case GenrePont::tension_composant:
                return Moyenne::de_nombre(tension[g->composant]);
            case GenrePont::courant_composant:
                return Moyenne::de_nombre(ic / 2.0);
            }
        }
        if (indice >= 12 && indice < 12 + nombre_gachettes)
            return Moyenne::de_texte("");
        return Moyenne::aucune();
    }
};

// Le dipôle des puissances d'un pont : la tension du réseau et le courant
// qu'il fournit au pont ; la fenêtre du spectre s'ouvre sur ce courant.
inline Dipole dipole_pont()
{
    return {0, 3, -1, -1, QT_TRANSLATE_NOOP("grandeurs", "Puissances côté réseau (u, is)")};
}
inline constexpr int grandeur_spectre_pont = 3;

struct ParametresPont {
    double vmax;            // crête de u = vmax . sin(omega . t)
    double omega;           // pulsation du modèle (rad/s)
    double t_alpha;         // instant d'amorçage (s), entre 0 et T/2
    double T;               // période (s)
    double ic;              // courant de charge lissé (0 pour un pont bloqué)
    double tension_passant; // tension d'un composant qui conduit
    // Un composant bloqué supporte u s'il est dans ce cas, -u sinon (haut
    // gauche et bas droite pour les trois ponts).
    std::array<bool, 4> bloque_sous_u;
};

// La grandeur d'un pont sur [0, T], un morceau par intervalle non vide :
// arcs de sinusoïde et constantes, comme le calcul d'un top les donne, la
// conduction de chaque intervalle étant lue dans la table du pont.
template <typename Table>
Forme forme_pont(GenrePont genre, int composant, const ParametresPont &p, Table conduction)
{
    const double ta = std::clamp(p.t_alpha, 0.0, p.T / 2);
    const struct {
        Intervalle intervalle;
        double debut, fin;
    } plages[] = {
        {Intervalle::avant_amorcage, 0.0, ta},
        {Intervalle::alternance_positive, ta, p.T / 2},
        {Intervalle::apres_demi_periode, p.T / 2, p.T / 2 + ta},
        {Intervalle::alternance_negative, p.T / 2 + ta, p.T},
    };
    const int k = std::clamp(composant, 0, 3);
    Forme forme;
    for (const auto &plage : plages) {
        if (!(plage.fin > plage.debut))
            continue;
        const Conduction c = conduction(plage.intervalle);
        double constante = 0.0, crete = 0.0; // valeur = constante + crete . sin(omega t)
        switch (genre) {
        case GenrePont::u:
            crete = p.vmax;
            break;
        case GenrePont::uc:
            crete = c.sens * p.vmax;
            break;
        case GenrePont::ic:
            constante = p.ic;
            break;
        case GenrePont::is:
            constante = c.sens * p.ic;
            break;
        case GenrePont::tension_composant:
            if (c.etat[k])
                constante = p.tension_passant;
            else
                crete = p.bloque_sous_u[k] ? p.vmax : -p.vmax;
            break;
        case GenrePont::courant_composant:
            constante = c.etat[k] ? p.ic : 0.0;
            break;
        }
        forme.push_back(Morceau::sinus(plage.debut, plage.fin, constante, crete, p.omega));
    }
    return forme;
}

// Impulsion de gâchette d'amplitude « amplitude » montrée quand
// t_centre - dt < t <= t_centre + dt, vue sur [0, T] ; nulle partout quand
// dt est nul (le curseur arrêté ne montre aucune impulsion).
inline Forme impulsion(double t_centre, double dt, double T, double amplitude)
{
    const double debut = std::max(0.0, t_centre - dt), fin = std::min(T, t_centre + dt);
    if (!(fin > debut))
        return {Morceau::constante(0.0, T, 0.0)};
    return {Morceau::constante(debut, fin, amplitude)};
}

} // namespace oscillo
