#pragma once
// Fenêtre « redressement » d'orvalt : le schéma du pont tout thyristors et
// de sa charge R, L, e, les saisies de l'angle d'amorçage et de la f.é.m.,
// et les quatre panneaux du moteur d'oscillogrammes. Elle possède le modèle
// du pont.

#include "fenetre_oscillo.h"
#include "pont_tout_thyristor.h"

class QLineEdit;

class Redressement : public oscillo::FenetreOscillo
{
    Q_OBJECT
public:
    Redressement();

    const orvalt::PontToutThyristor &pont() const { return pont_; }

    // Gestionnaires.
    void choix_alpha_Change();
    void choix_e_Change();
    void alpha_valid_Click();
    void e_valid_Click();

private:
    void creer_saisies();
    void dessiner_schema();
    void dessiner_thyristor(int k, double cx, double cy);
    // Flèche de (x1, y1) vers (x2, y2), pointe en (x2, y2), sur la surface.
    void fleche(double x1, double y1, double x2, double y2);

    // Construit après la base, qui ne s'en sert qu'à partir de
    // charger_balayage(), appelé à la fin du constructeur.
    orvalt::PontToutThyristor pont_;
    QLineEdit *choix_alpha_ = nullptr, *choix_e_ = nullptr;
    Bouton *alpha_valid_ = nullptr, *e_valid_ = nullptr;
};
