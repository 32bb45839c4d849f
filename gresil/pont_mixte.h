// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du pont monophasé mixte : thyristors T1, T2 sur le rail haut,
// diodes D1, D2 sur le rail bas, charge R, L dont le courant est supposé
// parfaitement lissé (égal à sa valeur moyenne imoy). Pendant la roue libre
// le courant passe par un thyristor et la diode du même bras : la tension
// redressée est nulle au lieu d'être négative. Pas de Qt ici.

#include "circuit.h"
#include "pi_arrondi.h"
#include "pont_monophase.h"

#include <array>

namespace gresil {

// Approximations de pi propres au programme : elles font partie des lectures.
inline constexpr double pi = pi_arrondi::cinq_decimales;
inline constexpr double deux_pi = 2 * pi;

// Indices de la liste des grandeurs.
enum Indice : int {
    i_u = 0,
    i_uc,
    i_ic,
    i_is,
    i_uT1,      // uT1, uT2, ud1, ud2 : 4 .. 7
    i_iT1 = 8,  // iT1, iT2, iD1, iD2 : 8 .. 11
    i_ig1 = 12, // ig1, ig2 : 12, 13
    nombre_grandeurs = 14
};

// Composants, dans l'ordre des drapeaux de conduction.
enum Composant : int { T1 = 0, T2, D1, D2 };

class PontMixte : public oscillo::Circuit
{
public:
    // Tension d'un composant passant, dessinée juste au-dessus de l'axe.
    static constexpr double tension_passant = 0.6;

    PontMixte();

    // Validation de l'angle d'amorçage : accepté entre 0 et 180° (bornes
    // comprises), imoy recalculé ; refusé sinon (rien ne change).
    bool fixer_alpha(double degres);

    // Valeur efficace de la tension sinusoïdale u de la source, en volts.
    static constexpr double tension_efficace = 24.0;
    double vmax() const { return vmax_; }
    int r() const { return r_; }
    double alpha() const { return alpha_; }
    double imoy() const { return imoy_; }

    // Grandeurs du dernier calcul ; k = T1, T2, D1, D2.
    double u() const { return inst_.u; }
    double uc() const { return inst_.uc; }
    double ic() const { return inst_.ic; }
    double is() const { return inst_.is; }
    double tension(int k) const { return inst_.tension[k]; }
    double courant(int k) const { return inst_.courant[k]; }
    double ig(int g) const { return inst_.gachette[g - 1]; } // g = 1, 2

    // oscillo::Circuit
    std::span<const oscillo::Grandeur> grandeurs() const override;
    oscillo::References references() const override;
    double arrondir(double x) const override;
    std::vector<oscillo::Reglage> reglages() const override;
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
    double cos_alpha() const;

    double vmax_;
    int r_ = 20;
    double alpha_ = 0.0;
    double imoy_ = 0.0;

    oscillo::EtatPont inst_;
};

} // namespace gresil
