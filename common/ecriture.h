// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les nombres tels que l'élève les lit dans les fenêtres des bancs : l'écriture
// commune (nombre.h) des réels en double et en simple précision, en QString.

#include "nombre.h"

#include <QString>

namespace ecriture {

inline QString ecrit(double valeur)
{
    return QString::fromStdString(nombre::texte_nombre(valeur));
}

inline QString ecrit_simple(float valeur)
{
    return QString::fromStdString(nombre::texte_simple(valeur));
}

} // namespace ecriture
