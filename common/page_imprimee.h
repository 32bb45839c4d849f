// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Une page imprimée par la suite (l'aperçu des courbes, le spectre) : sur
// l'imprimante du système, ou, sans imprimante, dans un fichier PDF. La
// fenêtre ne fournit que son dessin ; la page, son orientation et
// l'écriture sûre du fichier sont faites ici, pareilles pour toutes.

#include "fichier_sur.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <QRectF>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace page_imprimee {

// Le dessin de la page dans « zone », la partie imprimable, en pixels de
// l'appareil ; l'origine du peintre est son coin.
using Dessin = std::function<void(QPainter &p, const QRectF &zone)>;

// L'imprimante par défaut, ou à défaut la première installée ; nulle sans imprimante.
QPrinterInfo imprimante_du_systeme();

// Une page dans l'orientation donnée sur une imprimante ou un PDF déjà
// préparés ; faux si elle ne peut pas s'ouvrir.
bool peindre(QPagedPaintDevice &page, int resolution, QPageLayout::Orientation orientation,
             const Dessin &dessin);

// La même page, A4 aux marges de 15 mm, dans un PDF de titre donné : faite
// entière en mémoire (quelques dizaines de ko), puis écrite d'un coup par
// fichier_sur, jamais en place sur un fichier existant.
fichier_sur::Ecriture enregistrer_pdf(const QString &chemin, const QString &titre,
                                      QPageLayout::Orientation orientation, const Dessin &dessin);

} // namespace page_imprimee
