// SPDX-License-Identifier: GPL-3.0-or-later
#include "garde_points.h"

#include "fichier_sur.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace garde_points {

QString chemin(const courbe::Variante &v)
{
    if (v.programme.empty())
        return {};
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return dossier.isEmpty() ? QString() : QDir(dossier).filePath(QStringLiteral("points_enregistres.txt"));
}

Precedents lire(const courbe::Variante &v)
{
    Precedents p;
    const QString c = chemin(v);
    if (c.isEmpty() || !QFileInfo::exists(c))
        return p;
    p.etat = Precedents::Etat::abime;
    QFile f(c);
    if (!f.open(QIODevice::ReadOnly))
        return p;
    // Un octet de plus que le permis suffit à reconnaître un fichier trop grand.
    const QByteArray octets = f.read(static_cast<qint64>(courbe::taille_max_points_gardes) + 1);
    const auto lus = courbe::lire_points_gardes(std::string_view(octets.constData(), octets.size()),
                                                v.programme, static_cast<int>(v.grandeurs.size()));
    if (!lus)
        return p;
    p.etat = Precedents::Etat::lus;
    p.points = *lus;
    p.date = QFileInfo(c).lastModified();
    return p;
}

QString garder(const courbe::CourbeEnregistree &c, const courbe::Variante &v)
{
    const QString f = chemin(v);
    if (f.isEmpty())
        return v.programme.empty() ? QString() : QCoreApplication::translate("garde_points", "aucun dossier de données n'est connu");
    if (c.nb_points <= 0) {
        if (QFileInfo::exists(f) && !QFile::remove(f))
            return QCoreApplication::translate("garde_points", "l'ancien fichier %1 n'a pas pu être supprimé")
                .arg(QDir::toNativeSeparators(f));
        return {};
    }
    if (!QDir().mkpath(QFileInfo(f).path()))
        return QCoreApplication::translate("garde_points", "le dossier %1 n'a pas pu être créé")
            .arg(QDir::toNativeSeparators(QFileInfo(f).path()));
    const fichier_sur::Ecriture e =
        fichier_sur::ecrire(f, QByteArray::fromStdString(courbe::texte_points_gardes(c, v.programme)));
    return e.reussie ? QString() : e.raison;
}

} // namespace garde_points
