// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tuile du lanceur : l'icône d'un programme, son nom et sa description d'une
// ligne. Un clic, Entrée ou Espace la déclenche ; les flèches sont passées à
// la fenêtre, qui connaît la grille.

#include <QAbstractButton>

class Tuile : public QAbstractButton
{
    Q_OBJECT
public:
    Tuile(const QString &nom_objet, const QString &titre, const QString &programme,
          const QString &description, const QIcon &icone, QWidget *parent);

    // Le titre et la description dans une autre langue.
    void changer_textes(const QString &titre, const QString &description);

signals:
    // Touche fléchée (Qt::Key_Left…) pressée sur la tuile.
    void fleche(int touche);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString titre_, programme_, description_;
    bool survolee_ = false;
};
