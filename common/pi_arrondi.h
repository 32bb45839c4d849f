// SPDX-License-Identifier: GPL-3.0-or-later
// Les bancs calculent avec π arrondi, et leurs lectures en dépendent jusqu'au
// dernier chiffre affiché : chaque arrondi est nommé ici, une fois. Ailleurs,
// π est std::numbers::pi.
#pragma once

namespace pi_arrondi {

// Ponts redresseurs, champ tournant, caractéristiques du moteur asynchrone.
inline constexpr double cinq_decimales = 3.14159;
// Moteur asynchrone.
inline constexpr double neuf_decimales = 3.141592653;
// Machines à courant continu et alternateur.
inline constexpr double quatorze_decimales = 3.14159265358979;

} // namespace pi_arrondi
