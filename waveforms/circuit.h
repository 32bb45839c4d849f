// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ce qu'un programme d'électronique de puissance fournit au moteur
// d'oscillogrammes : sa liste de grandeurs avec leur classe d'échelle, ses
// références d'échelle, son modèle calculé à chaque top, ses composants qui
// conduisent ou non, et son tableau des valeurs moyennes. Rien d'un montage
// particulier ne vit dans le moteur. Pas de Qt ici.

#include "forme_onde.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace oscillo {

// Classe d'échelle d'une grandeur : elle fixe la pleine échelle et la
// couleur de la trace du panneau qui la montre.
enum class Classe { tension, courant, commande };

// Couleurs des traces, en 0xBBGGRR : vert, rouge, cyan.
inline constexpr std::uint32_t couleur_tension = 0x00FF00;
inline constexpr std::uint32_t couleur_courant = 0x0000FF;
inline constexpr std::uint32_t couleur_commande = 0xFFFF00;
std::uint32_t couleur_de(Classe classe);

struct Grandeur {
    // Texte de la liste, en UTF-8, marqué QT_TRANSLATE_NOOP("grandeurs", …) :
    // les fenêtres le traduisent à l'affichage.
    std::string_view legende;
    Classe classe;
};

// Pleines échelles des trois classes (la commande vaut d'ordinaire le
// courant divisé par 10, signe compris).
struct References {
    double tension = 0.0;
    double courant = 0.0;
    double commande = 0.0;
};

// Une ligne du tableau des valeurs moyennes : un nombre (arrondi par le
// moteur), un texte fixe, ou rien (le label garde son texte).
struct Moyenne {
    enum class Genre { nombre, texte, inchangee };
    Genre genre = Genre::inchangee;
    double valeur = 0.0;
    std::string texte;

    static Moyenne de_nombre(double v) { return {Genre::nombre, v, {}}; }
    static Moyenne de_texte(std::string t) { return {Genre::texte, 0.0, std::move(t)}; }
    static Moyenne aucune() { return {}; }
};

// Le dipôle dont la fenêtre du spectre donne les puissances : les indices de
// sa tension et de son courant (u et is côté réseau pour un redresseur, u et
// i dans la charge pour l'onduleur), et ceux d'une source continue dont la
// puissance fournie, E . moyenne de iE, se compare à la puissance active
// (-1 : pas de source à montrer).
struct Dipole {
    int tension = 0, courant = 0;
    int source = -1, courant_source = -1;
    // Titre du groupe des puissances, en UTF-8, marqué comme les grandeurs.
    std::string_view legende;
};

// Un réglage du montage tel que l'élève l'a entré, écrit en tête du fichier
// CSV du spectre : son nom, unité entre parenthèses, marqué comme les
// grandeurs, et sa valeur écrite avec un point décimal.
struct Reglage {
    std::string_view nom;
    std::string valeur;
};

class Circuit
{
public:
    virtual ~Circuit() = default;

    virtual std::span<const Grandeur> grandeurs() const = 0;
    virtual References references() const = 0;

    // La forme de quatre_chif_sign que porte le programme.
    virtual double arrondir(double x) const = 0;

    // Chargement de la fenêtre : constantes du montage, référence de courant
    // et état du modèle remis à leurs valeurs de départ. Le moteur l'appelle
    // depuis son propre chargement, avant tout top.
    virtual void charger() {}

    // Modèle d'un top : toutes les grandeurs instantanées à l'instant t (s),
    // dt étant le temps avancé par top (s) et f la fréquence (Hz). Le moteur
    // l'appelle une fois et une seule par top, dans l'ordre des tops, et
    // jamais ailleurs : un modèle peut donc garder un état d'un top au
    // suivant (l'onduleur décide des composants passants d'après le courant
    // de charge laissé par le top précédent). Avec un pas nul, l'instant se
    // répète mais le calcul a lieu quand même.
    virtual void calculer(double t, double dt, int f) = 0;
    virtual double valeur(int indice) const = 0;

    // Composants dessinés du schéma, rangés en jeux : chaque jeu a ses propres
    // drapeaux de conduction, un par indice 0 .. nombre_composants() - 1.
    // Un redresseur n'a qu'un jeu (ses thyristors ou ses diodes) ; l'onduleur
    // en a deux, ses transistors et leurs diodes en antiparallèle, le dessin
    // de chacun coloré d'après son propre drapeau.
    virtual int nombre_jeux() const { return 1; }
    virtual int nombre_composants() const = 0;
    // État de conduction après le dernier calcul.
    virtual bool conduit(int jeu, int composant) const = 0;

    virtual Moyenne moyenne(int indice) const = 0;

    // La grandeur « indice » sur une période [0, 1/f], par morceaux, telle
    // que le modèle la calcule dans l'état où il est (angle, f.é.m.), dt
    // étant le temps avancé par top (la largeur des impulsions de gâchette
    // en dépend). Le moteur en tire la valeur efficace exacte. Vide : pas de
    // valeur efficace, le label garde son texte.
    virtual Forme forme(int indice, double dt, int f) const = 0;

    // Le dipôle des puissances de la fenêtre du spectre, et la grandeur que
    // cette fenêtre montre à son ouverture (le courant absorbé au réseau par
    // un redresseur, le courant de charge de l'onduleur).
    virtual Dipole dipole() const = 0;
    virtual int grandeur_spectre() const = 0;
    // Les réglages qui fixent les formes d'onde (angle d'amorçage, f.é.m.).
    virtual std::vector<Reglage> reglages() const { return {}; }

    // Un modèle indépendant dans le même état, que l'on peut faire calculer
    // hors du balayage (l'exportation d'une période) sans toucher à celui
    // que le balayage fait avancer.
    virtual std::unique_ptr<Circuit> copie() const = 0;

    // Vrai quand le dernier calcul impose "0" aux quatre valeurs moyennes
    // (pont bloqué par exemple).
    virtual bool moyennes_a_zero() const { return false; }
};

} // namespace oscillo
