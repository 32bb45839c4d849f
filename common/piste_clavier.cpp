// SPDX-License-Identifier: GPL-3.0-or-later
#include "piste_clavier.h"

#include "marque_focus.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace piste_clavier {

namespace {

class Clavier : public QObject
{
public:
    Clavier(QWidget *piste, Sens sens, std::function<double()> position)
        : QObject(piste), piste_(piste), sens_(sens), position_(std::move(position))
    {
    }

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (objet != piste_ || evenement->type() != QEvent::KeyPress)
            return false;
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const bool horizontal = sens_ == Sens::horizontal;
        const int longueur = horizontal ? piste_->width() : piste_->height();
        double actuelle = position_();
        if (!std::isfinite(actuelle))
            actuelle = 0.0;
        const int ici =
            static_cast<int>(std::lround(std::clamp(actuelle, 0.0, static_cast<double>(longueur))));
        int cible;
        switch (touche->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!horizontal)
                return false;
            cible = ici + (touche->key() == Qt::Key_Right ? pas(longueur) : -pas(longueur));
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (horizontal)
                return false;
            cible = ici + (touche->key() == Qt::Key_Down ? pas(longueur) : -pas(longueur));
            break;
        case Qt::Key_PageUp:
            cible = ici - grand_pas(longueur);
            break;
        case Qt::Key_PageDown:
            cible = ici + grand_pas(longueur);
            break;
        case Qt::Key_Home:
            cible = 0;
            break;
        case Qt::Key_End:
            cible = longueur;
            break;
        default:
            return false;
        }
        cible = std::clamp(cible, 0, longueur);
        // Un clic à la nouvelle place : appui puis relâchement.
        const QPointF p =
            horizontal ? QPointF(cible, piste_->height() / 2) : QPointF(piste_->width() / 2, cible);
        QMouseEvent appui(QEvent::MouseButtonPress, p, piste_->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(piste_, &appui);
        QMouseEvent relache(QEvent::MouseButtonRelease, p, piste_->mapToGlobal(p), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(piste_, &relache);
        // Le lecteur d'écran dit la nouvelle place.
        QAccessibleValueChangeEvent change(piste_, pour_cent());
        QAccessible::updateAccessibility(&change);
        return true;
    }

    // Place du curseur en pour cent de la piste, depuis son début.
    int pour_cent() const
    {
        const int longueur = sens_ == Sens::horizontal ? piste_->width() : piste_->height();
        const double actuelle = position_();
        if (longueur <= 0 || !std::isfinite(actuelle))
            return 0;
        return static_cast<int>(std::lround(100.0 * std::clamp(actuelle / longueur, 0.0, 1.0)));
    }

private:
    QWidget *piste_;
    Sens sens_;
    std::function<double()> position_;
};

// Une piste se présente au lecteur d'écran comme un curseur (« slider »)
// dont la valeur est la place en pour cent : « Rhéostat, curseur, 35 % ».
class PisteAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    PisteAccessible(QWidget *piste, const Clavier *clavier)
        : QAccessibleWidget(piste, QAccessible::Slider), clavier_(clavier)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QStringLiteral("%1 %").arg(clavier_->pour_cent());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return clavier_->pour_cent(); }
    // La place ne se change que par les gestionnaires de la piste (clavier, souris).
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 2; }

private:
    const Clavier *clavier_;
};

QAccessibleInterface *fabrique(const QString &, QObject *objet)
{
    if (auto *piste = qobject_cast<QWidget *>(objet))
        for (const QObject *enfant : piste->children())
            if (const auto *clavier = dynamic_cast<const Clavier *>(enfant))
                return new PisteAccessible(piste, clavier);
    return nullptr;
}

// Déplacement de la souris à la place « p » (pixels de « fenetre »).
void deplacer_souris(QWidget *fenetre, QPoint p)
{
    const QPointF ici(p);
    QMouseEvent e(QEvent::MouseMove, ici, fenetre->mapToGlobal(ici), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(fenetre, &e);
}

class ZoneLecture : public QWidget
{
public:
    ZoneLecture(QWidget *fenetre, const QRect &zone) : QWidget(fenetre), fenetre_(fenetre)
    {
        setGeometry(zone);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::StrongFocus);
        // Posée entre les axes : la marque du focus est dessinée dedans, pas
        // sur les axes.
        setProperty(marque_focus::marque_propre, true);
        place_ = QPoint(zone.width() / 2, zone.height() / 2);
        setProperty("place", place_);
    }

protected:
    void keyPressEvent(QKeyEvent *touche) override
    {
        const bool grand = touche->modifiers() & Qt::ShiftModifier;
        const int dx = grand ? grand_pas(width()) : pas(width());
        const int dy = grand ? grand_pas(height()) : pas(height());
        const struct {
            int touche;
            QPoint deplacement;
        } fleches[] = {{Qt::Key_Left, {-dx, 0}},
                       {Qt::Key_Right, {dx, 0}},
                       {Qt::Key_Up, {0, -dy}},
                       {Qt::Key_Down, {0, dy}},
                       {Qt::Key_PageUp, {0, -grand_pas(height())}},
                       {Qt::Key_PageDown, {0, grand_pas(height())}},
                       {Qt::Key_Home, {-width(), 0}},
                       {Qt::Key_End, {width(), 0}}};
        for (const auto &f : fleches)
            if (touche->key() == f.touche) {
                const QPoint cible = place_ + f.deplacement;
                aller(QPoint(std::clamp(cible.x(), 0, width()), std::clamp(cible.y(), 0, height())));
                return;
            }
        QWidget::keyPressEvent(touche);
    }

    void focusInEvent(QFocusEvent *evenement) override
    {
        QWidget::focusInEvent(evenement);
        aller(place_);
    }

    void focusOutEvent(QFocusEvent *evenement) override
    {
        QWidget::focusOutEvent(evenement);
        update();
        // Quittée par Tab : la souris « sort » du graphe par son coin haut gauche.
        if (evenement->reason() == Qt::TabFocusReason || evenement->reason() == Qt::BacktabFocusReason)
            deplacer_souris(fenetre_, pos() - QPoint(1, 1));
    }

    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter p(this);
        marque_focus::dessiner(p, rect());
        p.setPen(QPen(marque_focus::couleur(), marque_focus::epaisseur));
        p.drawLine(place_ - QPoint(7, 0), place_ + QPoint(7, 0));
        p.drawLine(place_ - QPoint(0, 7), place_ + QPoint(0, 7));
    }

private:
    void aller(QPoint cible)
    {
        place_ = cible;
        setProperty("place", place_);
        update();
        deplacer_souris(fenetre_, pos() + place_);
    }

    QWidget *fenetre_;
    QPoint place_;
};

} // namespace

int pas(int longueur)
{
    return std::max(1, static_cast<int>(std::lround(longueur / 50.0)));
}

int grand_pas(int longueur)
{
    return std::max(1, static_cast<int>(std::lround(longueur / 10.0)));
}

void equiper(QWidget *piste, Sens sens, std::function<double()> position)
{
    static const bool fabrique_posee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)fabrique_posee;
    piste->setFocusPolicy(Qt::StrongFocus);
    piste->installEventFilter(new Clavier(piste, sens, std::move(position)));
}

QWidget *zone_lecture(QWidget *fenetre, const QString &nom, const QRect &zone, const QString &nom_accessible)
{
    auto *z = new ZoneLecture(fenetre, zone);
    z->setObjectName(nom);
    z->setAccessibleName(nom_accessible);
    z->setAccessibleDescription(
        QCoreApplication::translate("piste_clavier", "Flèches : déplacer le point lu ; Maj + flèche, Page "
                                                     "précédente ou suivante : grand pas ; Début, Fin : bords"));
    return z;
}

} // namespace piste_clavier
