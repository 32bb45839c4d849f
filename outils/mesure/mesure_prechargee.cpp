// SPDX-License-Identifier: GPL-3.0-or-later
// Sonde de mesure, chargée dans un programme de la suite (ou dans le
// programme nu) par LD_PRELOAD : le programme mesuré est le vrai, tel que
// l'élève le lance, avec sa boucle d'événements et son serveur X.
// outils/mesurer.sh s'en sert ; sans BANCS_MESURE_T0 elle ne fait rien.
//
// Variables lues :
//   BANCS_MESURE_T0      instant du lancement ($EPOCHREALTIME du script) ;
//   BANCS_MESURE_DUREE   durée de chaque mesure du temps processeur, en s
//                        (absente : le programme quitte dès sa fenêtre
//                        principale montrée) ;
//   BANCS_MESURE_REPOS   étapes jouées avant la mesure au repos ;
//   BANCS_MESURE_ANIME   étapes qui mettent le banc en mouvement (vide : pas
//                        de mesure animée) ;
//   BANCS_MESURE_BASCULES « nom*N » : à la place des mesures de processeur,
//                        N clics sur le contrôle, la boucle d'événements
//                        servie entre deux (le bouton se redessine), et la
//                        mémoire résidente écrite tous les 500 clics :
//                        « BASCULES clics=… residente_ko=… ».
// Étapes séparées par « ; » : « nom=texte » remplace le texte d'une saisie
// et tape Entrée, « !nom » clique un contrôle en son centre, « nom#i »
// choisit l'élément i d'une liste.
//
// Une ligne sur la sortie standard :
//   MESURE accueil_ms=… principale_ms=… controles=… largeur=… hauteur=…
//          cpu_repos=… cpu_anime=… memoire_ko=…
// (les temps processeur en % d'un cœur, utilisateur + système, lus dans la
// comptabilité du processus lui-même).

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double maintenant_s()
{
    const auto t = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(t).count();
}

double processeur_s()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

long memoire_residente_ko()
{
    std::FILE *f = std::fopen("/proc/self/status", "r");
    long ko = -1;
    char ligne[256];
    while (f && std::fgets(ligne, sizeof ligne, f))
        if (std::sscanf(ligne, "VmRSS: %ld", &ko) == 1)
            break;
    if (f)
        std::fclose(f);
    return ko;
}

long memoire_max_ko()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

QWidget *trouver(const QString &nom)
{
    for (QWidget *f : QApplication::topLevelWidgets())
        if (f->isVisible())
            if (auto *c = f->findChild<QWidget *>(nom); c && c->isVisible())
                return c;
    std::fprintf(stderr, "mesure : contrôle introuvable : %s\n", qPrintable(nom));
    return nullptr;
}

void cliquer(QWidget *w)
{
    const QPointF p = QRectF(w->rect()).center();
    for (const QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, p, w->mapToGlobal(p), Qt::LeftButton,
                      t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

void jouer(const QString &etapes)
{
    for (const QString &etape : etapes.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (etape.startsWith(QLatin1Char('!'))) {
            if (QWidget *w = trouver(etape.mid(1)))
                cliquer(w);
        } else if (etape.contains(QLatin1Char('='))) {
            if (auto *e = qobject_cast<QLineEdit *>(trouver(etape.section(QLatin1Char('='), 0, 0)))) {
                e->setText(etape.section(QLatin1Char('='), 1));
                for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
                    QKeyEvent k(t, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                    QApplication::sendEvent(e, &k);
                }
            }
        } else if (auto *l = qobject_cast<QComboBox *>(trouver(etape.section(QLatin1Char('#'), 0, 0)))) {
            const int i = etape.section(QLatin1Char('#'), 1).toInt();
            l->setCurrentIndex(i);
            emit l->activated(i);
        }
    }
}

class Sonde : public QObject
{
public:
    explicit Sonde(double t0) : QObject(qApp), t0_(t0) {}

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::Expose || principale_)
            return false;
        auto *fenetre = qobject_cast<QWindow *>(objet);
        if (!fenetre || !fenetre->isExposed())
            return false;
        QWidget *w = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->windowHandle() == fenetre)
                w = t;
        if (!w)
            return false;
        const double ms = (maintenant_s() - t0_) * 1000.0;
        if (accueil_ms_ < 0)
            accueil_ms_ = ms;
        if (w->objectName() == QLatin1String("Intro")) {
            // L'accueil passe la main tout de suite, comme sur « OK ».
            QPointer<QWidget> intro = w;
            QTimer::singleShot(0, this, [intro] {
                if (intro)
                    if (auto *ok = intro->findChild<QAbstractButton *>(QStringLiteral("OK")))
                        ok->click();
            });
            return false;
        }
        principale_ = w;
        principale_ms_ = ms;
        QTimer::singleShot(0, this, [this] { suite(); });
        return false;
    }

private:
    void suite()
    {
        if (const QString b = qEnvironmentVariable("BANCS_MESURE_BASCULES"); !b.isEmpty()) {
            basculer(b.section(QLatin1Char('*'), 0, 0), 0, b.section(QLatin1Char('*'), 1).toInt());
            return;
        }
        const double duree = qEnvironmentVariableIsSet("BANCS_MESURE_DUREE")
                                 ? qEnvironmentVariable("BANCS_MESURE_DUREE").toDouble()
                                 : 0.0;
        if (duree <= 0) {
            terminer();
            return;
        }
        const int attente_ms = 2000; // le temps que tout se pose
        const int duree_ms = static_cast<int>(duree * 1000);
        jouer(qEnvironmentVariable("BANCS_MESURE_REPOS"));
        QTimer::singleShot(attente_ms, this, [=, this] {
            mesurer(duree_ms, cpu_repos_, [=, this] {
                const QString anime = qEnvironmentVariable("BANCS_MESURE_ANIME");
                if (anime.isEmpty()) {
                    terminer();
                    return;
                }
                jouer(anime);
                QTimer::singleShot(attente_ms, this,
                                   [=, this] { mesurer(duree_ms, cpu_anime_, [this] { terminer(); }); });
            });
        });
    }

    void basculer(const QString &nom, int fait, int total)
    {
        if (fait % 500 == 0 || fait == total) {
            std::printf("BASCULES clics=%d residente_ko=%ld\n", fait, memoire_residente_ko());
            std::fflush(stdout);
        }
        if (fait == total) {
            terminer();
            return;
        }
        if (QWidget *w = trouver(nom))
            cliquer(w);
        // Un tour de boucle entre deux clics : peinture et événements en attente.
        QTimer::singleShot(0, this, [=, this] { basculer(nom, fait + 1, total); });
    }

    template <typename Suite> void mesurer(int duree_ms, double &resultat, Suite suite)
    {
        const double mur = maintenant_s(), cpu = processeur_s();
        QTimer::singleShot(duree_ms, this, [=, this, &resultat] {
            resultat = 100.0 * (processeur_s() - cpu) / (maintenant_s() - mur);
            suite();
        });
    }

    void terminer()
    {
        std::printf("MESURE accueil_ms=%.1f principale_ms=%.1f controles=%lld largeur=%d hauteur=%d "
                    "cpu_repos=%.2f cpu_anime=%.2f memoire_ko=%ld\n",
                    accueil_ms_, principale_ms_,
                    static_cast<long long>(principale_ ? principale_->findChildren<QWidget *>().size() : 0),
                    principale_ ? principale_->width() : 0, principale_ ? principale_->height() : 0, cpu_repos_,
                    cpu_anime_, memoire_max_ko());
        std::fflush(stdout);
        // Sortie immédiate : la destruction des fenêtres n'est pas mesurée.
        std::_Exit(0);
    }

    double t0_;
    double accueil_ms_ = -1, principale_ms_ = -1;
    double cpu_repos_ = -1, cpu_anime_ = -1;
    QPointer<QWidget> principale_;
};

void installer()
{
    if (!qEnvironmentVariableIsSet("BANCS_MESURE_T0"))
        return;
    const double t0 = qEnvironmentVariable("BANCS_MESURE_T0").replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    qApp->installEventFilter(new Sonde(t0));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installer)
