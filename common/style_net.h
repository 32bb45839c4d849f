// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Style de toutes les fenêtres de la suite : Fusion, avec les icônes des
// boîtes de message dessinées à la taille de l'écran. Celles de Qt sont des
// images de 32 pixels : agrandies à 150 % pour le vidéoprojecteur, elles
// deviennent floues. Les boutons des boîtes (OK…) n'ont pas d'icône.
// Le cadre simple d'un label (afficheurs, légendes) a ses quatre bords de la
// même épaisseur entière de pixels de l'écran : à 150 %, Qt lui en donnait un
// ou deux selon sa place.

#include <QProxyStyle>

class StyleNet : public QProxyStyle
{
public:
    StyleNet();

    QIcon standardIcon(StandardPixmap genre, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *p,
                     const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint indice, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *retour = nullptr) const override;
};
