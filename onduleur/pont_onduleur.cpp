// SPDX-License-Identifier: GPL-3.0-or-later
#include "pont_onduleur.h"

#include "a_traduire.h"
#include "arrondi.h"
#include "nombre.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace onduleur {

namespace {

using oscillo::Classe;

constexpr oscillo::Grandeur liste[nombre_grandeurs] = {
    {QT_TRANSLATE_NOOP("grandeurs", "E tension continue (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "u tension aux bornes de la charge (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "i courant dans la charge (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iE courant absorbé par l'onduleur (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "uT1 tension aux bornes de T1 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT2 tension aux bornes de T2 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT3 tension aux bornes de T3 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT4 tension aux bornes de T4 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "iT1 intensité dans T1 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT2 intensité dans T2 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT3 intensité dans T3 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT4 intensité dans T4(A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "uD1 tension aux bornes de D1 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uD2 tension aux bornes de D2 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uD3 tension aux bornes de D3 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uD4 tension aux bornes de D4 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "iD1 intensité dans D1 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD2 intensité dans D2 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD3 intensité dans D3 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD4 intensité dans D4(A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "ib1 courant de base dans T1 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ib2 courant de base dans T2 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ib3 courant de base dans T3 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ib4 courant de base dans T4 (A)"), Classe::commande},
};

bool dans(int indice, int premier)
{
    return indice >= premier && indice < premier + 4;
}

} // namespace

PontOnduleur::PontOnduleur()
{
    charger();
}

void PontOnduleur::charger()
{
    e_continue_ = 34;
    r_ = 40;
    l_ = 0.4;
    f_ = 50;
    a_ = std::exp(-r_ / (2.0 * l_ * f_));
    imax_ = (static_cast<double>(e_continue_) / r_) * (1.0 - a_) / (1.0 + a_);
    // Rien ne conduit ni ne circule avant le premier top ; au premier top,
    // i = 0 fait prendre T1 et T4 pour passants.
    u_ = i_ = iE_ = 0.0;
    uT_ = iT_ = iD_ = {0.0, 0.0, 0.0, 0.0};
    etat_t_ = etat_d_ = {false, false, false, false};
}

double PontOnduleur::t0() const
{
    return -(l_ / r_) * std::log((1.0 + a_) / 2.0);
}

double PontOnduleur::moyenne_iT() const
{
    const double E = e_continue_, T = 1.0 / f_;
    return (E * f_ / r_) * ((T / 2.0 - t0()) - l_ * imax_ / E);
}

double PontOnduleur::moyenne_iD() const
{
    const double E = e_continue_;
    return (E * f_ / r_) * ((l_ / r_) * (1.0 - a_) / (1.0 + a_) - t0());
}

double PontOnduleur::moyenne_iE() const
{
    // La source fournit i pendant la première alternance et -i pendant la
    // seconde : sa moyenne est celle de i sur une demi-période, soit
    // (E / R) (1 - 4 f (L / R) (1 - a) / (1 + a)), ou encore deux fois la
    // différence des moyennes d'un transistor et d'une diode. Elle n'est pas
    // nulle : c'est elle qui porte la puissance E . iE dissipée dans R.
    const double E = e_continue_;
    return (E / r_) * (1.0 - 4.0 * f_ * (l_ / r_) * (1.0 - a_) / (1.0 + a_));
}

std::span<const oscillo::Grandeur> PontOnduleur::grandeurs() const
{
    return liste;
}

oscillo::References PontOnduleur::references() const
{
    return {static_cast<double>(e_continue_), imax_, imax_ / 10.0};
}

std::vector<oscillo::Reglage> PontOnduleur::reglages() const
{
    return {{QT_TRANSLATE_NOOP("grandeurs", "Tension continue E (V)"), std::to_string(e_continue_)}};
}

double PontOnduleur::arrondir(double x) const
{
    return arrondi::quatre_chif_sign_plancher(x);
}

void PontOnduleur::calculer(double t, double, int f)
{
    const double E = e_continue_, T = 1.0 / f;
    const bool premiere_alternance = t <= T / 2.0;

    // Conduction décidée d'après le courant laissé par le top précédent :
    // tant que i a encore le signe de l'alternance passée, ce sont les
    // diodes de la paire qui reçoit la tension qui le conduisent.
    etat_t_ = etat_d_ = {false, false, false, false};
    if (premiere_alternance) {
        const bool diodes = i_ < 0.0;
        etat_d_[0] = etat_d_[3] = diodes;
        etat_t_[0] = etat_t_[3] = !diodes;
        u_ = E;
        i_ = (E / r_) * (1.0 - 2.0 * std::exp(-r_ * t / l_) / (1.0 + a_));
        iE_ = i_;
    } else {
        const bool diodes = i_ > 0.0;
        etat_d_[1] = etat_d_[2] = diodes;
        etat_t_[1] = etat_t_[2] = !diodes;
        u_ = -E;
        i_ = -(E / r_) * (1.0 - 2.0 * std::exp(-r_ * (t - T / 2.0) / l_) / (1.0 + a_));
        iE_ = -i_;
    }

    // Un transistor conduit i dans le sens de la tension appliquée, une diode
    // en sens inverse ; au top où i change de signe, la diode encore passante
    // montre un petit courant négatif.
    const double sens = premiere_alternance ? 1.0 : -1.0;
    for (int k = 0; k < 4; ++k) {
        iT_[k] = etat_t_[k] ? sens * i_ : 0.0;
        iD_[k] = etat_d_[k] ? -sens * i_ : 0.0;
        uT_[k] = (etat_t_[k] || etat_d_[k]) ? 0.0 : E;
    }
}

double PontOnduleur::valeur(int indice) const
{
    if (indice == i_E)
        return e_continue_;
    if (indice == i_u)
        return u_;
    if (indice == i_i)
        return i_;
    if (indice == i_iE)
        return iE_;
    if (dans(indice, i_uT1))
        return uT(indice - i_uT1 + 1);
    if (dans(indice, i_iT1))
        return iT(indice - i_iT1 + 1);
    if (dans(indice, i_uD1))
        return uD(indice - i_uD1 + 1);
    if (dans(indice, i_iD1))
        return iD(indice - i_iD1 + 1);
    if (dans(indice, i_ib1))
        return ib(indice - i_ib1 + 1);
    return 0.0;
}

bool PontOnduleur::conduit(int jeu, int composant) const
{
    if (composant < 0 || composant >= 4)
        return false;
    return jeu == jeu_diodes ? etat_d_[composant] : etat_t_[composant];
}

oscillo::Moyenne PontOnduleur::moyenne(int indice) const
{
    using oscillo::Moyenne;
    // Textes sans arrondi : "34", "17", "-17".
    const auto entier = [](double v) { return Moyenne::de_texte(nombre::texte_nombre(v)); };
    if (indice == i_E)
        return entier(e_continue_);
    if (indice == i_u || indice == i_i)
        return Moyenne::de_texte("0");
    if (indice == i_iE)
        return Moyenne::de_nombre(moyenne_iE());
    if (dans(indice, i_uT1))
        return entier(e_continue_ / 2.0);
    if (dans(indice, i_iT1))
        return Moyenne::de_nombre(moyenne_iT());
    if (dans(indice, i_uD1))
        return entier(-e_continue_ / 2.0);
    if (dans(indice, i_iD1))
        return Moyenne::de_nombre(moyenne_iD());
    if (dans(indice, i_ib1))
        // Pas de moyenne affichée pour un courant de base : le label est vidé,
        // pour ne pas laisser sous ce panneau la moyenne d'une autre grandeur.
        return Moyenne::de_texte("");
    return Moyenne::aucune();
}

oscillo::Forme PontOnduleur::forme(int indice, double, int f) const
{
    using oscillo::Morceau;
    const double E = e_continue_, T = 1.0 / f, demi = T / 2.0;
    const double lambda = r_ / l_;
    // Première alternance : i = E/R - (2E / (R (1 + a))) exp(-R t / L) ;
    // la seconde est son opposée, décalée d'une demi-période.
    const double c = E / r_, k = -2.0 * E / (r_ * (1.0 + a_));
    const auto i_premiere = [&](double debut, double fin, double signe) {
        return Morceau::exponentielle(debut, fin, signe * c, signe * k, lambda, 0.0);
    };
    const auto i_seconde = [&](double debut, double fin, double signe) {
        return Morceau::exponentielle(debut, fin, -signe * c, -signe * k, lambda, demi);
    };
    // i s'annule en t0 dans chaque alternance : avant, la diode de la paire
    // qui reçoit la tension conduit -i (ou i), ensuite son transistor.
    const double t_zero = std::clamp(t0(), 0.0, demi);
    const auto transistor = [&](int k0, double echelle) -> oscillo::Forme {
        if (k0 == 0 || k0 == 3)
            return {i_premiere(t_zero, demi, echelle)};
        return {i_seconde(demi + t_zero, T, -echelle)};
    };
    if (indice == i_E)
        return {Morceau::constante(0.0, T, E)};
    if (indice == i_u)
        return {Morceau::constante(0.0, demi, E), Morceau::constante(demi, T, -E)};
    if (indice == i_i)
        return {i_premiere(0.0, demi, 1.0), i_seconde(demi, T, 1.0)};
    if (indice == i_iE)
        return {i_premiere(0.0, demi, 1.0), i_seconde(demi, T, -1.0)};
    if (dans(indice, i_uT1) || dans(indice, i_uD1)) {
        // Tension E aux bornes de T1 et T4 pendant la seconde alternance,
        // de T2 et T3 pendant la première ; uD = -uT.
        const int k0 = dans(indice, i_uT1) ? indice - i_uT1 : indice - i_uD1;
        const double v = dans(indice, i_uT1) ? E : -E;
        return (k0 == 0 || k0 == 3) ? oscillo::Forme{Morceau::constante(demi, T, v)}
                                    : oscillo::Forme{Morceau::constante(0.0, demi, v)};
    }
    if (dans(indice, i_iT1))
        return transistor(indice - i_iT1, 1.0);
    if (dans(indice, i_ib1))
        return transistor(indice - i_ib1, 0.1);
    if (dans(indice, i_iD1)) {
        const int k0 = indice - i_iD1;
        if (k0 == 0 || k0 == 3)
            return {i_premiere(0.0, t_zero, -1.0)};
        return {i_seconde(demi, demi + t_zero, 1.0)};
    }
    return {};
}

std::unique_ptr<oscillo::Circuit> PontOnduleur::copie() const
{
    return std::make_unique<PontOnduleur>(*this);
}

} // namespace onduleur
