// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moteur d'oscillogrammes : un curseur balaie quatre panneaux, un pas par
// top ; à chaque top le modèle du montage calcule ses grandeurs à l'instant
// du curseur, chaque trace s'allonge d'un segment et les composants qui
// conduisent sont colorés. Au bout de l'axe des temps les panneaux sont
// effacés et le balayage repart de t = 0.
//
// C++ simple : la fenêtre reçoit les effets par l'interface Ecran, qui lui
// demande aussi la géométrie des panneaux, lue sur les traits des axes.

#include "circuit.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace oscillo {

inline constexpr int nombre_panneaux = 4;

// Axe des temps lx(i) : extrémités gauche et droite, ordonnée ; twips.
struct AxeTemps {
    double x_gauche = 0.0, x_droite = 0.0, y = 0.0;
};
// Axe des valeurs ly(i) : ordonnées du haut (la plus petite) et du bas.
struct AxeValeurs {
    double y_haut = 0.0, y_bas = 0.0;
};

// Ce que le moteur fait paraître dans la fenêtre, dans l'ordre où il le fait.
class Ecran
{
public:
    virtual ~Ecran() = default;

    // Géométrie, lue sur les traits lx(i), ly(i) et ld.
    virtual AxeTemps axe_temps(int panneau) const = 0;
    virtual AxeValeurs axe_valeurs(int panneau) const = 0;
    virtual double x_ld() const = 0;

    virtual void placer_ld(double x) = 0;
    // Segment de trace sur la surface, épaisseur 2, couleur 0xBBGGRR.
    virtual void tracer_segment(double x1, double y1, double x2, double y2, std::uint32_t couleur) = 0;
    // Boîte pleine à la couleur des faces de boutons (le fond de la fenêtre).
    virtual void effacer_zone(double x1, double y1, double x2, double y2) = 0;
    virtual void montrer_axe_temps(int panneau) = 0;
    // Tous les traits du dessin du composant (jeu, indice) en rouge s'il
    // conduit, en noir sinon.
    virtual void colorer_composant(int jeu, int composant, bool conduit) = 0;

    // Valeurs déjà arrondies ; la fenêtre les écrit selon la langue.
    virtual void ecrire_vinst(int panneau, double valeur) = 0;
    virtual void ecrire_vmoy(int panneau, double valeur) = 0;
    virtual void ecrire_vmoy_texte(int panneau, const std::string &texte) = 0;
    virtual void ecrire_veff(int panneau, double valeur) = 0;
    virtual void ecrire_ymax(int panneau, double valeur) = 0;
    virtual void ecrire_xmax(int panneau, double periode) = 0;

    virtual void activer_minuterie(bool active) = 0;
    // Légende du bouton de marche, en français, marquée dans le contexte
    // « oscillo » : la fenêtre la traduit.
    virtual void legende_arret(const std::string &legende) = 0;
    // Les valeurs exactes (efficaces, spectre) viennent d'être recalculées :
    // montage, choix ou pas changé. Jamais au top.
    virtual void valeurs_exactes_changees() {}
};

// Une période échantillonnée pour un tableur : l'instant, puis la grandeur
// de chaque panneau qui en montre une, dans l'ordre des panneaux.
struct Periode {
    std::vector<std::string> legendes;       // "t (s)" puis les légendes des grandeurs
    std::vector<std::vector<double>> lignes; // une par instant : t puis les valeurs
};

class Balayage
{
public:
    // Décalage d'une trace nulle au-dessus de son axe, en twips.
    static constexpr double decalage_zero = 15.0;
    // Marges de la boîte qui efface un panneau : au-delà du bout de l'axe
    // des temps (au moins), au-dessous de l'axe des valeurs.
    static constexpr double marge_droite_effacement = 50.0;
    static constexpr double marge_basse_effacement = 200.0;
    // Demi-épaisseur d'un segment de trace (2 pixels de 15 unités).
    static constexpr double demi_epaisseur = 15.0;
    static constexpr int pas_initial = 50;
    static constexpr int pas_maximal_avant_hausse = 100; // 100 -> 110, pas plus
    static constexpr int increment_pas = 10;

    Balayage(Circuit &circuit, Ecran &ecran);

    // Chargement de la fenêtre (les listes sont déjà remplies) : minuterie
    // arrêtée, curseur à 0, pas 50, f 50, période sous chaque axe, aucun
    // choix, chargement du montage, traces parties de l'axe.
    void charger();

    // Gestionnaires.
    void Timer1_Timer();
    void arret_Click();
    void accelere_Click();
    void Ralentir_Click();
    // Choix dans l'une des listes : les sélections des quatre listes (-1 : aucune).
    void choix_grandeur_Click(const std::array<int, nombre_panneaux> &selections);

    // Opérations du moteur.
    void trace_pas();
    void efface_traces();
    void affiche_moyennes();
    // Valeur efficace exacte de la grandeur de chaque panneau, sur une
    // période, pour le montage tel qu'il est et le pas actuel ; rafraîchie
    // avec les moyennes (et quand le pas change : la largeur des impulsions
    // de gâchette en dépend), jamais au top.
    void affiche_efficaces();
    // Les grandeurs choisies à « echantillons » instants également espacés
    // sur une période [0, T), calculées par une copie du modèle qui a d'abord
    // parcouru une période entière (l'onduleur part ainsi du régime établi).
    // Le balayage n'en est pas touché.
    Periode echantillonner_periode(int echantillons) const;
    // Temps avancé par top au pas actuel (s).
    double dt() const;
    // Le montage a changé (angle, f.é.m.) : panneaux de courant et de
    // commande remis à l'échelle, pleines échelles réécrites, moyennes,
    // effacement. La minuterie n'est pas touchée.
    void circuit_modifie();

    // État, pour la fenêtre et les tests.
    int x_curseur() const { return x_curseur_; }
    int pas() const { return pas_; }
    int f() const { return f_; }
    double t() const { return t_; }
    int choix(int i) const { return choix_[i]; }
    float ymax(int i) const { return ymax_[i]; }
    std::uint32_t couleur(int i) const { return couleur_[i]; }
    double valeur(int i) const { return valeur_[i]; }
    double y_cour(int i) const { return y_cour_[i]; }
    float y_prec(int i) const { return y_prec_[i]; }
    bool minuterie_active() const { return minuterie_active_; }

    void set_pas(int pas) { pas_ = pas; }

private:
    bool choix_valide(int k) const;
    float pleine_echelle(Classe classe) const;
    // Largeur W de l'axe des temps du panneau 0.
    double largeur_axe() const;
    // Ordonnée d'une valeur dans le panneau i, gardée au voisinage du panneau.
    double ordonnee(int i, double valeur) const;
    void ecrire_pleines_echelles();

    Circuit &circuit_;
    Ecran &ecran_;

    int x_curseur_ = 0;
    int pas_ = pas_initial;
    int f_ = 50;
    double t_ = 0.0;
    std::array<std::int16_t, nombre_panneaux> choix_{-1, -1, -1, -1};
    std::array<float, nombre_panneaux> ymax_{};
    std::array<std::uint32_t, nombre_panneaux> couleur_{};
    std::array<double, nombre_panneaux> valeur_{};
    std::array<double, nombre_panneaux> y_cour_{};
    std::array<float, nombre_panneaux> y_prec_{};
    bool minuterie_active_ = false;
};

} // namespace oscillo
