// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_fenetres.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace essai {

QString texte(const QObject *parent, const QString &nom)
{
    QWidget *w = controle(parent, nom);
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    ADD_FAILURE() << "contrôle sans texte : " << nom.toStdString();
    return {};
}

QColor fond(const QObject *parent, const QString &nom)
{
    QWidget *w = controle(parent, nom);
    if (!w)
        return {};
    const auto role = qobject_cast<QAbstractButton *>(w) ? QPalette::Button : QPalette::Window;
    return w->palette().color(role);
}

void cliquer(const QObject *parent, const QString &nom)
{
    if (QWidget *w = controle(parent, nom))
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void taper(const QObject *parent, const QString &nom, const QString &frappe)
{
    if (QWidget *w = controle(parent, nom))
        QTest::keyClicks(w, frappe);
}

void entree(const QObject *parent, const QString &nom)
{
    if (QWidget *w = controle(parent, nom))
        QTest::keyClick(w, Qt::Key_Return);
}

QWidget *fenetre(const QString &nom)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == nom && w->isVisible())
            return w;
    return nullptr;
}

} // namespace essai
