#pragma once
// Les nombres du banc tels que l'élève les lit dans les fenêtres de vek :
// l'écriture commune (nombre.h) des réels en double et en simple précision.

#include "nombre.h"

#include <QString>

namespace vek {

inline QString ecrit(double valeur)
{
    return QString::fromStdString(nombre::texte_nombre(valeur));
}

inline QString ecrit_simple(float valeur)
{
    return QString::fromStdString(nombre::texte_simple(valeur));
}

} // namespace vek
