// SPDX-License-Identifier: GPL-3.0-or-later
// Programme Qt Widgets nu, point de comparaison de outils/mesurer.sh :
//   programme_nu CONTROLES LARGEUR HAUTEUR
// une fenêtre de cette taille (pixels) avec autant de contrôles qu'une
// fenêtre principale de la suite (un tiers d'étiquettes, un tiers de zones de
// saisie, un tiers de boutons), sans accueil. Le bouton « marche » lance une
// minuterie de 100 ms qui, comme un top de balayage, réécrit un afficheur et
// fait repeindre un petit rectangle d'un dessin.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {

class Dessin : public QWidget
{
public:
    using QWidget::QWidget;
    int x = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::blue, 2));
        p.drawLine(x, height() / 2, x + 4, height() / 2 + 4);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int controles = argc > 1 ? std::max(3, std::atoi(argv[1])) : 60;
    const int largeur = argc > 2 ? std::max(200, std::atoi(argv[2])) : 800;
    const int hauteur = argc > 3 ? std::max(200, std::atoi(argv[3])) : 600;

    QWidget fenetre;
    fenetre.setObjectName(QStringLiteral("nu"));
    fenetre.setWindowTitle(QStringLiteral("Programme nu"));
    fenetre.resize(largeur, hauteur);
    auto *dessin = new Dessin(&fenetre);
    dessin->setGeometry(0, hauteur / 2, largeur, hauteur / 2);
    auto *afficheur = new QLabel(QStringLiteral("0"), &fenetre);
    auto *marche = new QPushButton(QStringLiteral("Marche"), &fenetre);
    marche->setObjectName(QStringLiteral("marche"));
    // Les contrôles restants, en grille sur la moitié haute.
    const int colonnes = 8;
    const int pas_x = largeur / colonnes, pas_y = 28;
    for (int k = 3; k < controles; ++k) {
        QWidget *c = nullptr;
        switch (k % 3) {
        case 0:
            c = new QLabel(QStringLiteral("Étiquette %1").arg(k), &fenetre);
            break;
        case 1:
            c = new QLineEdit(QStringLiteral("%1").arg(k), &fenetre);
            break;
        default:
            c = new QPushButton(QStringLiteral("Valid"), &fenetre);
        }
        c->setGeometry((k % colonnes) * pas_x, 40 + (k / colonnes) * pas_y % (hauteur / 2 - 40), pas_x - 4, 24);
    }
    afficheur->setGeometry(4, 4, 120, 24);
    marche->setGeometry(130, 4, 100, 24);

    QTimer minuterie;
    int tops = 0;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        ++tops;
        afficheur->setText(QString::number(tops * 0.1, 'f', 1));
        dessin->x = (dessin->x + 5) % largeur;
        dessin->update(dessin->x - 6, 0, 16, dessin->height());
    });
    QObject::connect(marche, &QPushButton::clicked, &minuterie, [&] { minuterie.start(100); });
    fenetre.show();
    return application.exec();
}
