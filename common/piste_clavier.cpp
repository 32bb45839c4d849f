#include "piste_clavier.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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
        return true;
    }

private:
    QWidget *piste_;
    Sens sens_;
    std::function<double()> position_;
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
    piste->setFocusPolicy(Qt::StrongFocus);
    piste->installEventFilter(new Clavier(piste, sens, std::move(position)));
}

} // namespace piste_clavier
