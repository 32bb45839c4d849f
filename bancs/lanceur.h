// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fenêtre « bancs » du lanceur : les neuf programmes de la suite en tuiles,
// groupées comme la suite (bancs de machines, électronique de puissance,
// transformateur, champ tournant). Une tuile déclenchée démarre son programme
// dans un processus à lui, qui survit au lanceur ; un programme qui ne peut
// pas démarrer est signalé par un message, jamais passé sous silence.
//
// Le lanceur surveille chaque programme démarré pendant ses premières
// secondes, sans bloquer : détaché, le programme devient un enfant adoptif
// du lanceur (PR_SET_CHILD_SUBREAPER), qui lit ainsi comment il se termine
// sans le retenir (le lanceur fermé, il continue). Sa sortie d'erreur va
// dans un fichier temporaire, dont la première ligne est montrée s'il
// s'arrête en erreur.

#include "catalogue.h"
#include "feuille.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QTemporaryFile;
class QTimer;
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
    ~Bancs() override;

    void tuile_Click(int indice);
    void tuile_KeyDown(int indice, int touche);
    void taille_Click(int entree);

    // Arguments donnés au programme démarré : la taille choisie.
    QStringList arguments_programme() const;

    // Numéro de processus du dernier programme démarré (0 si aucun).
    qint64 dernier_processus() const { return dernier_processus_; }

    // Durée de la surveillance d'un programme démarré.
    int duree_surveillance_ms = 3000;
    // Top de la minuterie « surveillance » : regarde les programmes démarrés.
    void surveillance_Timer();

private:
    struct Demarrage {
        int indice = 0;
        qint64 pid = 0;
        QElapsedTimer depuis;
        std::unique_ptr<QTemporaryFile> erreurs; // sortie d'erreur du programme
    };
    void signaler_echec(int indice, const QString &raison);
    void signaler_arret(const Demarrage &d, int statut);
    void montrer_message(const QString &message);
    void regler_surveillance();

    QString dossier_;
    catalogue::Disposition disposition_;
    std::vector<Tuile *> tuiles_;
    QLabel *etat_ = nullptr;
    QComboBox *taille_ = nullptr;
    qint64 dernier_processus_ = 0;
    QTimer *surveillance_ = nullptr;
    std::vector<Demarrage> demarrages_; // dans leurs premières secondes
    std::vector<qint64> adoptes_;       // au-delà : à recueillir à leur fin
};
