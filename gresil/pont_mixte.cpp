// SPDX-License-Identifier: GPL-3.0-or-later
#include "pont_mixte.h"

#include "a_traduire.h"
#include "arrondi.h"
#include "nombre.h"
#include "pont_monophase.h"

#include <cmath>

namespace gresil {

namespace {

using oscillo::Classe;

constexpr oscillo::Grandeur liste[nombre_grandeurs] = {
    {QT_TRANSLATE_NOOP("grandeurs", "u tension alternative (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uc tension redressée (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "ic courant dans la charge (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "is courant absorbé par le redresseur (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "uT1 tension aux bornes de T1 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT2 tension aux bornes de T2 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "ud1 tension aux bornes de D1 (V)"), Classe::tension},
    // Le pont n'a pas de D3 : la tension montrée est celle de D2.
    {QT_TRANSLATE_NOOP("grandeurs", "ud2 tension aux bornes de D2 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "iT1 intensité dans T1 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT2 intensité dans T2 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD1 intensité dans D1 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD2 intensité dans D2(A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "ig1 intensité dans gâchette T1 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ig2 intensité dans gâchette T2 (A)"), Classe::commande},
};

// Composants passants (T1, T2, D1, D2) et signe de uc dans chaque intervalle.
oscillo::Conduction conduction(oscillo::Intervalle intervalle)
{
    switch (intervalle) {
    case oscillo::Intervalle::avant_amorcage: // T2 et D2 en roue libre
        return {{false, true, false, true}, 0};
    case oscillo::Intervalle::alternance_positive: // T1 et D2
        return {{true, false, false, true}, 1};
    case oscillo::Intervalle::apres_demi_periode: // T1 et D1 en roue libre
        return {{true, false, true, false}, 0};
    case oscillo::Intervalle::alternance_negative: // T2 et D1
        break;
    }
    return {{false, true, true, false}, -1};
}

} // namespace

PontMixte::PontMixte()
    // Crête de la tension efficace : U . racine de 2, par l'exponentielle.
    : vmax_(tension_efficace * std::exp(0.5 * std::log(2.0)))
{
    fixer_alpha(0.0);
}

double PontMixte::cos_alpha() const
{
    return std::cos(alpha_ * pi / 180.0);
}

bool PontMixte::fixer_alpha(double degres)
{
    if (!(degres >= 0.0 && degres <= 180.0))
        return false;
    alpha_ = degres;
    imoy_ = vmax_ * (1.0 + cos_alpha()) / (r_ * pi);
    return true;
}

std::span<const oscillo::Grandeur> PontMixte::grandeurs() const
{
    return liste;
}

oscillo::References PontMixte::references() const
{
    return {vmax_, imoy_, imoy_ / 10.0};
}

std::vector<oscillo::Reglage> PontMixte::reglages() const
{
    return {{QT_TRANSLATE_NOOP("grandeurs", "Angle d'amorçage α (°)"), nombre::texte_nombre(alpha_)}};
}

double PontMixte::arrondir(double x) const
{
    return arrondi::quatre_chif_sign(x);
}

void PontMixte::calculer(double t, double dt, int f)
{
    const double T = 1.0 / f;
    const double t_alpha = alpha_ / (360.0 * f);

    // Impulsions de gâchette : au plus deux tops autour de chaque amorçage.
    inst_.gachette[0] = (t_alpha - dt < t && t <= t_alpha + dt) ? imoy_ / 10.0 : 0.0;
    inst_.gachette[1] = (T / 2 + t_alpha - dt < t && t <= T / 2 + t_alpha + dt) ? imoy_ / 10.0 : 0.0;

    // Conduction : deux composants à la fois ; pendant la roue libre, un
    // thyristor et la diode de son bras court-circuitent la charge. T1 et D2
    // bloqués supportent u, T2 et D1 supportent -u.
    inst_.poser(vmax_ * std::sin(deux_pi * f * t), imoy_, conduction(oscillo::intervalle_pont(t, t_alpha, T)),
                tension_passant, {true, false, false, true});
}

double PontMixte::valeur(int indice) const
{
    return inst_.valeur(indice, 2);
}

oscillo::Moyenne PontMixte::moyenne(int indice) const
{
    // Un thyristor bloqué supporte -vmax cos(alpha) / pi en moyenne, une diode -vmax / pi.
    const double uT = -vmax_ * cos_alpha() / pi, uD = -vmax_ / pi;
    return oscillo::MoyennesPont{vmax_ * (1.0 + cos_alpha()) / pi, imoy_, {uT, uT, uD, uD}, 2}.moyenne(indice);
}

oscillo::Forme PontMixte::forme(int indice, double dt, int f) const
{
    const double T = 1.0 / f, t_alpha = alpha_ / (360.0 * f);
    if (indice == i_ig1 || indice == i_ig1 + 1)
        return oscillo::impulsion(indice == i_ig1 ? t_alpha : T / 2 + t_alpha, dt, T, imoy_ / 10.0);
    const auto g = oscillo::grandeur_pont(indice);
    if (!g)
        return {};
    // T1 et D2 bloqués supportent u, T2 et D1 supportent -u.
    const oscillo::ParametresPont p{vmax_, deux_pi * f, t_alpha, T, imoy_, tension_passant,
                                    {true, false, false, true}};
    return oscillo::forme_pont(g->genre, g->composant, p, conduction);
}

std::unique_ptr<oscillo::Circuit> PontMixte::copie() const
{
    return std::make_unique<PontMixte>(*this);
}

} // namespace gresil
