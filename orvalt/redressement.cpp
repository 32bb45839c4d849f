// SPDX-License-Identifier: GPL-3.0-or-later
#include "redressement.h"

#include "nombre.h"

#include <QLineEdit>

namespace {

// Ligne de géométrie d'orvalt : axes des temps de 6660 à 10980 (W = 4320),
// axes des valeurs 600 au-dessus et au-dessous, curseur de 720 à 7920.
const oscillo::GeometriePanneaux geometrie{
    6660, 10980, {1320, 3240, 5280, 7320}, {720, 2640, 4680, 6720}, {1920, 3840, 5880, 7920}, 7200, 720, 7920,
    240,  6600};

using oscillo::Semiconducteur;
const oscillo::SchemaPont schema{{Semiconducteur::thyristor, Semiconducteur::thyristor,
                                  Semiconducteur::thyristor, Semiconducteur::thyristor},
                                 {"T1", "T2", "T3", "T4"},
                                 "uT1",
                                 "iT1",
                                 true,
                                 0};

} // namespace

Redressement::Redressement()
    : oscillo::FenetreRedresseur(tr("Étude du pont tout thyristor par A. Varlon"), 13500, 8280, geometrie,
                                 pont_)
{
    dessiner_schema(schema);
    const double y_saisies = ecrire_notes(
        tr("u : Tension sinusoïdale de valeur efficace %1 V et de fréquence %2 Hz")
            .arg(pont_.tension_efficace)
            .arg(balayage().f()),
        tr("R = %1 ohms").arg(pont_.r()), QStringLiteral("Label21"),
        tr("Pour simplifier, les tensions de seuil des thyristors ont été négligées."));
    creer_saisie_alpha(240, y_saisies);
    creer_saisie_e(y_saisies);
    charger_balayage();
}

void Redressement::creer_saisie_e(double y)
{
    label(QStringLiteral("Label20"), tr("choix de e (V) :"), 2880, y, 2400, 255);
    choix_e_ = saisie(QStringLiteral("choix_e"), 2880, y + 270, 1020, 330);
    choix_e_->setText(QStringLiteral("0"));
    choix_e_->setToolTip(tr("Force électromotrice de la charge"));
    e_valid_ = bouton(QStringLiteral("e_valid"), tr("Valid"), 3960, y + 270, 720, 330);
    e_valid_->hide();
    connect(choix_e_, &QLineEdit::textChanged, this, &Redressement::choix_e_Change);
    connect(choix_e_, &QLineEdit::returnPressed, this, &Redressement::e_valid_Click);
    connect(e_valid_, &QPushButton::clicked, this, &Redressement::e_valid_Click);
    ajouter_saisie(choix_e_, e_valid_);
}

bool Redressement::fixer_alpha(double degres)
{
    return pont_.fixer_alpha(degres);
}

void Redressement::choix_e_Change()
{
    e_valid_->show();
}

void Redressement::e_valid_Click()
{
    e_valid_->hide();
    pont_.fixer_e(nombre::lire_nombre(choix_e_->text().toStdString()));
    balayage().circuit_modifie();
}
