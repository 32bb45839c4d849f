// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « bancs » du lanceur : les neuf programmes de la suite en tuiles,
// groupées comme la suite (bancs de machines, électronique de puissance,
// transformateur, champ tournant). Une tuile déclenchée démarre son programme
// dans un processus à lui, qui survit au lanceur ; un programme qui ne peut
// pas démarrer est signalé par un message, jamais passé sous silence.

#include "catalogue.h"
#include "feuille.h"

#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class Tuile;

// Taille des fenêtres des programmes (100, 150 ou 200 %), le seul réglage que
// la suite retient d'une fois sur l'autre, dans les réglages de l'utilisateur.
namespace reglage_taille {
int lire();
void ecrire(int taille);
} // namespace reglage_taille

class Bancs : public Feuille
{
    Q_OBJECT
public:
    // « dossier_programmes » : le dossier du lanceur, où sont cherchés les
    // programmes (catalogue::trouver).
    explicit Bancs(const QString &dossier_programmes, QWidget *parent = nullptr);

    void tuile_Click(int indice);
    void tuile_KeyDown(int indice, int touche);
    void taille_Click(int entree);

    // Arguments donnés au programme démarré : la taille choisie.
    QStringList arguments_programme() const;

    // Numéro de processus du dernier programme démarré (0 si aucun).
    qint64 dernier_processus() const { return dernier_processus_; }

private:
    void signaler_echec(int indice, const QString &raison);

    QString dossier_;
    catalogue::Disposition disposition_;
    std::vector<Tuile *> tuiles_;
    QLabel *etat_ = nullptr;
    QComboBox *taille_ = nullptr;
    qint64 dernier_processus_ = 0;
};
