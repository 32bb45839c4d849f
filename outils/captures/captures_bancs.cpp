// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran du lanceur (outils/captures.sh) : au repos, une tuile
// choisie au clavier, et le message d'un programme qui ne peut pas démarrer.
#include "captures.h"
#include "lanceur.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);

    // Un dossier vide : aucun programme n'y est installé.
    QTemporaryDir vide;
    auto *bancs = new Bancs(vide.path());
    capture::capturer(bancs, "bancs");

    bancs->activateWindow();
    if (!QTest::qWaitForWindowActive(bancs))
        std::fprintf(stderr, "fenêtre du lanceur jamais active\n");
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    capture::capturer(bancs, "bancs_clavier");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    if (auto *message = bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement")))
        capture::capturer(message, "bancs_message");
    capture::capturer(bancs, "bancs_echec");
    return 0;
}
