// SPDX-License-Identifier: GPL-3.0-or-later
#include "reglages.h"

#include "fichier_sur.h"
#include "traductions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace reglages {

namespace {

const QString organisation = QStringLiteral("bancs-electrotechnique");
const QString application = QStringLiteral("bancs");

// Le chemin du fichier sans l'ouvrir : les réglages de l'organisation seule
// (que les réglages de la suite lisent de toute façon) donnent le dossier.
QString chemin_fichier()
{
    const QSettings organisation_seule(QSettings::UserScope, organisation, QString());
    return QDir(QFileInfo(organisation_seule.fileName()).path())
        .filePath(organisation + QLatin1Char('/') + application + QStringLiteral(".conf"));
}

} // namespace

QString dossier_portable(const QString &programmes)
{
    if (programmes.isEmpty() || !QFileInfo(QDir(programmes).filePath(QStringLiteral("portable.txt"))).isFile())
        return {};
    return QDir(programmes).filePath(QStringLiteral("donnees"));
}

QString dossier_portable()
{
    return dossier_portable(traductions::dossier_executable());
}

QSettings ouvrir()
{
    const QString portable = dossier_portable();
    const QString chemin = portable.isEmpty() ? chemin_fichier() : QDir(portable).filePath(application + QStringLiteral(".ini"));
    const QString refus = fichier_sur::refus_cible(chemin, fichier_sur::Liens::suivis);
    if (refus.isEmpty() && !portable.isEmpty())
        return QSettings(chemin, QSettings::IniFormat);
    if (refus.isEmpty())
        return QSettings(QSettings::UserScope, organisation, application);
    static bool dit = false;
    if (!dit) {
        dit = true;
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("reglages", "Le fichier des réglages %1 n'est pas utilisé "
                                                                        ": %2. La taille et la langue retenues ne sont "
                                                                        "ni lues ni enregistrées.")
                                    .arg(QDir::toNativeSeparators(chemin), refus)));
    }
    // Sans nom de fichier, les réglages ne lisent rien et n'écrivent nulle part.
    return QSettings(QString(), QSettings::IniFormat);
}

} // namespace reglages
