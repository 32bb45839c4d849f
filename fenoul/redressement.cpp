// SPDX-License-Identifier: GPL-3.0-or-later
#include "redressement.h"

namespace {

// Ligne de géométrie de fenoul, la même que celle de gresil : axes des temps
// de 6300 à 10440 (W = 4140), curseur de 720 à 8040.
const oscillo::GeometriePanneaux geometrie{
    6300, 10440, {1320, 3360, 5400, 7440}, {720, 2760, 4800, 6840}, {1920, 3960, 6000, 8040}, 6480, 720, 8040,
    240,  6600};

using oscillo::Semiconducteur;
const oscillo::SchemaPont schema{
    {Semiconducteur::diode, Semiconducteur::diode, Semiconducteur::diode, Semiconducteur::diode},
    {"D1", "D2", "D3", "D4"},
    "uD1",
    "iD1",
    false,
    -360};

} // namespace

Redressement::Redressement()
    // Le titre écrit nommait le pont mixte : c'est ici le pont de diodes.
    : oscillo::FenetreRedresseur(tr("Étude du pont de diodes par A. Varlon"), 12960, 8400, geometrie, pont_)
{
    dessiner_schema(schema);
    // Pas de saisie sous les notes.
    ecrire_notes(tr("u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz.")
                     .arg(pont_.tension_efficace)
                     .arg(balayage().f()),
                 tr("R = %1 Ohms.").arg(pont_.r()), QStringLiteral("Label18"),
                 tr("Pour simplifier, les tensions de seuils des diodes ont été négligées."));
    charger_balayage();
}
