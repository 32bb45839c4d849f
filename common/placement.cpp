// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement.h"

#include "taille_ecran.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace placement {

namespace {

// Un rectangle de « taille » au coin « p », ramené dans « d » (contre son
// coin haut gauche s'il est plus grand).
QPoint ramener_dans(QPoint p, QSize taille, const QRect &d)
{
    const int x = std::max(d.left(), std::min(p.x(), d.left() + d.width() - taille.width()));
    const int y = std::max(d.top(), std::min(p.y(), d.top() + d.height() - taille.height()));
    return {x, y};
}

long long aire_couverte(const QRect &a, const QRect &b)
{
    const QRect i = a.intersected(b);
    return i.isEmpty() ? 0 : static_cast<long long>(i.width()) * i.height();
}

QSize cadre_gestionnaire()
{
    return {static_cast<int>(taille_ecran::cadre.largeur), static_cast<int>(taille_ecran::cadre.hauteur)};
}

// Ordre d'apparition de chaque fenêtre placée.
constexpr const char *propriete_ordre = "bancs_ordre";

// Fenêtres de haut niveau montrées à l'écran, sauf « w », dans l'ordre où
// elles ont paru (cadre compris) : la première est le banc, dont « a_garder »
// reçoit la zone à ne pas couvrir, en coordonnées de l'écran.
std::vector<QRect> fenetres_deja_ouvertes(const QWidget *w, QRect &a_garder)
{
    std::vector<std::pair<int, QWidget *>> ouvertes;
    for (QWidget *f : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = f->windowType();
        if (f != w && f->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            ouvertes.emplace_back(f->property(propriete_ordre).toInt(), f);
    }
    std::sort(ouvertes.begin(), ouvertes.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QRect> autres;
    for (const auto &o : ouvertes)
        autres.push_back(o.second->frameGeometry());
    a_garder = QRect();
    if (!ouvertes.empty()) {
        const QWidget *banc = ouvertes.front().second;
        const QRect zone = banc->property(propriete_zone_a_garder).toRect();
        if (!zone.isEmpty())
            a_garder = QRect(banc->mapToGlobal(zone.topLeft()), zone.size());
    }
    return autres;
}

QRect place_de_l_ecran(const QWidget *w)
{
    const QScreen *ecran = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry() : QRect();
}

// Une boîte de Qt : Qt l'a centrée sur sa fenêtre ; trop grande pour
// l'écran, elle est réduite, puis ramenée dedans.
void ajuster_boite_qt(QDialog *boite, const QRect &d)
{
    const QSize place = d.size() - cadre_gestionnaire();
    if (boite->width() > place.width() || boite->height() > place.height()) {
        const QSize reduite = boite->size().boundedTo(place).expandedTo(boite->minimumSize());
        boite->resize(reduite);
    }
    const QPoint coin = ramener_dans(boite->pos(), boite->size() + cadre_gestionnaire(), d);
    if (coin != boite->pos())
        boite->move(coin);
}

class Placeur : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::Show || !objet->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(objet);
        const Qt::WindowType type = w->windowType();
        if (!w->isWindow() || (type != Qt::Window && type != Qt::Dialog) ||
            w->property(propriete_ordre).isValid())
            return false;
        // Une fenêtre cachée puis remontrée (le banc de sodel après la
        // caractéristique de la charge) garde sa place.
        w->setProperty(propriete_ordre, ++apparitions_);
        const QRect d = place_de_l_ecran(w);
        if (d.isEmpty())
            return false;
        if (auto *boite = qobject_cast<QDialog *>(w))
            ajuster_boite_qt(boite, d);
        else {
            QRect a_garder;
            const std::vector<QRect> autres = fenetres_deja_ouvertes(w, a_garder);
            w->move(choisir(w->size() + cadre_gestionnaire(), d, autres, a_garder));
        }
        return false;
    }

private:
    int apparitions_ = 0;
};

} // namespace

QPoint choisir(QSize taille, const QRect &disponible, const std::vector<QRect> &autres,
               const QRect &a_garder)
{
    const QRect &d = disponible;
    const QPoint milieu(d.left() + (d.width() - taille.width()) / 2,
                        d.top() + (d.height() - taille.height()) / 2);
    std::vector<QPoint> candidats{ramener_dans(milieu, taille, d)};
    if (!autres.empty()) {
        // À côté du banc : à droite, dessous, à gauche, dessus ; puis dans
        // les coins de l'écran.
        const QRect &b = autres.front();
        const int l = taille.width(), h = taille.height();
        for (QPoint p : {QPoint(b.right() + 1, b.top()), QPoint(b.right() + 1, b.bottom() + 1 - h),
                         QPoint(b.left(), b.bottom() + 1), QPoint(b.right() + 1 - l, b.bottom() + 1),
                         QPoint(b.left() - l, b.top()), QPoint(b.left() - l, b.bottom() + 1 - h),
                         QPoint(b.left(), b.top() - h), QPoint(b.right() + 1 - l, b.top() - h), d.topLeft(),
                         d.topRight(), d.bottomLeft(), d.bottomRight()})
            candidats.push_back(ramener_dans(p, taille, d));
        // Contre la zone à garder : à sa gauche, à sa droite, dessus,
        // dessous. Une place de l'écran qui ne la couvre pas est d'un de ces
        // côtés ; ramenée dans l'écran, celle-ci la laisse alors à découvert.
        if (!a_garder.isEmpty()) {
            const QRect &z = a_garder;
            for (QPoint p : {QPoint(z.left() - l, z.top()), QPoint(z.right() + 1, z.top()),
                             QPoint(z.left(), z.top() - h), QPoint(z.left(), z.bottom() + 1)})
                candidats.push_back(ramener_dans(p, taille, d));
        }
    }
    // Avant tout ne pas couvrir la zone à garder, puis le banc, puis les autres.
    QPoint meilleur = candidats.front();
    long long sur_zone = -1, sur_banc = -1, sur_autres = -1;
    for (QPoint p : candidats) {
        const QRect r(p, taille);
        const long long zone = a_garder.isEmpty() ? 0 : aire_couverte(r, a_garder);
        const long long banc = autres.empty() ? 0 : aire_couverte(r, autres.front());
        long long reste = 0;
        for (std::size_t i = 1; i < autres.size(); ++i)
            reste += aire_couverte(r, autres[i]);
        if (sur_banc < 0 || std::tie(zone, banc, reste) < std::tie(sur_zone, sur_banc, sur_autres)) {
            meilleur = p;
            sur_zone = zone;
            sur_banc = banc;
            sur_autres = reste;
        }
    }
    return meilleur;
}

void installer(QApplication &application)
{
    application.installEventFilter(new Placeur(&application));
}

} // namespace placement
