// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc_asynchrone.h"

#include "arrondi.h"
#include "nombre.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace sodel {

namespace {

using arrondi::quatre_chif_sign;
using arrondi::trois_chif_sign;
using nombre::en_simple;

// Couple de la résistance fictive quand aucun courant rotorique ne passe (g = 0).
constexpr double R_infinie = 1e22;

// atan(num / den), où den = 0 donne ±π/2 (0 si num l'est aussi) : le quotient
// infini d'un dénominateur nul, sans division.
double atan_quotient(double num, double den)
{
    if (den == 0)
        return num == 0 ? 0.0 : std::copysign(pi / 2, num);
    return std::atan(num / den);
}

} // namespace

float couple_charge(int charge, float n)
{
    switch (charge) {
    case pompe:
        return en_simple(0.03 * n);
    case fraiseuse:
        // Puissance constante : à l'arrêt (ou à rebours) elle ne se laisse pas entraîner.
        if (!(n > 0))
            return std::numeric_limits<float>::infinity();
        return en_simple(50000.0 / n);
    case ventilateur:
        return en_simple((n * 1.5e-5) * n);
    default:
        return 0.0f;
    }
}

BancAsynchrone::BancAsynchrone(EffetsBanc &effets) : effets_(effets)
{
}

double BancAsynchrone::lire(Saisie saisie) const
{
    return nombre::lire_nombre(effets_.lire_saisie(saisie));
}

void BancAsynchrone::initialise()
{
    par_ = Parametres{};
    f_ = 50;
    v1_ = 0;
    T_ = par_.Tp;
    marche_ = false;
    etoile_ = true;
    effets_.colorer_marche(false);
    const struct {
        Saisie saisie;
        const char *texte;
    } defauts[] = {{Saisie::f, "50"},      {Saisie::v1, "0"},        {Saisie::T, "0"},    {Saisie::Tp, "1"},
                   {Saisie::R2, "0.0086"}, {Saisie::l2, "0.000055"}, {Saisie::m, "0.07"}, {Saisie::p, "2"},
                   {Saisie::lm, "0.15"},   {Saisie::Rf, "400"}};
    for (const auto &d : defauts)
        effets_.ecrire_saisie(d.saisie, d.texte);
}

void BancAsynchrone::efface_mesures()
{
    effets_.afficher(Afficheur::v1, 0);
    effets_.afficher(Afficheur::i, 0);
    effets_.afficher(Afficheur::p1, 0);
    effets_.effacer(Afficheur::cosphi);
    effets_.afficher(Afficheur::n, 0);
    effets_.afficher(Afficheur::g, 100);
}

void BancAsynchrone::lire_parametres()
{
    par_.R2 = lire(Saisie::R2);
    par_.l2 = lire(Saisie::l2);
    par_.m = lire(Saisie::m);
    par_.p = lire(Saisie::p);
    par_.lm = lire(Saisie::lm);
    par_.Rf = lire(Saisie::Rf);
    par_.Tp = en_simple(lire(Saisie::Tp));
}

void BancAsynchrone::lire_couple_frein()
{
    T_ = en_simple(lire(Saisie::T) + par_.Tp);
}

std::optional<double> BancAsynchrone::racine_glissement(double T) const
{
    const double a = T * (X2_ * X2_);
    const double b = -3 * par_.p * (par_.m * par_.m) * (V_ * V_) * par_.R2 / (deux_pi * f_);
    const double c = T * (par_.R2 * par_.R2);
    const double delta = b * b - 4 * a * c;
    if (delta < 0)
        return std::nullopt;
    return (-b - std::sqrt(delta)) / (2 * a);
}

double BancAsynchrone::glissement(double T) const
{
    return racine_glissement(T).value_or(1.0);
}

double BancAsynchrone::couple_moteur(double g) const
{
    const double K = 3 * par_.p * (par_.m * par_.m) * (V_ * V_) * par_.R2 / (deux_pi * f_);
    return K * g / (par_.R2 * par_.R2 + X2_ * X2_ * g * g);
}

std::optional<double> BancAsynchrone::glissement_depuis_arret() const
{
    // Excédent du couple utile du moteur sur le couple de la charge.
    const auto exces = [this](double g) {
        return couple_moteur(g) - par_.Tp - static_cast<double>(couple_charge(charge_, vitesse(g)));
    };
    // A l'arrêt, le moteur doit vaincre la charge pour démarrer (la fraiseuse
    // à l'arrêt demande un couple infini : elle ne démarre jamais).
    if (!(exces(1.0) > 0))
        return std::nullopt;
    // Le moteur accélère tant que son couple dépasse celui de la charge : il
    // s'arrête au premier croisement rencontré en partant de g = 1. Là,
    // l'excédent passe du positif au négatif quand la vitesse croît : un
    // ralentissement lui redonne du couple, une accélération lui en ôte,
    // le point est stable. Parcours par pas de 1 %, puis dichotomie.
    constexpr int pas = 100;
    double haut = 1.0; // excédent positif
    for (int k = pas - 1; k >= 0; --k) {
        double bas = static_cast<double>(k) / pas;
        if (exces(bas) > 0) {
            haut = bas;
            continue;
        }
        for (int i = 0; i < 60; ++i) {
            const double milieu = (bas + haut) / 2;
            (exces(milieu) > 0 ? haut : bas) = milieu;
        }
        return haut;
    }
    return std::nullopt;
}

bool BancAsynchrone::sans_point_defini() const
{
    // Sans fréquence, inductance, paires de pôles, rapport de transformation,
    // branche magnétisante ou résistance rotorique, le schéma équivalent ne
    // donne ni couple ni courant qui aient un sens.
    const Parametres &c = par_;
    for (double x : {f_, c.l2, c.p, c.m, c.lm, c.Rf, c.R2})
        if (!std::isfinite(x) || x == 0)
            return true;
    return !std::isfinite(Tmax_) || !std::isfinite(gmax_);
}

float BancAsynchrone::vitesse(double g) const
{
    return en_simple((1 - g) * soixante_pi * f_ / (par_.p * pi));
}

void BancAsynchrone::recherche_equilibre()
{
    if (V_ == 0) {
        T_ = 0;
        return;
    }
    // Sans couple maximal qui ait un sens, il n'y a pas d'échelle pour les
    // pas : le moteur hors modèle ne fournit que ses pertes.
    if (sans_point_defini()) {
        T_ = par_.Tp;
        return;
    }
    T_ = en_simple(Tmax_ / 2);
    // Vrai dès qu'un essai trouve le moteur en rotation (g < 1) fournissant au
    // moins le couple que la charge demande à cette vitesse.
    bool charge_portee = false;
    // Pas qui décroissent comme 1/k : Tmax/4, Tmax/6... en descendant,
    // Tmax/2, Tmax/4... en montant ; exactement 100 tours.
    for (std::int16_t k = 1; k <= 100; ++k) {
        // Un couple nul ne fait circuler aucun courant rotorique : g = 0.
        const std::optional<double> g = T_ == 0 ? std::optional<double>(0.0) : racine_glissement(T_);
        bool assez;
        if (!g) {
            // Essai au-delà du couple maximal : le moteur cale. Ce couple est
            // plus que ce que la charge peut obtenir de lui : on redescend,
            // sans demander à la charge ce qu'elle voudrait à l'arrêt.
            assez = true;
        } else {
            const float n = vitesse(*g);
            const float T_charge = couple_charge(charge_, n);
            assez = en_simple(T_ - par_.Tp) >= T_charge;
            charge_portee = charge_portee || (assez && *g < 1);
        }
        if (assez)
            T_ = en_simple(T_ - Tmax_ / (2 * (k + 1)));
        else
            T_ = en_simple(T_ + Tmax_ / (2 * k));
    }
    if (!std::isfinite(T_))
        T_ = par_.Tp;
    // Aucun essai n'a porté la charge du côté des faibles glissements : aux
    // basses tensions, la courbe de la charge ne coupe celle du moteur qu'au
    // delà de gmax. Le moteur qui démarre tourne là, lentement, sous un fort
    // courant.
    if (!charge_portee)
        g_fort_ = glissement_depuis_arret();
    if (g_fort_) {
        T_ = en_simple(couple_moteur(*g_fort_));
        return;
    }
    // Aucune vitesse où le moteur porte la charge : pas de point de
    // fonctionnement, le moteur cale et fournit son couple maximal.
    if (!charge_portee) {
        cale_ = true;
        T_ = en_simple(Tmax_);
    }
}

void BancAsynchrone::cherche_couple()
{
    cale_ = false;
    g_fort_.reset();
    switch (charge_) {
    case frein:
        lire_couple_frein();
        break;
    case levage:
        T_ = 41.0f; // 40 N.m utiles, pertes comprises quel que soit Tp
        break;
    case pompe:
    case fraiseuse:
    case ventilateur:
        recherche_equilibre();
        break;
    default:
        break; // aucune charge choisie : T reste le dernier validé
    }
}

void BancAsynchrone::calcul_point()
{
    const Parametres &c = par_;
    X2_ = f_ * (pi * (2 * c.l2));
    V_ = etoile_ ? v1_ : std::sqrt(3.0) * v1_;
    effets_.ecrire_couplage(etoile_);
    Tmax_ = c.Tp + 3 * c.p * (c.m * c.m) * (V_ * V_) / (quatre_pi * f_ * X2_);
    gmax_ = c.R2 / X2_;
    // Un paramètre nul ou démesuré : ni couple maximal ni glissement critique.
    const bool sans_sens = sans_point_defini();
    if (sans_sens) {
        effets_.effacer(Afficheur::gmax);
        effets_.effacer(Afficheur::tmax);
    } else {
        effets_.afficher(Afficheur::gmax, trois_chif_sign(gmax_));
        effets_.afficher(Afficheur::tmax, trois_chif_sign(Tmax_));
    }

    if (!marche_) {
        effets_.legende_marche(false);
        efface_mesures();
        v1_ = 0;
        n_ = 0;
        hors_modele_ = false;
        return;
    }

    cherche_couple();

    // Glissement.
    if (g_fort_) {
        g_ = *g_fort_;
        Rp_ = c.R2 / (c.m * c.m * g_);
    } else if (V_ != 0 && T_ < Tmax_ && !cale_) {
        if (T_ == 0) {
            g_ = 0;
            Rp_ = R_infinie;
        } else {
            g_ = glissement(T_);
            Rp_ = c.R2 / (c.m * c.m * g_);
        }
    } else {
        // Rotor à l'arrêt : tension nulle, couple demandé hors d'atteinte, ou
        // charge que le moteur ne peut porter à aucune vitesse.
        g_ = 1;
        Rp_ = c.R2 / (c.m * c.m);
    }
    n_ = vitesse(g_);

    // Schéma équivalent : branche magnétisante (Rf // jXm) en parallèle sur
    // la branche rotorique R' + jX'.
    Xm_ = f_ * (pi * (2 * c.lm));
    Xp_ = X2_ / (c.m * c.m);
    const double N_re = c.Rf * Rp_ - Xm_ * Xp_;
    const double N_im = Xm_ * Rp_ + Xp_ * c.Rf + Xm_ * c.Rf;
    Z_ = en_simple(Xm_ * c.Rf * std::sqrt(Rp_ * Rp_ + Xp_ * Xp_) / std::sqrt(N_im * N_im + N_re * N_re));
    I_ = etoile_ ? V_ / Z_ : std::sqrt(3.0) * V_ / Z_;
    cosphi_ = en_simple(std::fabs(std::cos(-atan_quotient(Rp_, Xp_) - atan_quotient(N_im, N_re))));
    P1_ = 3 * v1_ * I_ * cosphi_;

    // Un paramètre nul (f, l2, p, m, lm, Rf) ou démesuré ne laisse pas de
    // point de fonctionnement : le moteur est montré à l'arrêt, sans courant.
    hors_modele_ = sans_sens || !(std::isfinite(g_) && std::isfinite(n_) && std::isfinite(Z_) && Z_ != 0 &&
                                  std::isfinite(I_) && std::isfinite(cosphi_) && std::isfinite(P1_));
    if (hors_modele_) {
        if (!sans_sens) {
            effets_.effacer(Afficheur::gmax);
            effets_.effacer(Afficheur::tmax);
        }
        // Une charge entraînée ne demande rien à un moteur qui ne tourne pas :
        // il ne fournit que ses pertes.
        if (charge_ == pompe || charge_ == fraiseuse || charge_ == ventilateur)
            T_ = par_.Tp;
        g_ = 1;
        n_ = 0;
        I_ = 0;
        P1_ = 0;
        cosphi_ = 0;
    }

    effets_.legende_marche(true);
    effets_.afficher(Afficheur::v1, trois_chif_sign(std::sqrt(3.0) * v1_));
    effets_.afficher(Afficheur::g, trois_chif_sign(100 * g_));
    effets_.afficher(Afficheur::i, trois_chif_sign(I_));
    if (hors_modele_)
        effets_.effacer(Afficheur::cosphi);
    else
        effets_.afficher(Afficheur::cosphi, trois_chif_sign(cosphi_));
    effets_.afficher(Afficheur::p1, trois_chif_sign(P1_));
    effets_.afficher(Afficheur::n, quatre_chif_sign(n_));
    effets_.afficher(Afficheur::T, T_ >= c.Tp ? quatre_chif_sign(static_cast<double>(T_) - c.Tp) : 0.0);
}

// --- Gestionnaires ------------------------------------------------------------

void BancAsynchrone::bouton_marche_Click()
{
    lire_parametres();
    if (!marche_) {
        marche_ = true;
        effets_.colorer_marche(true);
        f_ = lire(Saisie::f);
        v1_ = lire(Saisie::v1);
        lire_couple_frein();
    } else {
        initialise();
    }
    calcul_point();
}

void BancAsynchrone::bouton_couplage_Click()
{
    etoile_ = !etoile_;
    calcul_point();
}

void BancAsynchrone::valid_f_Click()
{
    f_ = lire(Saisie::f);
    v1_ = lire(Saisie::v1);
    calcul_point();
}

void BancAsynchrone::valid_T_Click()
{
    lire_couple_frein();
    calcul_point();
}

void BancAsynchrone::valid_moteur_Click()
{
    lire_parametres();
    lire_couple_frein();
    calcul_point();
}

void BancAsynchrone::choix_charge_Click(int charge)
{
    charge_ = charge;
    cherche_couple();
    calcul_point();
}

} // namespace sodel
