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
//
// La liste « langue » choisit la langue du lanceur et des programmes qu'il
// démarre : « Langue du poste », « Français » ou « English ». Le choix est
// retenu comme la taille ; le lanceur change de langue aussitôt (il se
// retraduit à QEvent::LanguageChange, sans rien perdre des programmes qu'il
// surveille).

#include "catalogue.h"
#include "demarrage.h"
#include "feuille.h"
#include "processus.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QTimer;
class Tuile;

class Bancs : public Feuille
{
    Q_OBJECT
public:
    // « dossier_programmes » : le dossier du lanceur, où sont cherchés les
    // programmes (catalogue::trouver). « ecran » : la place que l'écran
    // laisse et la taille du lanceur ; les tuiles s'y rangent en autant de
    // colonnes (au plus quatre) que la largeur en laisse.
    explicit Bancs(const QString &dossier_programmes, const demarrage::Ecran &ecran = demarrage::ecran(),
                   QWidget *parent = nullptr);
    ~Bancs() override;

    // Ce qu'occupe la fenêtre à 100 % quand « largeur_offerte » pixels lui
    // sont offerts (pour demarrage::executer).
    static taille_ecran::Dimensions fenetres(double largeur_offerte);

    void tuile_Click(int indice);
    void tuile_KeyDown(int indice, int touche);
    void taille_Click(int entree);
    void langue_Click(int entree);

    // Arguments donnés au programme démarré : la taille choisie et la langue
    // du lanceur.
    QStringList arguments_programme() const;

    // Ce que la taille « choix » (une taille, ou ajuster) donnera aux
    // programmes sur cet écran : « 150 % », « de 150 à 175 % selon le
    // programme », « 125 % (gresil à 100 %, pour tenir sur l'écran) ».
    QString taille_utilisee(int choix) const;
    // La même, précédée de « à » sauf quand elle va « de … à … % selon le
    // programme ».
    QString a_la_taille(int choix) const;

    // Vrai si la liste offre « taille » : le lanceur y tient sur cet écran,
    // et au moins un programme ; sinon elle est grisée.
    bool offerte(int taille) const;

    // Numéro de processus du dernier programme démarré (0 si aucun).
    qint64 dernier_processus() const { return dernier_processus_; }

    // Durée de la surveillance d'un programme démarré.
    int duree_surveillance_ms = 3000;
    // Top de la minuterie « surveillance » : regarde les programmes démarrés.
    void surveillance_Timer();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Demarrage {
        int indice = 0;
        qint64 pid = 0;
        QElapsedTimer depuis;
        std::unique_ptr<processus::SortieErreurs> erreurs; // sortie d'erreur du programme
    };
    void signaler_echec(int indice, const QString &raison);
    void signaler_arret(const Demarrage &d, int statut);
    void montrer_message(const QString &message);
    void regler_surveillance();
    void annoncer_taille();
    // Tous les textes de la fenêtre, dans la langue de l'interface.
    void retraduire();
    std::vector<int> tailles_programmes(int choix) const; // dans l'ordre du catalogue
    bool plage_de_tailles(int choix) const; // des tailles différentes selon le programme

    QString dossier_;
    demarrage::Ecran ecran_;
    catalogue::Disposition disposition_;
    std::vector<Tuile *> tuiles_;
    QLabel *titre_ = nullptr, *consigne_ = nullptr, *etat_ = nullptr;
    QLabel *legende_taille_ = nullptr, *legende_langue_ = nullptr;
    std::vector<QLabel *> groupes_; // titre de chaque groupe, avec l'indice de sa première tuile
    std::vector<int> premieres_tuiles_;
    QComboBox *taille_ = nullptr, *langue_ = nullptr;
    qint64 dernier_processus_ = 0;
    QTimer *surveillance_ = nullptr;
    std::vector<Demarrage> demarrages_; // dans leurs premières secondes
    std::vector<qint64> adoptes_;       // au-delà, ceux qui tournent : à recueillir à leur fin
    // Les sorties d'erreur des programmes qui tournent encore, vidées
    // jusqu'à leur fermeture pour qu'aucun ne bloque en écrivant.
    std::vector<std::unique_ptr<processus::SortieErreurs>> vidanges_;
};
