// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre principale de transfo : le banc d'essai du transformateur dessiné
// comme un schéma de câblage (alimentation et sa saisie, transformateur et sa
// plaque, interrupteurs de charge et de court-circuit, rhéostat et inductance
// en série, six appareils de mesure, légende). Elle possède le modèle,
// appelle ses opérations depuis ses gestionnaires et reçoit ses effets par
// EffetsTransfo.

#include "banc_transfo.h"
#include "feuille.h"

#include <QPointer>

#include <array>

class Fusible;
class QLabel;
class QLineEdit;

class Transfo : public Feuille, private transfo::EffetsTransfo
{
    Q_OBJECT
public:
    Transfo();
    ~Transfo() override;

    const transfo::BancTransfo &banc() const { return banc_; }
    // La boîte du fusible, tant qu'elle est ouverte.
    Fusible *fusible() const;

    // Gestionnaires, nommés d'après le contrôle et l'événement. Les hauteurs
    // des curseurs sont en twips depuis le haut de la piste.
    void choix_u1_Change();
    void valid_u1_Click();
    void commande_kv_Click();
    void commande_kcc_Click();
    void rheostat_MouseDown(double y);
    void rheostat_MouseMove(double y);
    void rheostat_MouseUp(double y);
    void L_MouseDown(double y);
    void L_MouseMove(double y);
    void L_MouseUp(double y);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    // EffetsTransfo
    void afficher(transfo::Afficheur afficheur, double valeur) override;
    void ecrire_choix_u1(const std::string &texte) override;
    void dessiner_kv(bool ferme) override;
    void dessiner_kcc(bool ferme) override;
    void placer_curseur_r(double y) override;
    void placer_curseur_l(double y) override;
    void fusible_fondu() override;

    void dessiner_schema();
    void creer_controles();
    void fusible_remplace();

    transfo::BancTransfo banc_{*this};

    QLineEdit *choix_u1_ = nullptr;
    Bouton *valid_u1_ = nullptr;
    Bouton *rheostat_ = nullptr, *L_ = nullptr;
    std::array<QLabel *, 6> afficheurs_{};
    Ligne *ligne_kv_ = nullptr, *ligne_kcc_ = nullptr;
    std::array<Ligne *, 3> fleche_r_{}, fleche_l_{};
    QPointer<Fusible> fusible_;
};
