// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// État de tout le programme transfo, créé par main : l'année de version et
// la fenêtre du banc, ouverte par l'accueil.

#include <QPointer>

#include <cstdint>

class Intro;
class Transfo;

class ProgrammeTransfo
{
public:
    std::int16_t annee_version = 0;

    // Fenêtre d'accueil ; « OK » ou sa minuterie ouvrent le banc.
    Intro *demarrer();
    Transfo *ouvrir_transfo();
    Transfo *transfo() const;

private:
    QPointer<Transfo> transfo_;
};
