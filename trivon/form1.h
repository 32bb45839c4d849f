// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre principale de trivon : le banc dessiné comme un schéma — moteur à
// courant continu d'entraînement, arbre, machine synchrone avec son circuit
// d'excitation et son induit, appareils de mesure, interrupteur tripolaire et
// charge R-L triphasée —, les saisies, les panneaux des caractéristiques et
// la plaque signalétique. Elle possède le modèle du banc, appelle ses
// opérations depuis ses gestionnaires et reçoit ses effets par EffetsBanc.

#include "banc_synchrone.h"
#include "feuille.h"

#include <array>

class ProgrammeTrivon;
class QLabel;
class QLineEdit;
class QTimer;

class Form1 : public Feuille, private trivon::EffetsBanc
{
    Q_OBJECT
public:
    explicit Form1(ProgrammeTrivon &programme);

    trivon::BancSynchrone &banc() { return banc_; }

    // Gestionnaires, nommés d'après le contrôle et l'événement.
    void choix_uvek_Change();
    void choix_ue_Change();
    void choix_rc_Change();
    void valid_uvek_Click();
    void valid_ue_Click();
    void valid_rc_Click();
    void bouton_inter_Click();
    void bouton_couplage_Click();
    void trace_courbe_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    // EffetsBanc
    void afficher(trivon::Afficheur afficheur, double valeur) override;
    void dessiner_interrupteur(bool ferme) override;
    void avertir(const std::string &message) override;

    void dessiner_schema();
    void creer_controles();
    void creer_panneaux();
    QLabel *appareil(const QString &nom, const QString &unite, double gauche, double haut);
    void regler_arbre(const trivon::EtatArbre &etat);
    // calcul_point, puis l'arbre reprend sans attendre la cadence de la nouvelle vitesse.
    void recalculer();

    ProgrammeTrivon &programme_;
    trivon::BancSynchrone banc_;

    QLineEdit *choix_uvek_ = nullptr, *choix_ue_ = nullptr, *choix_rc_ = nullptr, *choix_lc_ = nullptr;
    Bouton *valid_uvek_ = nullptr, *valid_ue_ = nullptr, *valid_rc_ = nullptr;
    std::array<QLabel *, 8> afficheurs_{};
    QLabel *aff_couplage_ = nullptr;
    std::array<Ligne *, 3> lames_{};
    Forme *arbre_ = nullptr;
    QTimer *Timer1_ = nullptr, *Timer2_ = nullptr, *Timer3_ = nullptr, *Timer4_ = nullptr;
};
