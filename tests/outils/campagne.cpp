// SPDX-License-Identifier: GPL-3.0-or-later
#include "campagne.h"

#include "apercu_impression.h"
#include "courbe.h"
#include "exportation.h"
#include "feuille.h"
#include "fichier_sur.h"
#include "garde_points.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace campagne {

const QStringList &corpus()
{
    static const QStringList entrees = [] {
        QStringList c = {"",
                         " ",
                         "a",
                         "abc",
                         "Valid",
                         "nan",
                         "NaN",
                         "-nan",
                         "inf",
                         "-inf",
                         "Infinity",
                         "-Infinity",
                         "1e999",
                         "-1e999",
                         "1e-400",
                         "-0",
                         "0",
                         "-0.0",
                         "1,5",
                         "--5",
                         "+-5",
                         "0x10",
                         "1e",
                         "1e+",
                         ".",
                         "-",
                         "+",
                         ",",
                         "3.14.15",
                         "230abc",
                         "1 000",
                         "5%",
                         "1/2",
                         "1e308",
                         "1.7976931348623157e308",
                         "-1.7976931348623157e308",
                         "4.9e-324",
                         "-4.9e-324",
                         "1e-300",
                         "0.0001",
                         "0,00001",
                         "1e15",
                         "1e16",
                         "2147483648",
                         "-2147483649",
                         "9223372036854775808",
                         "123456789012345678901234567890",
                         "1000000",
                         "-1000000",
                         "-1e6",
                         "1e9",
                         "-400",
                         "0.001",
                         "  12",
                         "\t12",
                         " 230 ",
                         "12\n5",
                         "\r",
                         "\x01\x02\x1b",
                         "\x7f",
                         QString::fromUtf8("\u2212"
                                           "5"),
                         QString::fromUtf8("\uff11\uff12\uff13"),
                         QString::fromUtf8("\u0661\u0662\u0663"),
                         QString::fromUtf8("\u03b1\u03b2\u03b3 \u03a9"),
                         QString::fromUtf8("\u7535\u538b"),
                         QString::fromUtf8("\u26a1\U0001F600"),
                         QString::fromUtf8("\u00bd")};
        c.append(QString(10000, QLatin1Char('9')));
        c.append(QStringLiteral("-") + QString(10000, QLatin1Char('9')));
        c.append(QStringLiteral("0.") + QString(5000, QLatin1Char('0')) + QStringLiteral("1"));
        c.append(QString(500, QLatin1Char('x')));
        c.append(QString(QChar(0)) + QStringLiteral("5"));
        return c;
    }();
    return entrees;
}

QString defaut_texte(const QString &texte)
{
    static const QRegularExpression non_nombre(QStringLiteral("(?<!\\p{L})(nan|inf|infinity)(?!\\p{L})"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::UseUnicodePropertiesOption);
    // Les zéros de tête d'une fraction ne comptent pas : « 0.0499999942533646 »
    // est un double écrit à 15 chiffres significatifs, comme tout le programme.
    static const QRegularExpression chiffres(QStringLiteral("[1-9][0-9]{15,}|0{16,}"));
    static const QRegularExpression exposant(
        QStringLiteral("([0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)[eE]([-+]?[0-9]+)"));
    if (texte.size() > 400)
        return QStringLiteral("plus de 400 caractères (%1)").arg(texte.size());
    if (non_nombre.match(texte).hasMatch())
        return QStringLiteral("nan ou inf");
    if (chiffres.match(texte).hasMatch())
        return QStringLiteral("16 chiffres de suite ou plus");
    for (auto it = exposant.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const double mantisse = m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        if (mantisse == 0)
            continue;
        const double ordre = std::log10(mantisse) + m.captured(2).toDouble();
        if (ordre >= -4 && ordre < 15)
            return QStringLiteral("notation exponentielle pour une grandeur ordinaire");
    }
    return {};
}

namespace {

// Où en est la campagne : de quoi retrouver et rejouer un défaut.
struct Contexte {
    QString programme, etat, action;
    unsigned graine = 0;
    int defauts = 0;
    int saisies = 0, actions = 0, redemarrages = 0; // bilan
};
Contexte ctx;

void signaler(const QString &defaut)
{
    ++ctx.defauts;
    if (ctx.defauts <= 12)
        ADD_FAILURE() << ctx.programme.toStdString() << ", état « " << ctx.etat.toStdString() << " », graine "
                      << ctx.graine << ", après « " << ctx.action.left(80).toStdString()
                      << " » : " << defaut.toStdString();
}

bool est_fenetre(const QWidget *w)
{
    const Qt::WindowType t = w->windowType();
    return w->isVisible() && t != Qt::Popup && t != Qt::ToolTip && t != Qt::Desktop;
}

QList<QPointer<QWidget>> fenetres()
{
    QList<QPointer<QWidget>> liste;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (est_fenetre(w))
            liste.append(w);
    // Qt rend les fenêtres dans l'ordre d'un ensemble haché (selon leurs
    // adresses) : triées par nom, une graine rejoue la même suite d'actions.
    std::stable_sort(liste.begin(), liste.end(), [](const QPointer<QWidget> &a, const QPointer<QWidget> &b) {
        return std::pair(a->objectName(), a->windowTitle()) < std::pair(b->objectName(), b->windowTitle());
    });
    return liste;
}

// Contrôles visibles d'un type dans toutes les fenêtres.
template <typename T> QList<QPointer<T>> visibles(bool actifs = true)
{
    QList<QPointer<T>> liste;
    for (const QPointer<QWidget> &f : fenetres())
        for (T *c : f->findChildren<T *>())
            if (c->isVisible() && (!actifs || c->isEnabled()))
                liste.append(c);
    return liste;
}

// Les zones où l'élève peut taper (les afficheurs en lecture seule exceptés).
QList<QPointer<QLineEdit>> saisies()
{
    QList<QPointer<QLineEdit>> liste = visibles<QLineEdit>();
    liste.removeIf([](const QPointer<QLineEdit> &e) { return e->isReadOnly(); });
    return liste;
}

// Fichiers pièges : les exportations vont tour à tour vers un fichier
// ordinaire, un tube, un lien vers ce tube, un lien qui ne mène nulle part, un
// dossier, et un nom tapé sans extension quand le fichier avec l'extension
// existe (la question du remplacement vient, l'élève répond non) ; les points
// gardés de l'enregistreur trouvent à leur place un tube, un lien vers un tube
// ou un lien vers un fichier de l'élève. Rien n'y bloque, et après chaque
// action chaque piège est encore tel qu'il a été posé.
struct Pieges {
    QTemporaryDir dossier;
    QStringList cibles;
    int prochaine = 0;
    int questions = 0; // remplacements demandés à l'élève (il répond non)
    QString points;    // fichier des points gardés
    std::function<bool()> points_intacts = [] { return true; };
    int pose = 0;

    QString ici(const char *nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
#ifdef _WIN32
    // Windows n'a ni tubes nommés dans ses dossiers ni liens que Qt suive :
    // les pièges y sont le dossier, le fichier de l'élève et le nom sans
    // extension.
    static constexpr bool pieges_unix = false;
    static bool tube(const QString &) { return false; }
#else
    static constexpr bool pieges_unix = true;
    static bool tube(const QString &chemin) { return ::mkfifo(QFile::encodeName(chemin).constData(), 0600) == 0; }
#endif
    static bool special(const QString &chemin)
    {
        const QFileInfo i(chemin);
        return i.exists() && !i.isFile() && !i.isDir() && !i.isSymLink();
    }

    Pieges()
    {
        const bool poses = (!pieges_unix || (tube(ici("tube.csv")) && QFile::link(ici("tube.csv"), ici("vers_tube.csv")) &&
                                             QFile::link(ici("nulle_part.csv"), ici("perdu.csv")))) &&
                           QDir(dossier.path()).mkdir(QStringLiteral("dossier.csv")) &&
                           fichier_sur::ecrire(ici("mesures.csv"), "témoin").reussie &&
                           fichier_sur::ecrire(ici("eleve.txt"), "témoin").reussie;
        EXPECT_TRUE(poses) << "pièges de la campagne";
        for (const char *nom : {"export.csv", "tube.csv", "vers_tube.csv", "perdu.csv", "dossier.csv", "mesures"})
            if (pieges_unix || QByteArray(nom) == "export.csv" || QByteArray(nom) == "dossier.csv" ||
                QByteArray(nom) == "mesures")
                cibles << ici(nom);
        courbe::Variante v;
        v.programme = "campagne";
        points = garde_points::chemin(v);
    }

    QString cible_suivante() { return cibles[prochaine++ % cibles.size()]; }

    // Le piège suivant à la place du fichier des points gardés.
    void poser_points()
    {
        QDir().mkpath(QFileInfo(points).path());
        QFile::remove(points);
        QDir().rmdir(points);
        if (!pieges_unix) {
            QDir().mkdir(points);
            points_intacts = [this] { return QFileInfo(points).isDir(); };
            return;
        }
        switch (pose++ % 3) {
        case 0:
            tube(points);
            points_intacts = [this] { return special(points); };
            break;
        case 1:
            QFile::link(ici("tube.csv"), points);
            points_intacts = [this] { return QFileInfo(points).isSymLink(); };
            break;
        default:
            QFile::link(ici("eleve.txt"), points);
            points_intacts = [this] {
                QFile f(ici("eleve.txt"));
                return QFileInfo(points).isSymLink() && f.open(QIODevice::ReadOnly) && f.readAll() == "témoin";
            };
        }
    }

    // Le nom du piège qui a changé, vide si tous sont intacts.
    QString abime() const
    {
        if (pieges_unix && !special(ici("tube.csv")))
            return QStringLiteral("le tube");
        for (const char *lien : {"vers_tube.csv", "perdu.csv"})
            if (pieges_unix && !QFileInfo(ici(lien)).isSymLink())
                return QString::fromUtf8(lien);
        if (!QFileInfo(ici("dossier.csv")).isDir())
            return QStringLiteral("le dossier");
        QFile f(ici("mesures.csv"));
        if (!f.open(QIODevice::ReadOnly) || f.readAll() != "témoin")
            return QStringLiteral("mesures.csv, remplacé sans l'accord de l'élève");
        if (QFileInfo::exists(ici("mesures")))
            return QStringLiteral("« mesures » écrit sans son extension");
        if (!points_intacts())
            return QStringLiteral("le piège à la place des points gardés");
        return {};
    }
};

Pieges &pieges()
{
    static Pieges p;
    return p;
}

// Les messages de l'enregistreur et de l'aperçu sont recueillis et vérifiés au
// lieu d'ouvrir une boîte modale ; l'aperçu n'a pas d'imprimante et l'élève
// renonce au PDF (l'écriture d'une page prend des secondes ; les tests de
// l'aperçu la vérifient).
void apprivoiser()
{
    auto recueillir = [](const QString &message) {
        if (const QString d = defaut_texte(message); !d.isEmpty())
            signaler(QStringLiteral("message « %1 » : %2").arg(message.left(60), d));
    };
    // Les exportations vers un tableur s'écrivent dans un dossier temporaire,
    // jamais dans le dossier de l'utilisateur, sur les pièges tour à tour ;
    // leurs messages sont jugés.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *e = dynamic_cast<exportation::Exportateur *>(w)) {
            e->montrer_message = recueillir;
            e->demander_fichier_csv = [] { return pieges().cible_suivante(); };
        }
        // L'élève ne remplace pas le fichier existant.
        for (QMessageBox *question : w->findChildren<QMessageBox *>(QStringLiteral("confirmer_remplacement")))
            if (question->isVisible()) {
                ++pieges().questions;
                question->button(QMessageBox::No)->click();
            }
        // Une boîte de choix de fichier qui aurait échappé ne reste jamais
        // ouverte : des frappes au hasard y créeraient dossiers et fichiers.
        for (QFileDialog *boite : w->findChildren<QFileDialog *>())
            if (boite->isVisible())
                boite->reject();
        if (auto *a = qobject_cast<ApercuImpression *>(w)) {
            a->montrer_message = recueillir;
            a->imprimante_disponible = [] { return false; };
            a->demander_fichier_pdf = [] { return QString(); };
        }
    }
}

void verifier_texte(const QWidget *fenetre, const QWidget *controle, const QString &texte)
{
    if (const QString d = defaut_texte(texte); !d.isEmpty())
        signaler(QStringLiteral("%1/%2 montre « %3 » : %4")
                     .arg(fenetre->objectName(), controle->objectName(), texte.left(60), d));
}

void verifier()
{
    int alertes = 0;
    for (const QPointer<QWidget> &f : fenetres()) {
        if (f->objectName() == QLatin1String("feuille_mauvaise_manip") ||
            f->objectName() == QLatin1String("Fusible"))
            ++alertes;
        verifier_texte(f, f, f->windowTitle());
        const QRect cadre = f->rect();
        for (QWidget *c : f->findChildren<QWidget *>()) {
            // Les contrôles d'une fenêtre enfant (le spectre des oscillogrammes)
            // sont vus dans la leur, qui a sa propre place à l'écran.
            if (!c->isVisible() || c->window() != f.data())
                continue;
            const QRect place(c->mapTo(f.data(), QPoint(0, 0)), c->size());
            if (!c->objectName().isEmpty() && !cadre.contains(place))
                signaler(QStringLiteral("%1/%2 déborde de sa fenêtre").arg(f->objectName(), c->objectName()));
            if (auto *l = qobject_cast<QLabel *>(c))
                verifier_texte(f, c, l->text());
            else if (auto *b = qobject_cast<QAbstractButton *>(c))
                verifier_texte(f, c, b->text());
            else if (auto *g = qobject_cast<QGroupBox *>(c))
                verifier_texte(f, c, g->title());
            else if (auto *liste = qobject_cast<QComboBox *>(c))
                verifier_texte(f, c, liste->currentText());
            else if (auto *e = qobject_cast<QLineEdit *>(c); e && e->isReadOnly())
                verifier_texte(f, c, e->text());
        }
    }
    if (alertes > 1)
        signaler(QStringLiteral("%1 fenêtres d'avertissement ou de fusible ouvertes").arg(alertes));
    if (const QString piege = pieges().abime(); !piege.isEmpty())
        signaler(QStringLiteral("fichier piège changé : %1").arg(piege));
}

// Après chaque action : suppressions différées, repeintures, contrôles.
void apres(const QString &action)
{
    // CAMPAGNE_TRACE=1 : chaque action et sa durée, pour rejouer un défaut.
    static const bool trace = qEnvironmentVariableIntValue("CAMPAGNE_TRACE") > 0;
    static QElapsedTimer chrono;
    if (trace)
        qInfo("%6lld ms  %s", static_cast<long long>(chrono.restart()), qPrintable(action.left(80)));
    ctx.action = action;
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    apprivoiser();
    verifier();
}

void frapper(QLineEdit *e, const QString &texte)
{
    e->selectAll();
    e->insert(texte);
    QTest::keyClick(e, Qt::Key_Return);
}

void souris(QWidget *w, QEvent::Type type, QPointF p, Qt::MouseButtons boutons)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Un top de chaque minuterie active, appelé directement.
void tops()
{
    QList<QPointer<QTimer>> minuteries;
    for (const QPointer<QWidget> &f : fenetres())
        for (QTimer *t : f->findChildren<QTimer *>())
            if (t->isActive())
                minuteries.append(t);
    for (const QPointer<QTimer> &t : minuteries)
        if (t && t->isActive()) {
            QTimerEvent e(t->timerId());
            QApplication::sendEvent(t.data(), &e);
        }
}

QWidget *trouver(const QString &chemin)
{
    const QString fenetre =
        chemin.contains(QLatin1Char('/')) ? chemin.section(QLatin1Char('/'), 0, 0) : QString();
    const QString nom = chemin.section(QLatin1Char('/'), -1);
    for (const QPointer<QWidget> &f : fenetres())
        if (fenetre.isEmpty() || f->objectName() == fenetre)
            if (auto *c = f->findChild<QWidget *>(nom); c && c->isVisible())
                return c;
    ADD_FAILURE() << "contrôle introuvable : " << chemin.toStdString();
    return nullptr;
}

} // namespace

void jouer(const QStringList &etapes)
{
    for (const QString &etape : etapes) {
        if (etape.startsWith(QLatin1Char('!'))) {
            if (QWidget *b = trouver(etape.mid(1)))
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        } else if (etape.contains(QLatin1Char('='))) {
            if (auto *e = qobject_cast<QLineEdit *>(trouver(etape.section(QLatin1Char('='), 0, 0))))
                frapper(e, etape.section(QLatin1Char('='), 1));
        } else if (auto *l = qobject_cast<QComboBox *>(trouver(etape.section(QLatin1Char('#'), 0, 0)))) {
            const int i = etape.section(QLatin1Char('#'), 1).toInt();
            l->setCurrentIndex(i);
            emit l->activated(i);
        }
        apres(etape);
    }
}

void fermer_tout()
{
    QList<QPointer<QWidget>> liste;
    for (QWidget *w : QApplication::topLevelWidgets())
        liste.append(w);
    for (const QPointer<QWidget> &w : liste)
        delete w.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

void demarrer(const Programme &p, const Etat &e)
{
    fermer_tout();
    pieges().poser_points();
    ctx.etat = e.nom;
    p.demarrer();
    apres(QStringLiteral("démarrage"));
    e.preparer();
    apres(QStringLiteral("préparation"));
}

// Chaque entrée du corpus dans chaque saisie visible ; l'état est refait
// avant chaque saisie.
void saisies_hostiles(const Programme &p, const Etat &e)
{
    demarrer(p, e);
    QList<QPair<QString, QString>> cibles;
    for (const QPointer<QLineEdit> &s : saisies())
        cibles.append({s->window()->objectName(), s->objectName()});
    for (const auto &[fenetre, nom] : cibles) {
        demarrer(p, e);
        for (const QString &entree : corpus()) {
            QPointer<QLineEdit> s;
            for (const QPointer<QLineEdit> &c : saisies())
                if (c->objectName() == nom && c->window()->objectName() == fenetre)
                    s = c;
            if (!s)
                break; // fenêtre fermée ou saisie cachée par l'entrée précédente
            frapper(s, entree);
            ++ctx.saisies;
            apres(QStringLiteral("%1/%2 ← « %3 »").arg(fenetre, nom, entree.left(40)));
        }
    }
}

// Chaque bouton d'exportation visible, une fois vers chaque piège ; dans
// l'enregistreur, un point placé d'abord pour qu'il y ait à exporter.
void exporter_sur_les_pieges()
{
    const auto cliquer = [](QWidget *f, const QString &nom) {
        auto *b = f->findChild<QAbstractButton *>(nom);
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        apres(QStringLiteral("clic sur %1/%2").arg(f->objectName(), nom));
        return true;
    };
    for (const QPointer<QWidget> &f : fenetres()) {
        if (f && qobject_cast<Courbe *>(f.data())) {
            cliquer(f, QStringLiteral("valid"));
            if (f)
                cliquer(f, QStringLiteral("place_point"));
        }
        for (int k = 0; f && k < pieges().cibles.size(); ++k)
            for (const char *nom : {"exporter_points", "exporter_periode", "exporter_spectre"})
                if (f)
                    cliquer(f, QString::fromUtf8(nom));
    }
}

template <typename T> T *au_hasard(const QList<QPointer<T>> &liste, std::mt19937 &alea)
{
    if (liste.isEmpty())
        return nullptr;
    return liste[std::uniform_int_distribution<qsizetype>(0, liste.size() - 1)(alea)].data();
}

// Valeurs plausibles, pour que le banc sorte du repos entre deux attaques.
const QStringList plausibles = {"0",   "1",   "5",   "10",  "40",  "50", "100",
                                "120", "180", "220", "230", "400", "-5", "0.5"};

void action_au_hasard(const Programme &p, std::mt19937 &alea)
{
    auto tirage = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); };
    QString action;
    switch (const int de = tirage(100); de < 30   ? 0
                                        : de < 55 ? 1
                                        : de < 70 ? 2
                                        : de < 85 ? 3
                                        : de < 99 ? 4
                                                  : 5) {
    case 0:
        tops();
        action = QStringLiteral("tops des minuteries");
        break;
    case 1:
        if (QAbstractButton *b = au_hasard(visibles<QAbstractButton>(), alea)) {
            action = QStringLiteral("clic sur %1/%2").arg(b->window()->objectName(), b->objectName());
            QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        }
        break;
    case 2: {
        // Glissé : contrôles et fenêtres elles-mêmes (rhéostats, pistes, graphes).
        QList<QPointer<QWidget>> cibles = fenetres();
        for (const QPointer<QWidget> &w : visibles<QWidget>())
            if (!qobject_cast<QComboBox *>(w) && !qobject_cast<QLineEdit *>(w))
                cibles.append(w);
        QPointer<QWidget> w = au_hasard(cibles, alea);
        if (!w)
            break;
        action = QStringLiteral("glissé sur %1/%2").arg(w->window()->objectName(), w->objectName());
        auto point = [&] { return QPointF(tirage(w->width() + 40) - 20, tirage(w->height() + 40) - 20); };
        souris(w, QEvent::MouseButtonPress, point(), Qt::LeftButton);
        for (int k = tirage(4); k >= 0 && w; --k)
            souris(w, QEvent::MouseMove, point(), Qt::LeftButton);
        if (w)
            souris(w, QEvent::MouseButtonRelease, point(), Qt::NoButton);
        break;
    }
    case 3:
        if (QLineEdit *e = au_hasard(saisies(), alea)) {
            const QString t =
                tirage(2) ? plausibles[tirage(plausibles.size())] : corpus()[tirage(corpus().size())];
            action =
                QStringLiteral("%1/%2 ← « %3 »").arg(e->window()->objectName(), e->objectName(), t.left(40));
            frapper(e, t);
        }
        break;
    case 4:
        if (QComboBox *l = au_hasard(visibles<QComboBox>(), alea); l && l->count() > 0) {
            const int i = tirage(l->count());
            action =
                QStringLiteral("choix %1 dans %2/%3").arg(i).arg(l->window()->objectName(), l->objectName());
            l->setCurrentIndex(i);
            emit l->activated(i);
        }
        break;
    default:
        if (QWidget *f = au_hasard(fenetres(), alea)) {
            action = QStringLiteral("fermeture de %1").arg(f->objectName());
            f->close();
        }
    }
    ++ctx.actions;
    apres(action);
    if (fenetres().isEmpty()) {
        ++ctx.redemarrages;
        fermer_tout();
        p.demarrer();
        apres(QStringLiteral("redémarrage"));
    }
}

} // namespace

void exercer(const Programme &p)
{
    // CAMPAGNE_GRAINE=n rejoue la campagne avec une autre graine.
    unsigned graine = p.graine;
    if (const int g = qEnvironmentVariableIntValue("CAMPAGNE_GRAINE"); g > 0)
        graine = static_cast<unsigned>(g);
    ctx = Contexte{p.nom, {}, {}, graine, 0};
    // Filet : une boîte modale ouverte malgré tout est refermée, jamais attendue.
    QTimer filet;
    QObject::connect(&filet, &QTimer::timeout, [] {
        if (QWidget *m = QApplication::activeModalWidget())
            m->close();
    });
    filet.start(20);
    // Les textes peints sur les surfaces (graduations, échelles, valeurs des
    // oscillogrammes) sont jugés comme ceux des contrôles, et doivent tenir
    // dans leur feuille : un nombre coupé au bord ne se lit pas.
    Feuille::temoin_texte = [](const Feuille &f, const QString &texte, const QRectF &place) {
        const QString ou = f.window()->objectName() + QLatin1Char('/') + f.objectName();
        if (const QString d = defaut_texte(texte); !d.isEmpty())
            signaler(QStringLiteral("%1 peint « %2 » : %3").arg(ou, texte.left(60), d));
        const QRectF cadre(0, 0, twips::depuis_px(f.width()), twips::depuis_px(f.height()));
        if (!cadre.contains(place))
            signaler(QStringLiteral("%1 peint « %2 » hors de sa surface").arg(ou, texte.left(60)));
    };

    for (const Etat &e : p.etats)
        saisies_hostiles(p, e);

    int actions = p.actions;
    if (const int n = qEnvironmentVariableIntValue("CAMPAGNE_ACTIONS"); n > 0)
        actions = n;
    std::mt19937 alea(graine);
    for (const Etat &e : p.etats) {
        demarrer(p, e);
        ctx.etat = e.nom + QStringLiteral(" puis exportations sur les pièges");
        exporter_sur_les_pieges();
        ctx.etat = e.nom + QStringLiteral(" puis au hasard");
        for (int k = 0; k < actions / static_cast<int>(p.etats.size()); ++k)
            action_au_hasard(p, alea);
    }
    fermer_tout();
    QFile::remove(pieges().points);
    Feuille::temoin_texte = nullptr;
    qInfo("%s : %d saisies hostiles, %d actions au hasard (graine %u), %d redémarrages, %d exportations, "
          "%d remplacements refusés, %d défauts",
          qPrintable(p.nom), ctx.saisies, ctx.actions, graine, ctx.redemarrages, pieges().prochaine,
          pieges().questions, ctx.defauts);
    EXPECT_EQ(ctx.defauts, 0) << "défauts trouvés dans " << p.nom.toStdString();
}

} // namespace campagne
