// SPDX-License-Identifier: GPL-3.0-or-later
#include "captures.h"

#include "polices.h"
#include "traductions.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstdio>

namespace capture {

namespace {
QString dossier = QStringLiteral("captures");
} // namespace

void preparer(QApplication &application, int argc, char **argv)
{
    // BANCS_LANGUE=en : les captures de l'interface anglaise.
    if (const auto langue = traductions::lire_code(qgetenv("BANCS_LANGUE").toStdString()))
        traductions::fixer(*langue);
    polices::preparer_application(application);
    application.setQuitOnLastWindowClosed(false);
    if (argc > 1)
        dossier = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dossier);
    // Les points gardés par l'enregistreur vont dans un dossier jetable, pas
    // dans les données du développeur.
    static QTemporaryDir donnees;
    qputenv("XDG_DATA_HOME", donnees.path().toLocal8Bit());
}

void capturer(QWidget *fenetre, const char *nom)
{
    fenetre->show();
    QApplication::processEvents();
    QTest::qWait(50);
    const QString chemin = QDir(dossier).filePath(QString::fromUtf8(nom) + ".png");
    if (!fenetre->grab().save(chemin))
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(chemin));
    else
        std::printf("%s\n", qPrintable(chemin));
}

void capturer_focus(QWidget *controle, const char *nom)
{
    QWidget *fenetre = controle->window();
    fenetre->show();
    fenetre->activateWindow();
    if (!QTest::qWaitForWindowActive(fenetre))
        std::fprintf(stderr, "fenêtre %s pas active\n", qPrintable(fenetre->objectName()));
    controle->setFocus(Qt::TabFocusReason);
    capturer(fenetre, nom);
}

} // namespace capture
