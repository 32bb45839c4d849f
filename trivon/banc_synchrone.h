// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modèle du banc de la machine synchrone, en régime permanent : un moteur à
// courant continu à vide entraîne une machine synchrone triphasée qui débite
// en alternateur sur une charge R-L triphasée, à travers un interrupteur
// tripolaire. Chaque validation recalcule tout le point de fonctionnement
// d'un coup (calcul_point). Pas de Qt ici : la fenêtre reçoit les lectures,
// le dessin de l'interrupteur et les avertissements par EffetsBanc.

#include "a_traduire.h"

#include <cstdint>
#include <string>

namespace trivon {

// Constantes de la machine synchrone et du moteur d'entraînement.
inline constexpr double Re = 26.923;   // résistance de l'inducteur, ohms
inline constexpr double Rs = 4.9;      // résistance d'un enroulement statorique, ohms
inline constexpr double Ls = 0.27;     // inductance synchrone par phase, H
inline constexpr double p = 2;         // nombre de paires de pôles
inline constexpr double kfer = 0.054;  // coefficient des pertes fer
inline constexpr double Tp = 0.223;    // moment du couple de pertes, N.m
inline constexpr double En = 270;      // f.é.m. de référence, V
inline constexpr double Ien = 2.6;     // intensité nominale d'excitation, A
inline constexpr float nn = 1500.0f;   // fréquence de rotation nominale, tr/min
inline constexpr float k_vek = 0.764f; // constante du moteur à courant continu, V par rad/s

// Avertissements à l'élève, en français ; la fenêtre les montre dans la
// langue de l'interface (contexte de traduction « trivon »).
inline const std::string texte_survitesse = QT_TRANSLATE_NOOP("trivon", "Le moteur tourne trop vite");
inline const std::string texte_surintensite_inducteur =
    QT_TRANSLATE_NOOP("trivon", "Le courant dans l'inducteur est trop grand");

// Les huit afficheurs, dans l'ordre où calcul_point les rafraîchit.
enum class Afficheur { ue, n, ie, v, i, t, P, f };

// Ce que le modèle fait paraître dans la fenêtre, dans l'ordre où il le fait.
class EffetsBanc
{
public:
    virtual ~EffetsBanc() = default;
    // Écrit la valeur déjà arrondie à quatre chiffres dans l'afficheur.
    virtual void afficher(Afficheur afficheur, double valeur) = 0;
    // Les trois lames de l'interrupteur tripolaire, fermées ou ouvertes.
    virtual void dessiner_interrupteur(bool ferme) = 0;
    virtual void avertir(const std::string &message) = 0;
};

// Réglages de l'élève, validés par les saisies, l'interrupteur et le couplage.
struct Reglages {
    double U = 0;   // tension d'alimentation du moteur à courant continu, V
    double Ue = 0;  // tension d'excitation de la machine synchrone, V
    double R = 500; // résistance de la charge par phase, ohms
    float L = 0;    // inductance de la charge par phase, H
    bool inter_ferme = false;
    bool etoile = true; // couplage du stator : étoile, sinon triangle
};

// Résultats du dernier calcul_point.
struct Resultats {
    double n = 0;    // fréquence de rotation, tr/min
    double f = 0;    // fréquence des tensions d'induit, Hz
    double Ie = 0;   // intensité d'excitation, A
    double V = 0;    // tension simple aux bornes de l'induit (la f.é.m. à vide), V
    double I = 0;    // intensité en ligne, A
    double P = 0;    // puissance active fournie à la charge, W
    double Pfer = 0; // pertes fer, W
    float T = 0;     // moment du couple sur l'arbre, N.m
};

// Caractéristique d'aimantation : f.é.m. d'un enroulement par tr/min.
// Nulle sans courant d'excitation ; le sens du courant ne change que le signe.
double kphi(double Ie);

// Couleur et cadence de l'arbre qui scintille.
struct EtatArbre {
    std::uint32_t couleur; // 0xBBGGRR : 0 noir, 255 rouge, 192 rouge sombre
    int intervalle;        // nouvel intervalle des deux minuteries en ms, 0 = inchangé
};
// Top de Timer1 (premier = vrai) ou de Timer2. L'arbre scintille rouge /
// rouge sombre, Timer1 réglant les deux minuteries à 150 . nn / |n| ms
// (150 ms à 1500 tr/min, dans un sens ou dans l'autre). Au-dessous d'environ
// 3,4 tr/min la demi-période passerait 65 535 ms : l'arbre est montré arrêté
// (noir) et Timer1 remet la cadence de repos, 100 ms, pour que l'arbre
// reparte sans retard.
EtatArbre top_arbre(bool premier, double n);
inline constexpr int intervalle_repos = 100;
inline constexpr int intervalle_max = 65535;

class BancSynchrone
{
public:
    explicit BancSynchrone(EffetsBanc &effets);

    // Remise à zéro du chargement : U = 0, R = 500, L = 0, tout à 0,
    // interrupteur ouvert, couplage étoile.
    void initialise();
    // Tout le point de fonctionnement, les deux contrôles de sécurité, puis
    // le rafraîchissement des huit afficheurs.
    void calcul_point();

    Reglages &reglages() { return r_; }
    const Reglages &reglages() const { return r_; }
    const Resultats &resultats() const { return s_; }

private:
    void calculer_charge(double E_w);
    void rafraichir_afficheurs();

    EffetsBanc &effets_;
    Reglages r_;
    Resultats s_;
};

} // namespace trivon
