// SPDX-License-Identifier: GPL-3.0-or-later
#include "polices.h"

#include "icone_programme.h"
#include "marque_focus.h"
#include "placement.h"
#include "traductions.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include <cmath>

namespace polices {

QFont police(double points, bool gras, bool italique, const QString &famille)
{
    QFont f(famille);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(gras);
    f.setItalic(italique);
    f.setStyleHint(famille == serif ? QFont::Serif : QFont::SansSerif);
    return f;
}

void preparer_application(QApplication &application)
{
    // Les polices livrées avec la suite (sous Windows, Liberation dans le
    // dossier « polices » à côté des programmes) : chaque banc se dessine de
    // même sur chaque poste.
    const QDir livrees(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("polices")));
    for (const QString &fichier : livrees.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(livrees.filePath(fichier));
    marque_focus::installer(application);
    application.setFont(police(8.0));
    icone_programme::poser(application);
    traductions::installer(application);
    placement::installer(application);
}

} // namespace polices
