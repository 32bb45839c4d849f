// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre caract_charge : caractéristique couple-vitesse de la charge choisie
// dans Form1 et, sur demande, celle du moteur sur les mêmes axes, pour voir
// où elles se croisent. Form1 est cachée tant qu'elle est ouverte ; la
// fenêtre lit ses saisies et sa liste de charges et n'y écrit rien.

#include "caracteristique.h"
#include "feuille.h"

#include <QPointer>

class Form1;
class QLabel;

class CaractCharge : public Feuille
{
    Q_OBJECT
public:
    explicit CaractCharge(Form1 &form1);

    // Gestionnaires.
    void bouton_moteur_Click();
    void Form_MouseMove(double x, double y);

    void efface_graphe();
    void calcul_charge();
    void trace_graphe();

    const sodel::GrapheCharge &graphe() const { return graphe_; }
    // Repère lu sur les extrémités actuelles de ligne_x et ligne_y.
    sodel::RepereCharge repere() const;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<Form1> form1_;
    sodel::GrapheCharge graphe_;
    QColor couleur_;
    Ligne *ligne_x_ = nullptr, *ligne_y_ = nullptr;
    QLabel *label_xcmax_ = nullptr, *label_ycmax_ = nullptr;
    QLabel *label_echelle_xc_ = nullptr, *label_echelle_yc_ = nullptr;
    QLabel *aff_coord_ = nullptr;
};
