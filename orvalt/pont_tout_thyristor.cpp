// SPDX-License-Identifier: GPL-3.0-or-later
#include "pont_tout_thyristor.h"

#include "a_traduire.h"
#include "arrondi.h"
#include "nombre.h"
#include "pont_monophase.h"

#include <cmath>

namespace orvalt {

namespace {

using oscillo::Classe;

constexpr oscillo::Grandeur liste[nombre_grandeurs] = {
    {QT_TRANSLATE_NOOP("grandeurs", "u tension alternative (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uc tension redressée (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "ic courant dans la charge (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "is courant absorbé par le redresseur (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "uT1 tension aux bornes de T1 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT2 tension aux bornes de T2 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT3 tension aux bornes de T3 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uT4 tension aux bornes de T4 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "iT1 intensité dans T1 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT2 intensité dans T2 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT3 intensité dans T3 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iT4 intensité dans T4(A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "ig1 intensité dans gâchette T1 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ig2 intensité dans gâchette T2 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ig3 intensité dans gâchette T3 (A)"), Classe::commande},
    {QT_TRANSLATE_NOOP("grandeurs", "ig4 intensité dans gâchette T4 (A)"), Classe::commande},
};

// T1 et T4 conduisent de l'amorçage à T/2 + t_alpha, T2 et T3 le reste de
// la période ; uc vaut u ou -u.
oscillo::Conduction conduction(oscillo::Intervalle intervalle)
{
    const bool t1_t4 = intervalle == oscillo::Intervalle::alternance_positive ||
                       intervalle == oscillo::Intervalle::apres_demi_periode;
    return {{t1_t4, !t1_t4, !t1_t4, t1_t4}, t1_t4 ? 1 : -1};
}

} // namespace

PontToutThyristor::PontToutThyristor()
    // Crête de la tension efficace : U . racine de 2, par l'exponentielle.
    : vmax_(tension_efficace * std::exp(0.5 * std::log(2.0)))
{
    calculer_imoy();
}

double PontToutThyristor::cos_alpha() const
{
    return std::cos(alpha_ * pi / 180.0);
}

double PontToutThyristor::uc_moyenne() const
{
    return 2.0 * vmax_ * cos_alpha() / pi;
}

void PontToutThyristor::calculer_imoy()
{
    imoy_ = (uc_moyenne() - e_) / r_;
}

bool PontToutThyristor::fixer_alpha(double degres)
{
    if (!(degres >= 0.0 && degres <= 180.0))
        return false;
    alpha_ = static_cast<float>(degres);
    calculer_imoy();
    return true;
}

void PontToutThyristor::fixer_e(double volts)
{
    e_ = std::isfinite(volts) ? volts : 0.0;
    calculer_imoy();
}

std::span<const oscillo::Grandeur> PontToutThyristor::grandeurs() const
{
    return liste;
}

oscillo::References PontToutThyristor::references() const
{
    return {vmax_, std::fabs(imoy_), imoy_ / 10.0};
}

std::vector<oscillo::Reglage> PontToutThyristor::reglages() const
{
    return {{QT_TRANSLATE_NOOP("grandeurs", "Angle d'amorçage α (°)"), nombre::texte_simple_court(alpha_)},
            {QT_TRANSLATE_NOOP("grandeurs", "F.é.m. de la charge E (V)"), nombre::texte_nombre(e_)}};
}

double PontToutThyristor::arrondir(double x) const
{
    return arrondi::quatre_chif_sign_plancher(x);
}

void PontToutThyristor::calculer(double t, double dt, int f)
{
    const double T = 1.0 / f;
    const double t_alpha = alpha_ / (360.0 * f);

    const double u = vmax_ * std::sin(deux_pi * f * t);

    // Pont bloqué : la tension redressée moyenne ne vaincrait pas e ; rien ne
    // conduit, uc, is et ic sont nuls.
    bloque_ = bloque();
    const oscillo::Conduction c = bloque_ ? oscillo::Conduction{{false, false, false, false}, 0}
                                          : conduction(oscillo::intervalle_pont(t, t_alpha, T));
    // T1 et T4 bloqués supportent u, T2 et T3 supportent -u.
    inst_.poser(u, bloque_ ? 0.0 : imoy_, c, tension_passant, {true, false, false, true});

    // Impulsions de gâchette : au plus deux tops autour de chaque amorçage.
    inst_.gachette = {0.0, 0.0, 0.0, 0.0};
    if (t_alpha - dt < t && t <= t_alpha + dt)
        inst_.gachette[0] = inst_.gachette[3] = imoy_ / 10.0;
    if (T / 2 + t_alpha - dt < t && t <= T / 2 + t_alpha + dt)
        inst_.gachette[1] = inst_.gachette[2] = imoy_ / 10.0;
}

double PontToutThyristor::valeur(int indice) const
{
    return inst_.valeur(indice, 4);
}

oscillo::Moyenne PontToutThyristor::moyenne(int indice) const
{
    const double uT = -vmax_ * cos_alpha() / pi;
    return oscillo::MoyennesPont{uc_moyenne(), imoy_, {uT, uT, uT, uT}, 4}.moyenne(indice);
}

oscillo::Forme PontToutThyristor::forme(int indice, double dt, int f) const
{
    const double T = 1.0 / f, t_alpha = alpha_ / (360.0 * f);
    if (indice >= i_ig1 && indice < i_ig1 + 4) {
        // ig1 et ig4 à l'amorçage de T1 et T4, ig2 et ig3 une demi-période plus tard.
        const bool premiere_paire = indice == i_ig1 || indice == i_ig1 + 3;
        return oscillo::impulsion(premiere_paire ? t_alpha : T / 2 + t_alpha, dt, T, imoy_ / 10.0);
    }
    const auto g = oscillo::grandeur_pont(indice);
    if (!g)
        return {};
    // Pont bloqué : rien ne conduit, uc, is et ic sont nuls toute la période.
    const bool b = bloque();
    const oscillo::ParametresPont p{vmax_, deux_pi * f, t_alpha, T, b ? 0.0 : imoy_, tension_passant,
                                    {true, false, false, true}};
    return oscillo::forme_pont(g->genre, g->composant, p, [b](oscillo::Intervalle i) {
        return b ? oscillo::Conduction{{false, false, false, false}, 0} : conduction(i);
    });
}

std::unique_ptr<oscillo::Circuit> PontToutThyristor::copie() const
{
    return std::make_unique<PontToutThyristor>(*this);
}

} // namespace orvalt
