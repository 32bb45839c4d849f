// SPDX-License-Identifier: GPL-3.0-or-later
#include "avertissement.h"

#include "polices.h"

#include <QCoreApplication>
#include <QLabel>

QLabel *titre_danger(Feuille &feuille, double gauche, double haut, double largeur, double hauteur)
{
    QLabel *danger =
        feuille.label(QStringLiteral("Label1"), QCoreApplication::translate("avertissement", "DANGER"), gauche, haut, largeur, hauteur);
    danger->setFont(polices::police(36, true, false, polices::serif));
    danger->setAlignment(Qt::AlignCenter);
    danger->setAutoFillBackground(true);
    QPalette pal = danger->palette();
    pal.setColor(QPalette::Window, Qt::yellow);
    pal.setColor(QPalette::WindowText, Qt::red);
    danger->setPalette(pal);
    return danger;
}

FeuilleMauvaiseManip::FeuilleMauvaiseManip(const QString &message)
    : Feuille(QStringLiteral("feuille_mauvaise_manip"), tr("Mauvaise manipulation"), 4905, 4065)
{
    setAttribute(Qt::WA_DeleteOnClose);
    titre_danger(*this, 240, 240, 4425, 915);

    QLabel *texte = label(QStringLiteral("Label2"), message, 465, 1320, 3975, 1935);
    texte->setFont(polices::police(14.25, false, false, polices::serif));
    texte->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Bouton *oui = bouton(QStringLiteral("Command1"), tr("Oui, bien sûr"), 1545, 3390, 1815, 495);
    connect(oui, &QPushButton::clicked, this, &FeuilleMauvaiseManip::Command1_Click);
}

void FeuilleMauvaiseManip::Command1_Click()
{
    close();
}

void Avertisseur::avertir(const QString &texte)
{
    message_avertissement_ = texte;
    if (fenetre_) {
        fenetre_->raise();
        fenetre_->activateWindow();
        return;
    }
    fenetre_ = new FeuilleMauvaiseManip(message_avertissement_);
    fenetre_->show();
}
