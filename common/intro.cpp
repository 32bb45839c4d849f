// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro.h"

#include "polices.h"
#include "traductions.h"

#include <QLabel>
#include <QTimer>

Intro::Intro(const TextesIntro &textes, std::int16_t &annee_version, std::function<void()> avant_chargement,
             std::function<void()> ouvrir_principale)
    : Feuille(QStringLiteral("Intro"), tr("Introduction"), 6645, 3285),
      ouvrir_principale_(std::move(ouvrir_principale))
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (avant_chargement)
        avant_chargement();
    annee_version = 2003;

    // Les textes du programme sont marqués dans le contexte « Intro ».
    const auto traduit = [](const QString &t) { return traductions::texte("Intro", t.toStdString()); };
    QLabel *l1 = label(QStringLiteral("Label1"), traduit(textes.description), 240, 180, 6165, 915);
    l1->setFont(polices::police(13.5, false, true));
    if (!textes.sujet.isEmpty()) {
        QLabel *l2 = label(QStringLiteral("Label2"), traduit(textes.sujet), 240, 1140, 6165, 420);
        l2->setFont(polices::police(13.5, true));
    }
    QLabel *version = label(QStringLiteral("aff_version"),
                            tr("Version %1 - %2").arg(annee_version).arg(annee_version + 1), 240,
                            1680, 4200, 420);
    version->setFont(polices::police(13.5, false, true));
    QLabel *auteur =
        label(QStringLiteral("Label3"), tr("Auteur : Aurel Varlon"), 240, 2280, 4200, 375);
    auteur->setFont(polices::police(12));
    // Ligne de contact de l'auteur : laissée vide.
    QLabel *contact = label(QStringLiteral("Label4"), QString(), 240, 2700, 4200, 375);
    QFont souligne = polices::police(12, true);
    souligne.setUnderline(true);
    contact->setFont(souligne);
    QPalette bleu = contact->palette();
    bleu.setColor(QPalette::WindowText, Qt::blue);
    contact->setPalette(bleu);

    Bouton *ok = bouton(QStringLiteral("OK"), tr("OK"), 4920, 2520, 1335, 495);
    connect(ok, &QPushButton::clicked, this, &Intro::OK_Click);
    ok->setDefault(true);
    Timer1_ = minuterie(QStringLiteral("Timer1"), 5000, true);
    connect(Timer1_, &QTimer::timeout, this, &Intro::Timer1_Timer);
}

void Intro::OK_Click()
{
    if (passee_)
        return;
    passee_ = true;
    Timer1_->stop();
    // L'accueil s'efface avant que la fenêtre principale ne paraisse : elle
    // se place alors seule à l'écran, au milieu (placement.h).
    hide();
    if (ouvrir_principale_)
        ouvrir_principale_();
    close();
}

void Intro::Timer1_Timer()
{
    OK_Click();
}
