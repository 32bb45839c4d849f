// SPDX-License-Identifier: GPL-3.0-or-later
// Sonde de démarrage, chargée par LD_PRELOAD dans un programme de la suite :
// le programme est lancé tel quel et la sonde rapporte sur la sortie
// standard chaque fenêtre de haut niveau qui paraît. Elle appuie sur OK dans
// l'accueil (au lieu d'attendre cinq secondes), puis termine le programme dès
// que la fenêtre principale est visible. Sans fenêtre principale au bout de
// 20 s, elle le termine avec le code 3.
//
// Avec SONDE_FENETRES=1, elle ouvre d'abord, comme un élève, chaque fenêtre
// que le programme peut ouvrir, et rapporte la place de chacune (cadre
// compris) et ses contrôles qui en sortiraient :
//   ecran <x> <y> <largeur> <hauteur> <pixels de l'écran par pixel logique>
//   place <nom> <feuille|boite> <x> <y> <largeur> <hauteur>
//   deborde <fenêtre> <contrôle>
// Avec SONDE_ECRAN=<préfixe>, elle enregistre tout l'écran quand la fenêtre
// principale a paru puis après chaque étape, dans <préfixe>-<n>.png : ce que
// montre le vidéoprojecteur (outils/captures.sh).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <map>

namespace {

void rapporter(const QString &ligne)
{
    std::printf("sonde: %s\n", qPrintable(ligne));
    std::fflush(stdout);
}

// Ce qu'un élève fait pour ouvrir chaque fenêtre du programme : « !nom »
// appuie sur un bouton (« fenêtre/nom » s'il y en a deux de ce nom),
// « nom=texte » tape un texte suivi d'Entrée, « nom#i » choisit l'élément i
// d'une liste. Exporter une période sans grandeur choisie donne un message,
// puis la boîte de fichier.
const QStringList oscillo{"!exporter_periode", "choix_grandeur(0)#1", "!exporter_periode", "!bouton_spectre"};
const std::map<QString, QStringList> scenarios{
    {"vek",
     {"!trace_courbe", "!courbe/impression", "!apercu_impression/impression", "choixUi=220", "!Interinduit",
      "!modif_moteur", "mot_de_passe/Text1=vortis"}},
    {"sodel",
     {"!trace_courbe", "!courbes/impression", "!apercu_impression/impression", "choix_charge#1",
      "!Bouton_caract"}},
    {"trivon", {"!trace_courbe", "!courbe/impression", "!apercu_impression/impression", "choix_uvek=100000"}},
    {"transfo", {"choix_u1=230", "!commande_kv", "!commande_kcc"}},
    {"orvalt", oscillo},
    {"gresil", oscillo},
    {"fenoul", oscillo},
    {"onduleur", oscillo},
};

void jouer(const QString &etape)
{
    const QString chemin =
        etape.section(QRegularExpression(QStringLiteral("[=#]")), 0, 0).remove(QLatin1Char('!'));
    const QString fenetre =
        chemin.contains(QLatin1Char('/')) ? chemin.section(QLatin1Char('/'), 0, 0) : QString();
    QWidget *w = nullptr;
    for (QWidget *f : QApplication::topLevelWidgets())
        if (f->isVisible() && (fenetre.isEmpty() || f->objectName() == fenetre))
            if (auto *c = f->findChild<QWidget *>(chemin.section(QLatin1Char('/'), -1)); c && c->isVisible())
                w = c;
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        b->click();
    } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(etape.section(QLatin1Char('='), 1));
        emit e->returnPressed();
    } else if (auto *l = qobject_cast<QComboBox *>(w)) {
        l->setCurrentIndex(etape.section(QLatin1Char('#'), 1).toInt());
        emit l->activated(l->currentIndex());
    } else {
        rapporter(QStringLiteral("introuvable %1").arg(etape));
    }
}

// Place d'une fenêtre à l'écran, et ses contrôles qui en sortiraient.
void decrire(QWidget *fenetre)
{
    const QRect r = fenetre->frameGeometry();
    rapporter(QString::asprintf("place %s %s %d %d %d %d", qPrintable(fenetre->objectName()),
                                fenetre->inherits("Feuille") ? "feuille" : "boite", r.x(), r.y(), r.width(),
                                r.height()));
    for (QWidget *c : fenetre->findChildren<QWidget *>()) {
        // La marque du focus déborde de son contrôle par construction.
        if (!c->isVisibleTo(fenetre) || c->window() != fenetre || qobject_cast<QFocusFrame *>(c))
            continue;
        if (!fenetre->rect().contains(QRect(c->mapTo(fenetre, QPoint(0, 0)), c->size())))
            rapporter(QStringLiteral("deborde %1 %2").arg(fenetre->objectName(), c->objectName()));
    }
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
        const Qt::WindowType type = fenetre->windowType();
        if (type != Qt::Window && type != Qt::Dialog)
            return false;
        // Le filtre voit l'événement avant que la fenêtre ne soit marquée
        // visible : le constat se fait au tour de boucle suivant.
        QPointer<QWidget> f = fenetre;
        QTimer::singleShot(0, this, [this, f] {
            if (f)
                constater(f);
        });
        return false;
    }

private:
    void constater(QWidget *fenetre)
    {
        if (fini_ || !fenetre->isVisible())
            return;
        if (fenetres_)
            decrire(fenetre);
        if (principale_)
            return;
        rapporter(QStringLiteral("fenêtre %1 « %2 »").arg(fenetre->objectName(), fenetre->windowTitle()));
        if (fenetre->objectName() == QLatin1String("Intro")) {
            if (auto *ok = fenetre->findChild<QAbstractButton *>(QStringLiteral("OK")))
                ok->click();
            return;
        }
        principale_ = true;
        const QIcon icone = fenetre->windowIcon();
        rapporter(QStringLiteral("icône %1")
                      .arg(icone.isNull() ? QStringLiteral("absente")
                                          : QString::number(icone.availableSizes().size())));
        if (!fenetres_) {
            finir();
            return;
        }
        const QRect d = fenetre->screen()->availableGeometry();
        rapporter(QString::asprintf("ecran %d %d %d %d %g", d.x(), d.y(), d.width(), d.height(),
                                    fenetre->screen()->devicePixelRatio()));
        if (const auto s = scenarios.find(QCoreApplication::applicationName()); s != scenarios.end())
            etapes_ = s->second;
        QTimer::singleShot(ecran_.isEmpty() ? 0 : 300, this, [this] { suite(); });
    }

    // Une étape par tour de boucle : la fenêtre qu'elle ouvre est décrite
    // avant l'étape suivante (et peinte, si l'écran est enregistré).
    void suite()
    {
        enregistrer_ecran();
        if (etapes_.isEmpty()) {
            QTimer::singleShot(100, this, [this] { finir(); });
            return;
        }
        jouer(etapes_.takeFirst());
        QTimer::singleShot(ecran_.isEmpty() ? 20 : 300, this, [this] { suite(); });
    }

    void enregistrer_ecran()
    {
        if (!ecran_.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(
                QStringLiteral("%1-%2.png").arg(ecran_).arg(images_++));
    }

    void finir()
    {
        fini_ = true;
        QCoreApplication::exit(0);
    }

    const bool fenetres_ = qEnvironmentVariableIntValue("SONDE_FENETRES") == 1;
    const QString ecran_ = qEnvironmentVariable("SONDE_ECRAN");
    int images_ = 0;
    QStringList etapes_;
    bool principale_ = false;
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
