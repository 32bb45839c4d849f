// SPDX-License-Identifier: GPL-3.0-or-later
#include "pont_diodes.h"

#include "a_traduire.h"
#include "arrondi.h"
#include "pont_monophase.h"

#include <cmath>

namespace fenoul {

namespace {

using oscillo::Classe;

constexpr oscillo::Grandeur liste[nombre_grandeurs] = {
    {QT_TRANSLATE_NOOP("grandeurs", "u tension alternative (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uc tension redressée (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "ic courant dans la charge (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "is courant absorbé par le redresseur (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "uD1 tension aux bornes de D1 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uD2 tension aux bornes de D2 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uD3 tension aux bornes de D3 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "uD4 tension aux bornes de D4 (V)"), Classe::tension},
    {QT_TRANSLATE_NOOP("grandeurs", "iD1 intensité dans D1 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD2 intensité dans D2 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD3 intensité dans D3 (A)"), Classe::courant},
    {QT_TRANSLATE_NOOP("grandeurs", "iD4 intensité dans D4 (A)"), Classe::courant},
};

// Diodes passantes et signe de uc dans chaque intervalle (le premier se
// réduit à t = 0 et le troisième est vide : l'angle est nul).
oscillo::Conduction conduction(oscillo::Intervalle intervalle)
{
    switch (intervalle) {
    case oscillo::Intervalle::avant_amorcage: // D2 et D4
        return {{false, true, false, true}, 0};
    case oscillo::Intervalle::alternance_positive: // D1 et D4
        return {{true, false, false, true}, 1};
    case oscillo::Intervalle::apres_demi_periode: // D1 et D3
        return {{true, false, true, false}, 0};
    case oscillo::Intervalle::alternance_negative: // D2 et D3
        break;
    }
    return {{false, true, true, false}, -1};
}

} // namespace

PontDiodes::PontDiodes()
    // Crête de la tension efficace : U . racine de 2, par l'exponentielle.
    : vmax_(tension_efficace * std::exp(0.5 * std::log(2.0))),
      imoy_(vmax_ * (1.0 + std::cos(alpha_ * pi / 180.0)) / (r_ * pi))
{
}

std::span<const oscillo::Grandeur> PontDiodes::grandeurs() const
{
    return liste;
}

oscillo::References PontDiodes::references() const
{
    // Pas de courant de commande : la troisième classe n'est jamais choisie.
    return {vmax_, imoy_, 0.0};
}

double PontDiodes::arrondir(double x) const
{
    return arrondi::quatre_chif_sign(x);
}

void PontDiodes::calculer(double t, double, int f)
{
    const double T = 1.0 / f;
    const double t_alpha = alpha_ / (360.0 * f);

    // Conduction : le premier intervalle se réduit à t = 0, le troisième est
    // vide. Aucune tension de seuil ; D1 et D4 bloquées supportent u, D2 et D3 -u.
    inst_.poser(vmax_ * std::sin(deux_pi * f * t), imoy_, conduction(oscillo::intervalle_pont(t, t_alpha, T)), 0.0,
                {true, false, false, true});
}

double PontDiodes::valeur(int indice) const
{
    return inst_.valeur(indice, 0);
}

oscillo::Moyenne PontDiodes::moyenne(int indice) const
{
    const double uD = -vmax_ / pi;
    return oscillo::MoyennesPont{2.0 * vmax_ / pi, imoy_, {uD, uD, uD, uD}, 0}.moyenne(indice);
}

oscillo::Forme PontDiodes::forme(int indice, double, int f) const
{
    const auto g = oscillo::grandeur_pont(indice);
    if (!g)
        return {};
    // Aucune tension de seuil ; D1 et D4 bloquées supportent u, D2 et D3 -u.
    const double T = 1.0 / f;
    const oscillo::ParametresPont p{vmax_, deux_pi * f, alpha_ / (360.0 * f), T, imoy_, 0.0,
                                    {true, false, false, true}};
    return oscillo::forme_pont(g->genre, g->composant, p, conduction);
}

std::unique_ptr<oscillo::Circuit> PontDiodes::copie() const
{
    return std::make_unique<PontDiodes>(*this);
}

} // namespace fenoul
