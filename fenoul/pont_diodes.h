// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du pont de diodes monophasé (pont de Graëtz) D1..D4 sur une charge
// R, L dont le courant est supposé parfaitement lissé : c'est le pont mixte
// à angle nul, avec des diodes partout et sans tension de seuil. Pas de Qt ici.

#include "circuit.h"
#include "pi_arrondi.h"
#include "pont_monophase.h"

#include <array>

namespace fenoul {

// Approximations de pi propres au programme : elles font partie des lectures.
inline constexpr double pi = pi_arrondi::cinq_decimales;
inline constexpr double deux_pi = 2 * pi;

// Indices de la liste des grandeurs.
enum Indice : int {
    i_u = 0,
    i_uc,
    i_ic,
    i_is,
    i_uD1,     // uD1 .. uD4 : 4 .. 7
    i_iD1 = 8, // iD1 .. iD4 : 8 .. 11
    nombre_grandeurs = 12
};

class PontDiodes : public oscillo::Circuit
{
public:
    PontDiodes();

    // Valeur efficace de la tension sinusoïdale u de la source, en volts.
    static constexpr double tension_efficace = 24.0;
    double vmax() const { return vmax_; }
    int r() const { return r_; }
    double alpha() const { return alpha_; }
    double imoy() const { return imoy_; }

    // Grandeurs du dernier calcul ; k = 1..4 pour les diodes.
    double u() const { return inst_.u; }
    double uc() const { return inst_.uc; }
    double ic() const { return inst_.ic; }
    double is() const { return inst_.is; }
    double uD(int k) const { return inst_.tension[k - 1]; }
    double iD(int k) const { return inst_.courant[k - 1]; }
    bool etat(int k) const { return inst_.conduit[k - 1]; }

    // oscillo::Circuit
    std::span<const oscillo::Grandeur> grandeurs() const override;
    oscillo::References references() const override;
    double arrondir(double x) const override;
    void calculer(double t, double dt, int f) override;
    double valeur(int indice) const override;
    int nombre_composants() const override { return 4; }
    bool conduit(int, int composant) const override { return inst_.conduit[composant]; }
    oscillo::Moyenne moyenne(int indice) const override;
    oscillo::Forme forme(int indice, double dt, int f) const override;
    oscillo::Dipole dipole() const override { return oscillo::dipole_pont(); }
    int grandeur_spectre() const override { return oscillo::grandeur_spectre_pont; }
    std::unique_ptr<oscillo::Circuit> copie() const override;

private:
    double vmax_;
    int r_ = 20;
    // Début de conduction, nul et jamais changé : les diodes s'amorcent seules.
    double alpha_ = 0.0;
    double imoy_;

    oscillo::EtatPont inst_;
};

} // namespace fenoul
