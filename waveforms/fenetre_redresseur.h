// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « redressement » commune aux trois ponts monophasés : le schéma
// (source u entre les milieux des deux bras, rails haut et bas, charge R, L
// et éventuellement e, flèches nommées, quatre composants dessinés trait par
// trait et colorés d'un bloc), la saisie de l'angle d'amorçage des ponts
// commandés et les notes sous le schéma. Chaque programme n'y ajoute que ce
// qui lui est propre.

#include "fenetre_oscillo.h"

#include <array>

class QLineEdit;

namespace oscillo {

enum class Semiconducteur { thyristor, diode };

// Ce qui distingue le schéma d'un pont. Les composants sont dans l'ordre
// des drapeaux de conduction : haut gauche, haut droite, bas gauche, bas
// droite ; chacun est tracé par six traits l1d(k) … l6d(k).
struct SchemaPont {
    std::array<Semiconducteur, 4> genres;
    std::array<const char *, 4> noms; // textes de label_d(0..3)
    const char *tension_composant;    // tension fléchée sur le premier composant
    const char *courant_composant;    // courant fléché au-dessus de lui
    bool fem;                         // la charge porte une f.é.m. e
    double decalage_x;                // tout le schéma est décalé d'autant (twips)
};

class FenetreRedresseur : public FenetreOscillo
{
    Q_OBJECT
public:
    // Gestionnaires de la saisie de l'angle (ponts commandés seulement).
    void choix_alpha_Change();
    void alpha_valid_Click();

protected:
    // La fenêtre s'appelle « redressement ».
    FenetreRedresseur(const QString &titre, double largeur, double hauteur,
                      const GeometriePanneaux &geometrie, Circuit &circuit);

    void dessiner_schema(const SchemaPont &schema);
    // Label17, choix_alpha et alpha_valid, coin haut gauche en (x, y).
    void creer_saisie_alpha(double x, double y);
    // Angle validé : vrai s'il est accepté par le modèle (qui le garde).
    virtual bool fixer_alpha(double degres);
    // Label13 (la source), Label14 (la résistance) et la note sur les
    // tensions de seuil négligées, de nom « nom_note ». Rend l'ordonnée où
    // placer les saisies, sous les deux premiers.
    double ecrire_notes(const QString &source, const QString &resistance, const QString &nom_note,
                        const QString &note);

    // Abscisse d'un point du schéma, décalage compris.
    double X(double x) const { return x + decalage_x_; }

    QLineEdit *choix_alpha_ = nullptr;
    Bouton *alpha_valid_ = nullptr;

private:
    void dessiner_composant(int k, Semiconducteur genre, const char *nom, double cx, double cy);

    double decalage_x_ = 0.0;
};

} // namespace oscillo
