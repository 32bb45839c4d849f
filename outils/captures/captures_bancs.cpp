// SPDX-License-Identifier: GPL-3.0-or-later
// Captures d'écran du lanceur (outils/captures.sh) : au repos, une tuile
// choisie au clavier, le message d'un programme qui ne peut pas démarrer, et
// celui d'un programme qui s'arrête aussitôt en erreur.
#include "captures.h"
#include "lanceur.h"

#include <QApplication>
#include <QFile>
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
    if (auto *message = bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement")))
        message->accept();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // la boîte fermée est détruite

    // Un faux gresil qui ne trouve pas d'affichage, comme sans serveur X.
    QFile faux(vide.filePath(QStringLiteral("gresil")));
    if (faux.open(QIODevice::WriteOnly)) {
        faux.write("#!/bin/sh\necho 'qt.qpa.xcb: could not connect to display :0' >&2\nexit 1\n");
        faux.close();
        faux.setPermissions(faux.permissions() | QFileDevice::ExeOwner);
    }
    QTest::mouseClick(bancs->findChild<QWidget *>(QStringLiteral("tuile(4)")), Qt::LeftButton);
    if (!QTest::qWaitFor([bancs] { return bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement")); },
                         5000))
        std::fprintf(stderr, "aucun message pour le programme arrêté\n");
    if (auto *message = bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement")))
        capture::capturer(message, "bancs_arret_message");
    capture::capturer(bancs, "bancs_arret");
    return 0;
}
