// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Aides des tests de fenêtres : trouver un contrôle par son nom d'objet,
// lire son texte et sa couleur de fond, le piloter par de vrais événements.

#include <QColor>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace essai {

// Le contrôle de nom « nom » sous « parent » ; échec du test s'il manque.
template <typename T = QWidget>
T *controle(const QObject *parent, const QString &nom)
{
    T *trouve = parent->findChild<T *>(nom);
    EXPECT_NE(trouve, nullptr) << "contrôle introuvable : " << nom.toStdString();
    return trouve;
}

// Texte visible d'un label, d'un bouton, d'une zone de texte ou d'une liste.
QString texte(const QObject *parent, const QString &nom);

// Couleur de fond d'un contrôle (rôle Window des labels, Button des boutons).
QColor fond(const QObject *parent, const QString &nom);

// Clic gauche au milieu d'un bouton ou d'une case.
void cliquer(const QObject *parent, const QString &nom);

// Frappe d'un texte au clavier dans une zone de texte, touche par touche.
void taper(const QObject *parent, const QString &nom, const QString &frappe);

// Touche Entrée dans une zone de texte.
void entree(const QObject *parent, const QString &nom);

// La fenêtre de haut niveau visible de ce nom, ou nullptr.
QWidget *fenetre(const QString &nom);

} // namespace essai
