// SPDX-License-Identifier: GPL-3.0-or-later
// Textes raccourcis des avis d'une ligne : chemins coupés en leur milieu,
// citations propres de la sortie d'erreur d'un programme.
#include "texte_court.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(TexteCourt, CheminCoupeEnSonMilieuSansSeparerUnCaractere)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x93\x81"); // deux unités UTF-16
    const struct {
        QString chemin;
        int maximum;
        QString attendu;
    } cas[] = {
        {"/home/eleve/points.txt", 60, "/home/eleve/points.txt"},
        {"/abcdefghij/points.txt", 12, "/abcd…ts.txt"},
        {"/" + QString(4000, 'd') + "/points.txt", 21, "/ddddddddd…points.txt"},
        // Coupé au milieu d'un emoji : la moitié orpheline part avec la coupe.
        {"/abc" + emoji + "zzzzzzzzzz", 12, "/abc…zzzzzz"},
        {"/ab" + emoji + emoji + "xyz", 8, "/ab…xyz"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.chemin.left(40).toStdString());
        const QString court = texte_court::chemin(c.chemin, c.maximum);
        EXPECT_EQ(court, QDir::toNativeSeparators(c.attendu)); // « \ » sous Windows
        EXPECT_LE(court.size(), c.maximum);
    }
}

TEST(TexteCourt, CitationPremiereLignePropreEtCourte)
{
    const QString r = QString(QChar(0xFFFD));
    const struct {
        QByteArray sortie;
        QString attendu;
    } cas[] = {
        {"gresil: could not connect to display :99\nsuite\n", "gresil: could not connect to display :99"},
        {"  erreur\r\nsuite", "erreur"},
        {"a\tb\x1b[31mc\x07", "a b" + r + "[31mc" + r},
        {"\xff\xfe mojibake \xc3", r + r + " mojibake " + r},
        {QByteArray("nul\0ici", 7), "nul" + r + "ici"},
        {"fichier \xe2\x80\xae" "fdp.exe", "fichier " + r + "fdp.exe"}, // renversement du sens d'écriture
        {QByteArray(1000, 'x'), QString(199, 'x') + QChar(0x2026)},
        {QByteArray(200, 'x'), QString(200, 'x')},
        {"", ""},
        {"\n\nplus bas\n", "plus bas"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.sortie.left(40).toStdString());
        EXPECT_EQ(texte_court::citation(c.sortie), c.attendu);
    }
}
