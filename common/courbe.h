// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre de l'enregistreur de courbes des bancs de machines (« courbe »,
// « courbes » dans sodel) : choix des grandeurs des axes, ajout et retrait
// des points lus sur le banc, petit graphe redessiné toutes les 3 s, et
// ouverture de l'aperçu avant impression.
//
// L'état (courbe_enregistree) appartient au programme : la fenêtre peut être
// fermée et rouverte, les points restent.

#include "courbe_enregistree.h"
#include "exportation.h"
#include "feuille.h"

#include <QPointer>
#include <QRectF>

#include <array>
#include <functional>

class ApercuImpression;
class QComboBox;
class QGroupBox;
class QLabel;
class QTimer;

class Courbe : public Feuille, public exportation::Exportateur
{
    Q_OBJECT
public:
    Courbe(courbe::CourbeEnregistree &etat, const courbe::Variante &variante,
           std::function<void()> ouvrir_apercu);

    // Gestionnaires, nommés d'après le contrôle et l'événement.
    void choix_x_Click(int position);
    void choix_y_Click(int position);
    void valid_Click();
    void place_point_Click();
    void annulle_Click();
    void change_axe_Click();
    void impression_Click();
    void copier_points_Click();
    void exporter_points_Click();
    void reprendre_points_Click();
    void Timer1_Timer();

    void recommencer();
    void tracer_points();

    // Les points enregistrés pour un tableur, en-têtes dans la langue de
    // l'interface.
    tableur::Tableau tableau_points() const;

    // Repère du graphe, lu sur les extrémités actuelles de ligne_x et ligne_y.
    courbe::Repere repere() const;

    // Position de la marque du point i (1..100) au dernier tracé.
    int pos_x(int i) const { return pos_x_.at(static_cast<std::size_t>(i)); }
    int pos_y(int i) const { return pos_y_.at(static_cast<std::size_t>(i)); }


protected:
    // Un clic sur le fond de la fenêtre, ou F5 au clavier, redessine le graphe.
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void creer_controles();
    void ecrire_xmax();
    void ecrire_ymax();
    void effacer_zones();
    void montrer_boutons_action(bool visibles);
    // Points gardés sur le disque (garde_points) : la reprise offerte à
    // l'ouverture, et le fichier réécrit après chaque changement.
    void offrir_reprise();
    void garder_points();

    courbe::CourbeEnregistree &etat_;
    const courbe::Variante &variante_;
    std::function<void()> ouvrir_apercu_;

    // Positions des marques, cases 0..100, en twips entiers.
    std::array<int, courbe::capacite + 1> pos_x_{}, pos_y_{};
    // Ce qui a été dessiné hors des trois zones blanches (bras des croix sur
    // les axes, points négatifs) : effacé au tracé suivant.
    QRectF trace_hors_zones_;

    QGroupBox *frame_axe_ = nullptr;
    QComboBox *choix_x_ = nullptr, *choix_y_ = nullptr;
    Bouton *valid_ = nullptr, *place_point_ = nullptr, *annulle_ = nullptr, *change_axe_ = nullptr,
           *impression_ = nullptr, *change_courbe_ = nullptr, *copier_points_ = nullptr,
           *exporter_points_ = nullptr, *reprendre_points_ = nullptr;
    QLabel *Label_x_ = nullptr, *Label_y_ = nullptr, *label_xmax_ = nullptr, *label_ymax_ = nullptr;
    QLabel *label_echelle_x_ = nullptr, *label_echelle_y_ = nullptr;
    QLabel *avis_points_ = nullptr; // une ligne : fichier des points abîmé, points non gardés
    Ligne *ligne_x_ = nullptr, *ligne_y_ = nullptr;
    QTimer *Timer1_ = nullptr;
};

// Les fenêtres de l'enregistreur d'un programme : l'état courbe_enregistree
// (qui appartient au programme), la variante du programme, et au plus une
// fenêtre de chaque sorte ouverte à la fois.
class TraceurCourbes
{
public:
    TraceurCourbes(courbe::CourbeEnregistree &etat, courbe::Variante variante);

    // Montre l'enregistreur, non modal ; ramené devant s'il est déjà ouvert.
    Courbe *ouvrir_courbe();
    // Montre l'aperçu avant impression, non modal ; de même.
    ApercuImpression *ouvrir_apercu();

    Courbe *courbe() const { return courbe_; }
    ApercuImpression *apercu() const;
    const courbe::Variante &variante() const { return variante_; }

private:
    courbe::CourbeEnregistree &etat_;
    courbe::Variante variante_;
    QPointer<Courbe> courbe_;
    QPointer<ApercuImpression> apercu_;
};
