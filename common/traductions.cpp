// SPDX-License-Identifier: GPL-3.0-or-later
#include "traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace traductions {

QLocale langue_interface()
{
    return QLocale(QLocale::French, QLocale::France);
}

bool installer(QCoreApplication &application, const QLocale &langue)
{
    // Le traducteur appartient à l'application : il vit autant qu'elle.
    auto *qt = new QTranslator(&application);
    if (!qt->load(langue, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt)) {
        delete qt;
        return false;
    }
    return true;
}

} // namespace traductions
