// SPDX-License-Identifier: GPL-3.0-or-later
#include "texte_court.h"

#include <QDir>

namespace texte_court {

namespace {

const QChar points_de_suspension(0x2026);
const QChar remplacement(0xFFFD);

// Position de coupe qui ne sépare pas les deux moitiés d'un caractère hors
// du plan de base (emoji…) : la moitié orpheline part avec ce qui est coupé,
// vers le début (« avant ») ou vers la fin.
qsizetype coupe(const QString &texte, qsizetype position, bool avant)
{
    if (position > 0 && position < texte.size() && texte.at(position).isLowSurrogate())
        return avant ? position - 1 : position + 1;
    return position;
}

// Caractères qui changent l'ordre d'affichage du texte qui les suit.
bool commande_de_sens(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString chemin(const QString &chemin, int maximum)
{
    const QString natif = QDir::toNativeSeparators(chemin);
    if (maximum < 3 || natif.size() <= maximum)
        return natif;
    // Un peu plus de la fin que du début : le nom du fichier y est.
    const qsizetype fin = (maximum - 1) / 2 + (maximum - 1) % 2;
    const qsizetype debut = maximum - 1 - fin;
    const qsizetype a = coupe(natif, debut, true);
    const qsizetype b = coupe(natif, natif.size() - fin, false);
    return natif.left(a) + points_de_suspension + natif.mid(b);
}

QString citation(const QByteArray &octets, int maximum)
{
    // Les lignes vides du début ne disent rien.
    const QByteArray sortie = octets.trimmed();
    const qsizetype fin = sortie.indexOf('\n');
    QByteArray premiere = fin < 0 ? sortie : sortie.left(fin);
    if (premiere.endsWith('\r'))
        premiere.chop(1); // fin de ligne « \r\n »
    // Les programmes de la suite écrivent en UTF-8 sur tous les systèmes
    // (sous Windows, la page de code du poste n'y est pour rien).
    const QString ligne = QString::fromUtf8(premiere);
    QString propre;
    propre.reserve(ligne.size());
    for (const QChar c : ligne) {
        if (c == QLatin1Char('\t'))
            propre += QLatin1Char(' ');
        else if (c.category() == QChar::Other_Control || commande_de_sens(c))
            propre += remplacement;
        else
            propre += c;
    }
    propre = propre.trimmed();
    if (maximum < 2 || propre.size() <= maximum)
        return propre;
    return propre.left(coupe(propre, maximum - 1, true)) + points_de_suspension;
}

} // namespace texte_court
