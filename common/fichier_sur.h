// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Écriture de tout fichier que la suite produit (PDF de l'aperçu, CSV des
// points et des périodes, points gardés de l'enregistreur) : rien n'est
// perdu, rien n'est dit écrit qui ne l'a pas été.
//
// Les octets vont d'abord dans un fichier temporaire à côté de la cible
// (QSaveFile) ; la cible n'est remplacée, d'un seul renommage, qu'une fois
// tout écrit et vidé sur le disque. En cas d'échec, un fichier qui portait
// déjà ce nom reste tel qu'il était, le temporaire est supprimé, et la
// raison est dite dans la langue de l'interface (disque plein, dossier protégé…).

#include <QByteArray>
#include <QString>

namespace fichier_sur {

// Seuls des fichiers ordinaires sont lus ou écrits : un tube, une prise, un
// périphérique ou un dossier au nom demandé est refusé aussitôt, sans
// l'ouvrir (ouvrir un tube attendrait qu'un autre programme y écrive). Un
// lien symbolique est suivi (« suivis ») jusqu'à un fichier ordinaire
// seulement ; le fichier de données propre à la suite (les points gardés)
// n'est jamais lu ni écrit au travers d'un lien (« refuses ») : la suite n'en
// fait pas, un lien à sa place est celui d'un autre.
enum class Liens { suivis, refuses };

// Raison de ne pas écrire à ce chemin, vide si rien n'y est ou s'il y a un
// fichier ordinaire (au bout d'un lien, si les liens sont suivis).
QString refus_cible(const QString &chemin, Liens liens);

// Le nom final d'un fichier choisi : « .suffixe » ajouté à un nom sans point,
// la règle même de la boîte d'enregistrement (QFileDialog::setDefaultSuffix).
QString avec_suffixe(const QString &chemin, const QString &suffixe);

struct Ecriture {
    bool reussie = false;
    QString raison; // vide si réussie : « le disque est plein »…
    // La cible existait avant l'essai (restée intacte si l'écriture a échoué).
    bool existait = false;
};

Ecriture ecrire(const QString &chemin, const QByteArray &octets, Liens liens = Liens::suivis);

struct Lecture {
    enum class Etat { absent, refuse, lu } etat = Etat::absent;
    QByteArray octets;
    QString raison; // pour « refuse » : « ce n'est pas un fichier ordinaire »…
};

// Lit au plus « maximum » octets d'un fichier ordinaire, sans jamais attendre :
// le type est vérifié avant l'ouverture, et l'ouverture elle-même n'attend pas
// (un tube glissé à la place entre les deux est reconnu et refusé).
Lecture lire(const QString &chemin, qint64 maximum, Liens liens);

// Message à l'élève après un échec : le fichier n'a pas été écrit, pourquoi,
// et qu'un fichier précédent du même nom n'a pas été touché.
QString message_echec(const QString &chemin, const Ecriture &ecriture);

// Le dossier où les boîtes d'enregistrement s'ouvrent : les Documents de
// l'utilisateur (Windows, bureau Linux), son dossier personnel s'il n'en a pas.
QString dossier_documents();

} // namespace fichier_sur
