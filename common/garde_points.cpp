// SPDX-License-Identifier: GPL-3.0-or-later
#include "garde_points.h"

#include "fichier_sur.h"
#include "reglages.h"
#include "texte_court.h"

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
    const QString portable = reglages::dossier_portable();
    const QString dossier =
        portable.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : portable;
    return dossier.isEmpty() ? QString() : QDir(dossier).filePath(QStringLiteral("points_enregistres.txt"));
}

namespace {

// La raison, avec le chemin coupé en son milieu pour l'avis (qui tient en
// deux lignes), entier pour les détails.
Avis avec_chemin(const QString &modele, const QString &chemin)
{
    return {modele.arg(texte_court::chemin(chemin, 40)), modele.arg(QDir::toNativeSeparators(chemin))};
}

// Un fichier qui n'est pas ordinaire, ou un lien, au nom du fichier des
// points : l'avis nomme le fichier, les détails disent où il est.
Avis refus(const QString &chemin)
{
    const QString raison = fichier_sur::refus_cible(chemin, fichier_sur::Liens::refuses);
    if (raison.isEmpty())
        return {};
    const QString modele = QCoreApplication::translate("garde_points", "%1 : %2");
    return {modele.arg(QFileInfo(chemin).fileName(), raison), modele.arg(QDir::toNativeSeparators(chemin), raison)};
}

} // namespace

Precedents lire(const courbe::Variante &v)
{
    Precedents p;
    const QString c = chemin(v);
    if (c.isEmpty())
        return p;
    // Un octet de plus que le permis suffit à reconnaître un fichier trop grand.
    const fichier_sur::Lecture l = fichier_sur::lire(
        c, static_cast<qint64>(courbe::taille_max_points_gardes) + 1, fichier_sur::Liens::refuses);
    if (l.etat == fichier_sur::Lecture::Etat::absent)
        return p;
    if (l.etat == fichier_sur::Lecture::Etat::refuse) {
        p.raison = refus(c);
        if (!p.raison.vide()) {
            p.etat = Precedents::Etat::inutilisable;
            return p;
        }
    }
    p.etat = Precedents::Etat::abime;
    if (l.etat != fichier_sur::Lecture::Etat::lu)
        return p;
    const QByteArray &octets = l.octets;
    const auto lus = courbe::lire_points_gardes(std::string_view(octets.constData(), octets.size()),
                                                v.programme, static_cast<int>(v.grandeurs.size()));
    if (!lus)
        return p;
    p.etat = Precedents::Etat::lus;
    p.points = *lus;
    p.date = QFileInfo(c).lastModified();
    return p;
}

Avis garder(const courbe::CourbeEnregistree &c, const courbe::Variante &v)
{
    const QString f = chemin(v);
    if (f.isEmpty()) {
        if (v.programme.empty())
            return {};
        const QString r = QCoreApplication::translate("garde_points", "aucun dossier de données n'est connu");
        return {r, r};
    }
    // Ni écrit, ni supprimé : ce qui est à ce nom n'est pas le fichier de la suite.
    if (Avis r = refus(f); !r.vide())
        return r;
    if (c.nb_points <= 0) {
        if (QFileInfo::exists(f) && !QFile::remove(f))
            return avec_chemin(QCoreApplication::translate("garde_points", "l'ancien fichier %1 n'a pas pu être supprimé"), f);
        return {};
    }
    const QString dossier = QFileInfo(f).path();
    if (!QDir().mkpath(dossier))
        return avec_chemin(QCoreApplication::translate("garde_points", "le dossier %1 n'a pas pu être créé"), dossier);
    const fichier_sur::Ecriture e = fichier_sur::ecrire(
        f, QByteArray::fromStdString(courbe::texte_points_gardes(c, v.programme)), fichier_sur::Liens::refuses);
    if (e.reussie)
        return {};
    return {e.raison, e.raison};
}

} // namespace garde_points
