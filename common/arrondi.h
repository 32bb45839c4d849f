// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arrondi des lectures à un nombre fixe de chiffres significatifs, et choix
// des pas de graduation des graphes. Fonctions pures, sans état, sans Qt.

#include <optional>

namespace arrondi {

// Arrondi à quatre chiffres significatifs. La puissance de dix passe par
// l'exponentielle (donc inexacte) et une fraction d'exactement un demi est
// arrondie vers le bas (vers moins l'infini) : 1234.5 -> 1234, -1234.5 -> -1235.
// Donne 0 pour 0, pour une valeur non finie, et hors de ~1e-6 .. ~1e9.
double quatre_chif_sign(double x);

// Forme « plancher » : le résultat à quatre chiffres, remplacé par 0 quand sa
// valeur absolue est inférieure à 0.001 (0.001 est gardé).
double quatre_chif_sign_plancher(double x);

// Même règle à trois chiffres significatifs (fenêtre 100 <= |t| < 1000).
double trois_chif_sign(double x);

// Ramène x > 0 dans [10, 100) par produits successifs par 10 en simple
// précision. Vide pour x <= 0 ou hors de 1e-17 .. 1e13.
std::optional<float> mantisse(double x);

// Pas de graduation (2, 5 ou 10 fois une puissance de dix) d'un axe dont la
// plus grande valeur est x, gardé tel que calculé (bruit de simple précision
// compris). Vide quand x <= 0.
std::optional<double> pas_graduation(double x);

// Forme du banc à courant continu : chaque pas calculé passe par
// trois_chif_sign avant d'être gardé.
std::optional<double> pas_graduation_arrondi(double x);

} // namespace arrondi
