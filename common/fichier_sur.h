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

struct Ecriture {
    bool reussie = false;
    QString raison; // vide si réussie : « le disque est plein »…
    // La cible existait avant l'essai (restée intacte si l'écriture a échoué).
    bool existait = false;
};

Ecriture ecrire(const QString &chemin, const QByteArray &octets);

// Message à l'élève après un échec : le fichier n'a pas été écrit, pourquoi,
// et qu'un fichier précédent du même nom n'a pas été touché.
QString message_echec(const QString &chemin, const Ecriture &ecriture);

} // namespace fichier_sur
