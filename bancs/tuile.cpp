// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuile.h"

#include "polices.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int marge_tuile = 8;
constexpr int cote_icone = 48;
} // namespace

Tuile::Tuile(const QString &nom_objet, const QString &titre, const QString &programme,
             const QString &description, const QIcon &icone, QWidget *parent)
    : QAbstractButton(parent), programme_(programme)
{
    setObjectName(nom_objet);
    setIcon(icone);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    changer_textes(titre, description);
}

void Tuile::changer_textes(const QString &titre, const QString &description)
{
    titre_ = titre;
    description_ = description;
    setText(titre);
    setAccessibleName(titre + QStringLiteral(" (") + programme_ + QStringLiteral(")"));
    setAccessibleDescription(description);
    update();
}

void Tuile::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor fond = survolee_ ? QColor(0xe8, 0xf0, 0xfb) : QColor(Qt::white);
    if (isDown())
        fond = QColor(0xc8, 0xda, 0xf2);
    QPainterPath chemin;
    chemin.addRoundedRect(cadre, 8, 8);
    p.fillPath(chemin, fond);
    // Le focus est marqué par le cadre commun de la suite (marque_focus.h), autour de la tuile.
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1));
    p.drawPath(chemin);

    const QRect zone_icone(marge_tuile, marge_tuile, cote_icone, cote_icone);
    icon().paint(&p, zone_icone);

    // Nom dans le menu, puis nom du programme, à droite de l'icône.
    const int gauche = marge_tuile + cote_icone + marge_tuile;
    const QRect zone_titre(gauche, marge_tuile, width() - gauche - marge_tuile, cote_icone);
    p.setPen(Qt::black);
    p.setFont(polices::police(10, true));
    const QRect titre_place =
        p.boundingRect(zone_titre, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, titre_);
    p.drawText(zone_titre, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, titre_);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setFont(polices::police(8.0, false, true));
    p.drawText(QRect(gauche, titre_place.bottom() + 2, zone_titre.width(), 20), Qt::AlignLeft | Qt::AlignTop,
               programme_);

    // Description sur toute la largeur, sous l'icône.
    p.setPen(Qt::black);
    p.setFont(polices::police(8.0));
    const int haut = marge_tuile + cote_icone + 4;
    p.drawText(QRect(marge_tuile, haut, width() - 2 * marge_tuile, height() - haut - marge_tuile / 2),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, description_);
}

void Tuile::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit fleche(event->key());
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void Tuile::enterEvent(QEnterEvent *event)
{
    survolee_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void Tuile::leaveEvent(QEvent *event)
{
    survolee_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
