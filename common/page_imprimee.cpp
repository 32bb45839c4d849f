// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_imprimee.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace page_imprimee {

QPrinterInfo imprimante_du_systeme()
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> toutes = QPrinterInfo::availablePrinters();
        if (!toutes.isEmpty())
            info = toutes.front();
    }
    return info;
}

bool peindre(QPagedPaintDevice &page, int resolution, QPageLayout::Orientation orientation,
             const Dessin &dessin)
{
    page.setPageOrientation(orientation);
    QPainter p;
    if (!p.begin(&page))
        return false;
    const QRect zone = page.pageLayout().paintRectPixels(resolution);
    dessin(p, QRectF(0, 0, zone.width(), zone.height()));
    return p.end();
}

fichier_sur::Ecriture enregistrer_pdf(const QString &chemin, const QString &titre,
                                      QPageLayout::Orientation orientation, const Dessin &dessin)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QGuiApplication::applicationDisplayName());
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        if (!peindre(pdf, pdf.resolution(), orientation, dessin))
            return {false, QCoreApplication::translate("page_imprimee", "la page n'a pas pu être dessinée"),
                    QFileInfo::exists(chemin)};
    }
    return fichier_sur::ecrire(chemin, tampon.data());
}

} // namespace page_imprimee
