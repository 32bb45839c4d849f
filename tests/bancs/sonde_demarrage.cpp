// SPDX-License-Identifier: GPL-3.0-or-later
// Sonde de démarrage, chargée par LD_PRELOAD dans un programme installé : le
// programme est lancé tel quel, sans argument, et la sonde rapporte sur la
// sortie standard chaque fenêtre de haut niveau qui paraît. Elle appuie sur
// OK dans l'accueil (au lieu d'attendre cinq secondes), puis termine le
// programme dès que la fenêtre principale est visible. Sans fenêtre
// principale au bout de 20 s, elle le termine avec le code 3.
#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void rapporter(const QString &ligne)
{
    std::printf("sonde: %s\n", qPrintable(ligne));
    std::fflush(stdout);
}

class Sonde : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::Show)
            return false;
        auto *fenetre = qobject_cast<QWidget *>(objet);
        if (!fenetre || !fenetre->isWindow() || fini_)
            return false;
        // Le filtre voit l'événement avant que la fenêtre ne soit marquée
        // visible : le constat se fait au tour de boucle suivant.
        QTimer::singleShot(0, this, [this, fenetre] { constater(fenetre); });
        return false;
    }

private:
    void constater(QWidget *fenetre)
    {
        if (fini_ || !fenetre->isVisible())
            return;
        rapporter(QStringLiteral("fenêtre %1 « %2 »").arg(fenetre->objectName(), fenetre->windowTitle()));
        if (fenetre->objectName() == QLatin1String("Intro")) {
            if (auto *ok = fenetre->findChild<QAbstractButton *>(QStringLiteral("OK")))
                ok->click();
            return;
        }
        fini_ = true;
        const QIcon icone = fenetre->windowIcon();
        rapporter(QStringLiteral("icône %1")
                      .arg(icone.isNull() ? QStringLiteral("absente")
                                          : QString::number(icone.availableSizes().size())));
        QCoreApplication::exit(0);
    }

    bool fini_ = false;
};

void installer_sonde()
{
    auto *sonde = new Sonde(qApp);
    qApp->installEventFilter(sonde);
    QMetaObject::invokeMethod(
        qApp,
        [] {
            QTimer::singleShot(20000, qApp, [] {
                rapporter(QStringLiteral("pas de fenêtre principale"));
                QCoreApplication::exit(3);
            });
        },
        Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installer_sonde)
