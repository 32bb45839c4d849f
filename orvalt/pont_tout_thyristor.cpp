// SPDX-License-Identifier: GPL-3.0-or-later
#include "pont_tout_thyristor.h"

#include "arrondi.h"
#include "pont_monophase.h"

#include <cmath>

namespace orvalt {

namespace {

using oscillo::Classe;

constexpr oscillo::Grandeur liste[nombre_grandeurs] = {
    {"u tension alternative (V)", Classe::tension},
    {"uc tension redressée (V)", Classe::tension},
    {"ic courant dans la charge (A)", Classe::courant},
    {"is courant absorbé par le redresseur (A)", Classe::courant},
    {"uT1 tension aux bornes de T1 (V)", Classe::tension},
    {"uT2 tension aux bornes de T2 (V)", Classe::tension},
    {"uT3 tension aux bornes de T3 (V)", Classe::tension},
    {"uT4 tension aux bornes de T4 (V)", Classe::tension},
    {"iT1 intensité dans T1 (A)", Classe::courant},
    {"iT2 intensité dans T2 (A)", Classe::courant},
    {"iT3 intensité dans T3 (A)", Classe::courant},
    {"iT4 intensité dans T4(A)", Classe::courant},
    {"ig1 intensité dans gachette T1 (A)", Classe::commande},
    {"ig2 intensité dans gachette T2 (A)", Classe::commande},
    {"ig3 intensité dans gachette T3 (A)", Classe::commande},
    {"ig4 intensité dans gachette T4 (A)", Classe::commande},
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
    // Crête d'une tension de 24 V efficaces : 24 . racine de 2, par l'exponentielle.
    : vmax_(24.0 * std::exp(0.5 * std::log(2.0)))
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

double PontToutThyristor::arrondir(double x) const
{
    return arrondi::quatre_chif_sign_plancher(x);
}

void PontToutThyristor::calculer(double t, double dt, int f)
{
    const double T = 1.0 / f;
    const double t_alpha = alpha_ / (360.0 * f);

    u_ = vmax_ * std::sin(deux_pi * f * t);
    ic_ = imoy_;

    // Impulsions de gâchette : au plus deux tops autour de chaque amorçage.
    ig_ = {0.0, 0.0, 0.0, 0.0};
    if (t_alpha - dt < t && t <= t_alpha + dt)
        ig_[0] = ig_[3] = imoy_ / 10.0;
    if (T / 2 + t_alpha - dt < t && t <= T / 2 + t_alpha + dt)
        ig_[1] = ig_[2] = imoy_ / 10.0;

    const oscillo::Conduction c = conduction(oscillo::intervalle_pont(t, t_alpha, T));
    etat_ = c.etat;
    uc_ = c.sens * u_;
    is_ = c.sens * ic_;

    // Pont bloqué : la tension redressée moyenne ne vaincrait pas e.
    bloque_ = bloque();
    if (bloque_) {
        etat_ = {false, false, false, false};
        uc_ = 0.0;
        is_ = 0.0;
        ic_ = 0.0;
    }

    for (int k = 0; k < 4; ++k) {
        if (etat_[k]) {
            uT_[k] = tension_passant;
            iT_[k] = ic_;
        } else {
            // T1 et T4 bloqués supportent u, T2 et T3 supportent -u.
            uT_[k] = (k == 0 || k == 3) ? u_ : -u_;
            iT_[k] = 0.0;
        }
    }
}

double PontToutThyristor::valeur(int indice) const
{
    if (indice == i_u)
        return u_;
    if (indice == i_uc)
        return uc_;
    if (indice == i_ic)
        return ic_;
    if (indice == i_is)
        return is_;
    if (indice >= i_uT1 && indice < i_uT1 + 4)
        return uT_[indice - i_uT1];
    if (indice >= i_iT1 && indice < i_iT1 + 4)
        return iT_[indice - i_iT1];
    if (indice >= i_ig1 && indice < i_ig1 + 4)
        return ig_[indice - i_ig1];
    return 0.0;
}

oscillo::Moyenne PontToutThyristor::moyenne(int indice) const
{
    using oscillo::Moyenne;
    if (indice == i_u || indice == i_is)
        return Moyenne::de_texte("0");
    if (indice == i_uc)
        return Moyenne::de_nombre(uc_moyenne());
    if (indice == i_ic)
        return Moyenne::de_nombre(imoy_);
    if (indice >= i_uT1 && indice < i_uT1 + 4)
        return Moyenne::de_nombre(-vmax_ * cos_alpha() / pi);
    if (indice >= i_iT1 && indice < i_iT1 + 4)
        return Moyenne::de_nombre(imoy_ / 2.0);
    if (indice >= i_ig1 && indice < i_ig1 + 4)
        return Moyenne::de_texte("");
    return Moyenne::aucune();
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
