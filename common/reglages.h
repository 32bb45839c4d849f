// SPDX-License-Identifier: GPL-3.0-or-later
// Les réglages que la suite retient d'une fois sur l'autre (taille des
// fenêtres, langue), communs au lanceur et aux neuf programmes : un seul
// fichier de l'utilisateur, nommé ici seulement. Pas de QApplication
// nécessaire : main les lit avant de la construire.
#pragma once

#include <QSettings>
#include <QString>

namespace reglages {

inline QString organisation() { return QStringLiteral("bancs-electrotechnique"); }
inline QString application() { return QStringLiteral("bancs"); }

inline QSettings suite()
{
    return QSettings(QSettings::UserScope, organisation(), application());
}

} // namespace reglages
