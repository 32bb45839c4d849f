// SPDX-License-Identifier: GPL-3.0-or-later
#include "fusible.h"

#include "avertissement.h"
#include "polices.h"

#include <QCloseEvent>
#include <QLabel>

Fusible::Fusible(std::function<void()> fusible_remplace)
    : Feuille(QStringLiteral("Fusible"), tr("Remplacer le fusible"), 4905, 3480),
      fusible_remplace_(std::move(fusible_remplace))
{
    setAttribute(Qt::WA_DeleteOnClose);

    // Cadre autour du message, posé sous les contrôles.
    forme(QStringLiteral("Shape1"), Forme::Type::rectangle, 240, 1320, 4425, 1095, couleurFond(), Qt::red);

    titre_danger(*this, 240, 180, 4425, 900);

    QLabel *message =
        label(QStringLiteral("Label2"), tr("L'intensité est trop importante, il faut remplacer le fusible"),
              360, 1400, 4185, 930);
    message->setFont(polices::police(12));
    message->setAlignment(Qt::AlignCenter);

    Bouton *remplacer = bouton(QStringLiteral("Command1"), tr("Remplacer le fusible"), 1320, 2700, 2265, 495);
    connect(remplacer, &QPushButton::clicked, this, &Fusible::Command1_Click);
}

void Fusible::Command1_Click()
{
    close();
}

void Fusible::closeEvent(QCloseEvent *event)
{
    if (fusible_remplace_) {
        auto rappel = std::move(fusible_remplace_);
        fusible_remplace_ = nullptr;
        rappel();
    }
    event->accept();
}
