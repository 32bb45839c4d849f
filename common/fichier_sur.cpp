// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichier_sur.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>

namespace fichier_sur {

namespace {

// La raison d'un échec, d'après l'erreur du système relevée juste après
// l'opération qui a échoué ; sans elle, d'après ce que l'on voit du chemin.
QString raison_echec(int erreur, const QString &chemin, const QSaveFile &fichier)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("fichier_sur", "le disque est plein");
    case EFBIG:
        return QCoreApplication::translate("fichier_sur", "le fichier dépasserait la taille de fichier permise sur cet ordinateur");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("fichier_sur", "le dossier ou le fichier est protégé en écriture");
    case EROFS:
        return QCoreApplication::translate("fichier_sur", "le disque n'accepte que la lecture");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("fichier_sur", "le dossier n'existe pas");
    case ENAMETOOLONG:
        return QCoreApplication::translate("fichier_sur", "le nom est trop long");
    case EIO:
        return QCoreApplication::translate("fichier_sur", "le disque a signalé une erreur");
    default:
        break;
    }
    const QFileInfo info(chemin);
    if (info.isDir())
        return QCoreApplication::translate("fichier_sur", "ce nom est celui d'un dossier");
    if (info.exists() && !info.isWritable())
        return QCoreApplication::translate("fichier_sur", "le fichier existant est protégé en écriture");
    if (!info.dir().exists())
        return QCoreApplication::translate("fichier_sur", "le dossier n'existe pas");
    return fichier.errorString();
}

// Au-delà de la taille de fichier permise au processus (ulimit -f), le
// système tue le programme par défaut ; le signal ignoré, l'écriture est
// simplement refusée (EFBIG) et l'élève le lit.
void ne_pas_mourir_d_un_fichier_trop_grand()
{
    static const bool fait = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)fait;
}

} // namespace

Ecriture ecrire(const QString &chemin, const QByteArray &octets)
{
    Ecriture e;
    if (chemin.isEmpty()) {
        e.raison = QCoreApplication::translate("fichier_sur", "aucun nom de fichier n'a été donné");
        return e;
    }
    ne_pas_mourir_d_un_fichier_trop_grand();
    e.existait = QFileInfo::exists(chemin);
    QSaveFile fichier(chemin);
    // Chaque étape relève l'erreur du système aussitôt : la suivante
    // (suppression du temporaire) pourrait la remplacer.
    const auto echec = [&] {
        const int erreur = errno;
        fichier.cancelWriting();
        e.raison = raison_echec(erreur, chemin, fichier);
        return e;
    };
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly))
        return echec();
    errno = 0;
    if (fichier.write(octets) != octets.size())
        return echec();
    errno = 0;
    if (!fichier.flush())
        return echec();
    errno = 0;
    if (!fichier.commit()) {
        const int erreur = errno;
        e.raison = raison_echec(erreur, chemin, fichier);
        return e;
    }
    e.reussie = true;
    return e;
}

QString message_echec(const QString &chemin, const Ecriture &ecriture)
{
    const QString texte =
        ecriture.existait
            ? QCoreApplication::translate("fichier_sur", "Le fichier %1 n'a pas pu être écrit : %2. Le fichier qui "
                                                         "portait déjà ce nom est resté tel qu'il était.")
            : QCoreApplication::translate("fichier_sur",
                                          "Le fichier %1 n'a pas pu être écrit : %2. Rien n'a été enregistré.");
    return texte.arg(QDir::toNativeSeparators(chemin), ecriture.raison);
}

} // namespace fichier_sur
