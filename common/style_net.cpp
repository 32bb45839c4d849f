// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_net.h"

#include "twips.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace {

// Icône d'une boîte de message, dessinée en traits à la taille demandée
// (pixels de l'écran compris) : triangle jaune et « ! » pour un
// avertissement, disque rouge et croix pour une erreur, disque bleu et
// « i » ou « ? » pour une information ou une question.
class IconeDessinee : public QIconEngine
{
public:
    explicit IconeDessinee(QStyle::StandardPixmap genre) : genre_(genre) {}

    void paint(QPainter *p, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        // Dessin sur une grille de 32 x 32, centrée dans le rectangle.
        const double cote = std::min(rect.width(), rect.height());
        p->translate(rect.center().x() + 0.5 - cote / 2, rect.center().y() + 0.5 - cote / 2);
        p->scale(cote / 32.0, cote / 32.0);
        QFont police(QStringLiteral("Liberation Sans"));
        police.setBold(true);
        police.setPixelSize(22);
        p->setFont(police);
        const QRectF cadre(1, 1, 30, 30);
        switch (genre_) {
        case QStyle::SP_MessageBoxWarning: {
            QPainterPath triangle;
            triangle.moveTo(16, 2);
            triangle.lineTo(31, 29);
            triangle.lineTo(1, 29);
            triangle.closeSubpath();
            p->setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p->setBrush(QColor(255, 220, 0));
            p->drawPath(triangle);
            p->setPen(Qt::black);
            p->drawText(QRectF(0, 7, 32, 24), Qt::AlignCenter, QStringLiteral("!"));
            break;
        }
        case QStyle::SP_MessageBoxCritical:
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(204, 0, 0));
            p->drawEllipse(cadre);
            p->setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(QPointF(10, 10), QPointF(22, 22));
            p->drawLine(QPointF(22, 10), QPointF(10, 22));
            break;
        default:
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(32, 96, 192));
            p->drawEllipse(cadre);
            p->setPen(Qt::white);
            p->drawText(cadre, Qt::AlignCenter,
                        genre_ == QStyle::SP_MessageBoxQuestion ? QStringLiteral("?") : QStringLiteral("i"));
            break;
        }
        p->restore();
    }

    // L'image de QIconEngine n'est pas effacée avant le dessin.
    QPixmap pixmap(const QSize &taille, QIcon::Mode mode, QIcon::State etat) override
    {
        QPixmap image(taille);
        image.fill(Qt::transparent);
        QPainter p(&image);
        paint(&p, QRect(QPoint(0, 0), taille), mode, etat);
        return image;
    }

    QIconEngine *clone() const override { return new IconeDessinee(genre_); }

private:
    QStyle::StandardPixmap genre_;
};

} // namespace

StyleNet::StyleNet() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon StyleNet::standardIcon(StandardPixmap genre, const QStyleOption *option, const QWidget *widget) const
{
    switch (genre) {
    case SP_MessageBoxInformation:
    case SP_MessageBoxWarning:
    case SP_MessageBoxCritical:
    case SP_MessageBoxQuestion:
        return QIcon(new IconeDessinee(genre));
    default:
        return QProxyStyle::standardIcon(genre, option, widget);
    }
}

void StyleNet::drawControl(ControlElement element, const QStyleOption *option, QPainter *p,
                             const QWidget *widget) const
{
    const auto *cadre = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != CE_ShapedFrame || !cadre || cadre->frameShape != QFrame::Box ||
        (cadre->state & (State_Sunken | State_Raised)) || cadre->lineWidth <= 0) {
        QProxyStyle::drawControl(element, option, p, widget);
        return;
    }
    // Le rectangle du label en pixels de l'écran, bords arrondis comme Qt
    // arrondit son fond ; quatre bandes pleines de l'épaisseur entière.
    const QTransform vers_ecran = p->deviceTransform();
    const int e = twips::epaisseur_ecran(cadre->lineWidth, std::hypot(vers_ecran.m11(), vers_ecran.m12()));
    const QRectF d = vers_ecran.mapRect(QRectF(cadre->rect));
    const QRect r(QPoint(static_cast<int>(std::lround(d.left())), static_cast<int>(std::lround(d.top()))),
                  QPoint(static_cast<int>(std::lround(d.right())) - 1, static_cast<int>(std::lround(d.bottom())) - 1));
    const QColor couleur = cadre->palette.color(QPalette::WindowText);
    p->save();
    p->resetTransform();
    p->setTransform(p->deviceTransform().inverted());
    p->fillRect(QRect(r.left(), r.top(), r.width(), e), couleur);
    p->fillRect(QRect(r.left(), r.bottom() - e + 1, r.width(), e), couleur);
    p->fillRect(QRect(r.left(), r.top(), e, r.height()), couleur);
    p->fillRect(QRect(r.right() - e + 1, r.top(), e, r.height()), couleur);
    p->restore();
}

int StyleNet::styleHint(StyleHint indice, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *retour) const
{
    if (indice == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(indice, option, widget, retour);
}
