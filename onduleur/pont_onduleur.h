// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle de l'onduleur monophasé en pont à commande pleine onde : quatre
// transistors T1..T4, chacun avec sa diode D1..D4 en antiparallèle, une
// source continue E et une charge R, L. Le courant de charge i, établi en
// régime permanent, est fait de segments exponentiels ; il garde sa valeur
// d'un top au suivant et c'est lui qui décide, au top suivant, si la paire
// qui reçoit la tension conduit par ses transistors ou par ses diodes.
// Pas de Qt ici.

#include "a_traduire.h"
#include "circuit.h"

#include <array>

namespace onduleur {

// Indices de la liste des grandeurs.
enum Indice : int {
    i_E = 0,
    i_u,
    i_i,
    i_iE,
    i_uT1 = 4,  // uT1 .. uT4 : 4 .. 7
    i_iT1 = 8,  // iT1 .. iT4 : 8 .. 11
    i_uD1 = 12, // uD1 .. uD4 : 12 .. 15
    i_iD1 = 16, // iD1 .. iD4 : 16 .. 19
    i_ib1 = 20, // ib1 .. ib4 : 20 .. 23
    nombre_grandeurs = 24
};

// Les deux jeux de composants dessinés.
enum Jeu : int { jeu_transistors = 0, jeu_diodes = 1 };

class PontOnduleur : public oscillo::Circuit
{
public:
    PontOnduleur();

    int e_continue() const { return e_continue_; }
    int r() const { return r_; }
    double l() const { return l_; }
    // a = exp(-R / (2 L f)) à 50 Hz.
    double a() const { return a_; }
    // Crête du courant de charge en régime permanent, référence de courant.
    double imax() const { return imax_; }
    // Instant où i s'annule dans chaque demi-période.
    double t0() const;
    // Valeurs moyennes exactes du courant d'un transistor et d'une diode.
    double moyenne_iT() const;
    double moyenne_iD() const;
    // Valeur moyenne du courant absorbé par l'onduleur.
    double moyenne_iE() const;

    // Grandeurs du dernier calcul ; k = 1..4.
    double u() const { return u_; }
    double i() const { return i_; }
    double iE() const { return iE_; }
    double uT(int k) const { return uT_[k - 1]; }
    double iT(int k) const { return iT_[k - 1]; }
    double uD(int k) const { return -uT_[k - 1]; }
    double iD(int k) const { return iD_[k - 1]; }
    double ib(int k) const { return iT_[k - 1] / 10.0; }
    bool etat_t(int k) const { return etat_t_[k - 1]; }
    bool etat_d(int k) const { return etat_d_[k - 1]; }

    // oscillo::Circuit
    std::span<const oscillo::Grandeur> grandeurs() const override;
    oscillo::References references() const override;
    double arrondir(double x) const override;
    std::vector<oscillo::Reglage> reglages() const override;
    void charger() override;
    void calculer(double t, double dt, int f) override;
    double valeur(int indice) const override;
    int nombre_jeux() const override { return 2; }
    int nombre_composants() const override { return 4; }
    bool conduit(int jeu, int composant) const override;
    oscillo::Moyenne moyenne(int indice) const override;
    oscillo::Forme forme(int indice, double dt, int f) const override;
    // Puissances dans la charge (u, i), et celle que fournit la source E.
    oscillo::Dipole dipole() const override
    {
        return {i_u, i_i, i_E, i_iE, QT_TRANSLATE_NOOP("grandeurs", "Puissances dans la charge (u, i)")};
    }
    int grandeur_spectre() const override { return i_i; }
    std::unique_ptr<oscillo::Circuit> copie() const override;

private:
    int e_continue_ = 0;
    int r_ = 0;
    double l_ = 0.0;
    int f_ = 50;
    double a_ = 0.0;
    double imax_ = 0.0;

    double u_ = 0.0, i_ = 0.0, iE_ = 0.0;
    std::array<double, 4> uT_{}, iT_{}, iD_{};
    std::array<bool, 4> etat_t_{}, etat_d_{};
};

} // namespace onduleur
