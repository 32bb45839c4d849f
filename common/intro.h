// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre d'accueil « Intro », première fenêtre de chaque programme : elle
// nomme le programme et son auteur, montre la version, puis passe la main à
// la fenêtre principale sur « OK » ou au bout de cinq secondes.

#include "feuille.h"

#include <QString>

#include <cstdint>
#include <functional>

class QLabel;
class QTimer;

// Textes propres à chaque programme, en français, marqués par
// QT_TRANSLATE_NOOP("Intro", …) : l'accueil les traduit à l'affichage.
struct TextesIntro {
    QString description;     // Label1
    QString sujet;           // Label2, vide pour les programmes qui n'en ont pas
};

class Intro : public Feuille
{
    Q_OBJECT
public:
    // « avant_chargement » s'exécute en tout premier (vek y met les
    // caractéristiques par défaut) ; « ouvrir_principale » montre la fenêtre
    // principale, une seule fois.
    Intro(const TextesIntro &textes, std::int16_t &annee_version, std::function<void()> avant_chargement,
          std::function<void()> ouvrir_principale);

    // OK et la minuterie font la même chose ; le premier arrivé l'emporte.
    void OK_Click();
    void Timer1_Timer();

private:
    std::function<void()> ouvrir_principale_;
    QTimer *Timer1_ = nullptr;
    bool passee_ = false;
};
