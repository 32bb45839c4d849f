// SPDX-License-Identifier: GPL-3.0-or-later
#include "mot_de_passe.h"

#include "caract_moteur.h"
#include "machine1.h"
#include "programme_vek.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Comparé exactement, majuscules comprises.
const QString mot_attendu = QStringLiteral("vortis");
} // namespace

MotDePasse::MotDePasse(ProgrammeVek &programme)
    : Feuille(QStringLiteral("mot_de_passe"), tr("Mot de passe"), 3810, 2310), programme_(programme)
{
    setAttribute(Qt::WA_DeleteOnClose);
    label(QStringLiteral("Label1"), tr("Entrez le mot de passe"), 240, 240, 3255, 495);
    Text1_ = saisie(QStringLiteral("Text1"), 240, 720, 3255, 375);
    Text1_->setEchoMode(QLineEdit::Password);
    Text1_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // « * »
    Bouton *ok = bouton(QStringLiteral("Command1"), QStringLiteral("OK"), 1200, 1560, 1575, 495);
    connect(ok, &QPushButton::clicked, this, &MotDePasse::Command1_Click);
    connect(Text1_, &QLineEdit::returnPressed, this, &MotDePasse::Command1_Click);
}

void MotDePasse::Command1_Click()
{
    if (Text1_->text() != mot_attendu)
        return;
    programme_.ouvrir_caract_moteur();
    close();
    if (Machine1 *banc = programme_.machine1())
        banc->close();
}
