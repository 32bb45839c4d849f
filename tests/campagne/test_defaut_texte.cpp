// SPDX-License-Identifier: GPL-3.0-or-later
// Le juge des textes visibles de la campagne : ce qu'il laisse passer et ce
// qu'il signale.
#include "campagne.h"
#include "feuille.h"
#include "polices.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(DefautTexte, SignaleLesTextesAbsurdesEtLaisseLesAutres)
{
    const struct {
        QString texte;
        bool defaut;
    } cas[] = {
        {"230", false},
        {"I = 12,5 A", false},
        {"Information : maintenant, l'infini", false},
        {"nan", true},
        {"-nan", true},
        {"U = -inf V", true},
        {"1.#INF", true},
        {"Infinity", true},
        {"NaN A", true},
        {"123456789012345", false},
        {"1234567890123456", true},
        {"0.1000000000000000055", true},
        {"0.0499999942533646", false},
        {"0.04999999425336461", true},
        {"0.0000000000000000", true},
        {"1e-5", false},
        {"9.9e-5", false},
        {"1.5e-3", true},
        {"1e-4", true},
        {"3,2E+02 W", true},
        {"9.9e14", true},
        {"1e15", false},
        {"2E+20", false},
        {"0e0", false},
        {"2e harmonique", false},
        {QString(400, QLatin1Char('a')), false},
        {QString(401, QLatin1Char('a')), true},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.texte.left(40).toStdString());
        EXPECT_EQ(!campagne::defaut_texte(c.texte).isEmpty(), c.defaut)
            << campagne::defaut_texte(c.texte).toStdString();
    }
}

TEST(DefautTexte, LeCorpusContientLesEntreesHostilesAttendues)
{
    const QStringList &c = campagne::corpus();
    for (const char *e : {"", "1e999", "-1e999", "1e-400", "nan", "inf", "-0", "1,5", "--5", "0x10",
                          "Infinity", "4.9e-324", "1.7976931348623157e308", "\t12", "12\n5"})
        EXPECT_TRUE(c.contains(QString::fromUtf8(e))) << e;
    EXPECT_TRUE(c.contains(QString::fromUtf8("\u2212"
                                             "5")));
    EXPECT_TRUE(c.contains(QString(10000, QLatin1Char('9'))));
}

TEST(DefautTexte, LaCampagneJugeAussiLesTextesPeints)
{
    // Une feuille qui peint « nan » dans sa surface et un nombre sain qui en
    // déborde : les deux sont signalés, au moment où ils sont peints.
    const campagne::Programme programme{
        QStringLiteral("essai"),
        [] {
            auto *f = new Feuille(QStringLiteral("essai"), QStringLiteral("Essai"), 3000, 2000);
            f->setAttribute(Qt::WA_DeleteOnClose);
            f->show();
            f->texte(100, 100, QStringLiteral("nan"), polices::police(9, false));
            f->texte(2900, 100, QStringLiteral("230 V"), polices::police(9, false));
        },
        {{QStringLiteral("au repos"), [] {}}},
        1,
        1};
    ::testing::TestPartResultArray echecs;
    {
        const ::testing::ScopedFakeTestPartResultReporter espion(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &echecs);
        campagne::exercer(programme);
    }
    bool nan_signale = false, debord_signale = false;
    for (int i = 0; i < echecs.size(); ++i) {
        const std::string m = echecs.GetTestPartResult(i).message();
        nan_signale |= m.find("essai/essai peint « nan »") != std::string::npos;
        debord_signale |= m.find("« 230 V » hors de sa surface") != std::string::npos;
    }
    EXPECT_TRUE(nan_signale);
    EXPECT_TRUE(debord_signale);
    campagne::fermer_tout();
}
