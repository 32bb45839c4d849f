// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Polices de la suite. Les légendes sont dimensionnées pour Times New Roman et
// Arial ; les polices Liberation, de mêmes métriques, les remplacent. La
// taille est donnée en points et convertie en pixels au même taux que les
// twips (96 points par pouce), pour que le texte tienne dans sa boîte quel
// que soit l'écran.

#include <QFont>
#include <QString>

class QApplication;

namespace polices {

inline const QString sans = QStringLiteral("Liberation Sans");
inline const QString serif = QStringLiteral("Liberation Serif");

QFont police(double points, bool gras = false, bool italique = false, const QString &famille = sans);

// Style Fusion (le même partout) avec la marque du focus (marque_focus.h),
// police par défaut des contrôles, icône des fenêtres du programme
// (icone_programme.h), traductions des boîtes standard de Qt
// (traductions.h) et place de chaque fenêtre à l'écran (placement.h).
void preparer_application(QApplication &application);

} // namespace polices
