// SPDX-License-Identifier: GPL-3.0-or-later
#include "icone_programme.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace icone_programme {

bool poser(QApplication &application)
{
    const QDir ressources(QStringLiteral(":/icone_programme"));
    const QStringList fichiers = ressources.entryList({QStringLiteral("*.png")}, QDir::Files);
    if (fichiers.isEmpty())
        return false;
    QIcon icone;
    for (const QString &fichier : fichiers)
        icone.addFile(ressources.filePath(fichier));
    application.setWindowIcon(icone);
    return true;
}

} // namespace icone_programme
