// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichier_sur.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fichier_sur {

namespace {

// La raison d'un échec, d'après l'erreur du système relevée juste après
// l'opération qui a échoué ; sans elle, d'après ce que l'on voit du chemin.
QString raison_echec(int erreur, const QString &chemin, const QSaveFile &fichier)
{
    switch (erreur) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
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
        // Un dossier spécial (/proc) répond « absent » à la création d'un
        // fichier : s'il existe, c'est qu'il refuse les fichiers.
        if (QFileInfo(QFileInfo(chemin).absolutePath()).isDir())
            return QCoreApplication::translate("fichier_sur", "le dossier existe mais n'accepte pas de fichiers");
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

// Ouvre en lecture un fichier ordinaire sans attendre. Le seul appel propre
// au système : sous Unix, l'ouverture sans attente (O_NONBLOCK) d'un tube
// rend la main aussitôt, et le type relevé sur le fichier ouvert (fstat)
// écarte tout ce qui n'est pas un fichier ordinaire ; ailleurs, la
// vérification du type qui précède l'ouverture.
bool ouvrir_sans_attendre(QFile &fichier, const QString &chemin, Liens liens)
{
#ifdef Q_OS_UNIX
    int drapeaux = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (liens == Liens::refuses)
        drapeaux |= O_NOFOLLOW;
    const int fd = ::open(QFile::encodeName(chemin).constData(), drapeaux);
    if (fd < 0)
        return false;
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    (void)liens;
    fichier.setFileName(chemin);
    return fichier.open(QIODevice::ReadOnly);
#endif
}

} // namespace

QString dossier_documents()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString refus_cible(const QString &chemin, Liens liens)
{
    const QFileInfo info(chemin);
    if (info.isSymLink()) {
        if (liens == Liens::refuses)
            return QCoreApplication::translate("fichier_sur", "c'est un lien symbolique, non suivi pour ce fichier");
        if (!info.exists())
            return QCoreApplication::translate("fichier_sur", "c'est un lien symbolique qui ne mène à aucun fichier");
    }
    if (!info.exists())
        return {};
    if (info.isDir())
        return QCoreApplication::translate("fichier_sur", "ce nom est celui d'un dossier");
    if (!info.isFile())
        return QCoreApplication::translate("fichier_sur", "ce n'est pas un fichier ordinaire (tube, "
                                                          "périphérique…)");
    return {};
}

QString avec_suffixe(const QString &chemin, const QString &suffixe)
{
    if (chemin.isEmpty() || suffixe.isEmpty() || QFileInfo(chemin).fileName().contains(QLatin1Char('.')))
        return chemin;
    return chemin + QLatin1Char('.') + suffixe;
}

Lecture lire(const QString &chemin, qint64 maximum, Liens liens)
{
    Lecture l;
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || (!info.exists() && !info.isSymLink()))
        return l;
    l.etat = Lecture::Etat::refuse;
    l.raison = refus_cible(chemin, liens);
    if (!l.raison.isEmpty())
        return l;
    QFile fichier;
    if (!ouvrir_sans_attendre(fichier, chemin, liens)) {
        // Devenu autre depuis la vérification, ou illisible.
        l.raison = refus_cible(chemin, liens);
        if (l.raison.isEmpty())
            l.raison = QCoreApplication::translate("fichier_sur", "le fichier ne peut pas être lu");
        return l;
    }
    l.octets = fichier.read(maximum);
    l.etat = Lecture::Etat::lu;
    return l;
}

Ecriture ecrire(const QString &chemin, const QByteArray &octets, Liens liens)
{
    Ecriture e;
    if (chemin.isEmpty()) {
        e.raison = QCoreApplication::translate("fichier_sur", "aucun nom de fichier n'a été donné");
        return e;
    }
    e.existait = QFileInfo::exists(chemin) || QFileInfo(chemin).isSymLink();
    // Rien n'est remplacé qui ne soit un fichier ordinaire : ni un tube, ni un
    // périphérique au bout d'un lien.
    e.raison = refus_cible(chemin, liens);
    if (!e.raison.isEmpty())
        return e;
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
