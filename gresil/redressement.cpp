// SPDX-License-Identifier: GPL-3.0-or-later
#include "redressement.h"

namespace {

// Ligne de géométrie de gresil : axes des temps de 6300 à 10440 (W = 4140),
// axes des valeurs 600 au-dessus et au-dessous, curseur de 720 à 8040.
const oscillo::GeometriePanneaux geometrie{
    6300, 10440, {1320, 3360, 5400, 7440}, {720, 2760, 4800, 6840}, {1920, 3960, 6000, 8040}, 6480, 720, 8040,
    240,  6600};

// Les panneaux commencent plus à gauche que ceux d'orvalt : le schéma suit.
using oscillo::Semiconducteur;
const oscillo::SchemaPont schema{
    {Semiconducteur::thyristor, Semiconducteur::thyristor, Semiconducteur::diode, Semiconducteur::diode},
    {"T1", "T2", "D1", "D2"},
    "uT1",
    "iT1",
    false,
    -360};

} // namespace

Redressement::Redressement()
    : oscillo::FenetreRedresseur(tr("Étude du pont mixte par A. Varlon"), 12960, 8400, geometrie, pont_)
{
    dessiner_schema(schema);
    const double y_saisies = ecrire_notes(
        tr("u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz.")
            .arg(pont_.tension_efficace)
            .arg(balayage().f()),
        tr("R = %1 Ohms.").arg(pont_.r()), QStringLiteral("Label18"),
        tr("Pour simplifier, les tensions de seuils des diodes et des thyristors ont été négligées."));
    creer_saisie_alpha(240, y_saisies);
    charger_balayage();
}

bool Redressement::fixer_alpha(double degres)
{
    return pont_.fixer_alpha(degres);
}
