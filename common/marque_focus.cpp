// SPDX-License-Identifier: GPL-3.0-or-later
#include "marque_focus.h"

#include "style_net.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QRegion>
#include <QStyleOption>

namespace marque_focus {

namespace {

// Fusion, dont le cadre de focus (QFocusFrame) entoure le contrôle de la
// marque, au-dessus des autres contrôles. Le reste du dessin est celui de
// Fusion : rien ne bouge ni ne change quand le contrôle n'a pas le focus.
class StyleSuite : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metrique, const QStyleOption *option, const QWidget *widget) const override
    {
        // Seulement pour le cadre : ces marges servent aussi ailleurs (texte
        // des listes), qu'on ne déplace pas.
        if ((metrique == PM_FocusFrameHMargin || metrique == PM_FocusFrameVMargin) &&
            est_cadre(option, widget))
            return epaisseur;
        return QProxyStyle::pixelMetric(metrique, option, widget);
    }

    int styleHint(StyleHint indice, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *retour) const override
    {
        if (indice == SH_FocusFrame_AboveWidget)
            return 1;
        if (indice == SH_FocusFrame_Mask && option) {
            // Le cadre ne couvre que son anneau.
            if (auto *masque = qstyleoption_cast<QStyleHintReturnMask *>(retour)) {
                masque->region = QRegion(option->rect) -
                                 QRegion(option->rect.adjusted(epaisseur, epaisseur, -epaisseur, -epaisseur));
                return 1;
            }
        }
        return QProxyStyle::styleHint(indice, option, widget, retour);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *p,
                     const QWidget *widget) const override
    {
        if (element == CE_FocusFrame) {
            dessiner(*p, widget ? widget->rect() : option->rect);
            return;
        }
        QProxyStyle::drawControl(element, option, p, widget);
    }

private:
    static bool est_cadre(const QStyleOption *option, const QWidget *widget)
    {
        return qobject_cast<const QFocusFrame *>(widget) ||
               (option && qobject_cast<const QFocusFrame *>(option->styleObject));
    }
};

// Un seul cadre pour l'application ; il vit dans la fenêtre du contrôle
// suivi et disparaît avec elle : il est refait au besoin.
class Suivi : public QObject
{
public:
    explicit Suivi(QApplication &application) : QObject(&application)
    {
        connect(&application, &QApplication::focusChanged, this, &Suivi::suivre);
    }

private:
    void suivre(QWidget *, QWidget *maintenant)
    {
        if (maintenant && (maintenant->isWindow() || maintenant->property(marque_propre).toBool()))
            maintenant = nullptr;
        if (!maintenant) {
            if (cadre_)
                cadre_->setWidget(nullptr);
            return;
        }
        if (!cadre_)
            cadre_ = new QFocusFrame(maintenant->window());
        cadre_->setWidget(maintenant);
    }

    QPointer<QFocusFrame> cadre_;
};

} // namespace

QColor couleur()
{
    return QColor(0x00, 0x3c, 0xc8);
}

void dessiner(QPainter &p, const QRect &zone)
{
    const int e = epaisseur;
    const int haut = zone.height() - 2 * e;
    p.fillRect(QRect(zone.left(), zone.top(), zone.width(), e), couleur());
    p.fillRect(QRect(zone.left(), zone.bottom() - e + 1, zone.width(), e), couleur());
    p.fillRect(QRect(zone.left(), zone.top() + e, e, haut), couleur());
    p.fillRect(QRect(zone.right() - e + 1, zone.top() + e, e, haut), couleur());
}

void installer(QApplication &application)
{
    // Au-dessus du style net de la suite (icônes des boîtes, cadres des labels).
    application.setStyle(new StyleSuite(new StyleNet));
    new Suivi(application);
}

} // namespace marque_focus
