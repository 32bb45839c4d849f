// SPDX-License-Identifier: GPL-3.0-or-later
#include "traductions.h"

#include "reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>
#include <iterator>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

namespace traductions {

namespace {

Langue langue_fixee = Langue::francais;

const QString prefixe_qm = QStringLiteral("bancs_");

// Traduction de la suite pour la langue fixée (en français, la langue des
// textes sources, seulement leurs pluriels) ; elle vit jusqu'à la fin du
// programme.
std::unique_ptr<QTranslator> &traduction_suite()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

// Traduction de Qt installée dans l'application (elle en est l'enfant) ;
// nulle une fois retirée, ou avec l'application.
QPointer<QTranslator> &traduction_qt()
{
    static QPointer<QTranslator> t;
    return t;
}

QSettings reglages()
{
    return reglages::ouvrir();
}

} // namespace

namespace {

// L'exécutable noté au démarrage (noter_executable), pour trouver les
// traductions avant la QApplication.
QString &executable_note()
{
    static QString e;
    return e;
}

} // namespace

QString dossier_executable()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    const QString &e = executable_note();
    return e.isEmpty() ? QString() : QFileInfo(e).absolutePath();
}

void noter_executable(const char *argv0)
{
#ifdef _WIN32
    // Sous Windows, le système dit lui-même où est l'exécutable (argv[0]
    // peut n'être que « vek.exe », lancé de son dossier).
    (void)argv0;
    wchar_t module[32768];
    const DWORD n = ::GetModuleFileNameW(nullptr, module, static_cast<DWORD>(std::size(module)));
    if (n > 0 && n < std::size(module))
        executable_note() = QFileInfo(QString::fromWCharArray(module, static_cast<int>(n))).canonicalFilePath();
#else
    if (!argv0 || !*argv0)
        return;
    const QString nom = QDir::fromNativeSeparators(QFile::decodeName(argv0));
    // « build/vek/vek », « ./vek » : relatif au dossier courant, qui n'a pas
    // encore changé ; « vek » seul a été trouvé dans le PATH.
    const QString chemin = nom.contains(QLatin1Char('/')) ? nom : QStandardPaths::findExecutable(nom);
    // Un lien symbolique (/usr/games/vek…) mène au vrai dossier du programme.
    executable_note() = chemin.isEmpty() ? QString() : QFileInfo(chemin).canonicalFilePath();
#endif
}

// Dossiers où chercher bancs_<code>.qm, tous deux relatifs au dossier de
// l'exécutable : celui des programmes installés (<préfixe>/bin/../share/
// bancs-electrotechnique/traductions), puis celui de la construction, où
// chaque exécutable est à un dossier de la racine (<construction>/vek/vek,
// <construction>/tests/essais_commun) et les traductions dans
// <construction>/traductions. Rien du poste qui a construit le programme :
// un programme installé ne regarde que sous son préfixe.
QStringList dossiers()
{
    const QString exe = dossier_executable();
    if (exe.isEmpty())
        return {};
    const QDir d(exe);
    return {QDir::cleanPath(d.filePath(QStringLiteral(BANCS_TRADUCTIONS_INSTALLEES))),
            QDir::cleanPath(d.filePath(QStringLiteral(BANCS_TRADUCTIONS_CONSTRUCTION)))};
}

std::vector<Langue> offertes()
{
    std::vector<std::string> codes;
    for (const QString &dossier : dossiers())
        for (const QString &qm : QDir(dossier).entryList({prefixe_qm + QStringLiteral("*.qm")}, QDir::Files)) {
            const QString c = qm.mid(prefixe_qm.size()).chopped(3);
            // Deux lettres minuscules : un fichier d'un autre nom n'est pas une langue.
            if (c.size() == 2 && c.at(0).isLower() && c.at(1).isLower() && c != QLatin1String("fr"))
                codes.push_back(c.toStdString());
        }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::vector<Langue> langues{Langue::francais};
    for (auto &c : codes)
        langues.push_back(Langue{std::move(c)});
    return langues;
}

std::optional<Langue> lire_code(std::string_view code)
{
    for (Langue &l : offertes())
        if (l.code == code)
            return std::move(l);
    return std::nullopt;
}

std::string code(const Langue &langue)
{
    return langue.code;
}

std::string codes_offerts(std::string_view separateur)
{
    std::string texte;
    for (const Langue &l : offertes()) {
        if (!texte.empty())
            texte += separateur;
        texte += l.code;
    }
    return texte;
}

QString nom(const Langue &langue)
{
    // Chaque traduction donne le nom de sa langue : la traduction de ce mot.
    static const char *const francais = QT_TRANSLATE_NOOP("langue", "Français");
    if (langue == Langue::francais)
        return QString::fromUtf8(francais);
    QTranslator t;
    for (const QString &dossier : dossiers())
        if (t.load(prefixe_qm + QString::fromStdString(langue.code), dossier)) {
            const QString n = t.translate("langue", francais);
            if (!n.isEmpty())
                return n;
            break;
        }
    return QLocale(QString::fromStdString(langue.code)).nativeLanguageName();
}

Langue langue_de_locale(const QString &nom_locale)
{
    // « en_GB.UTF-8 », « en_US », « en » : la langue est avant le « _ ».
    const QString c = nom_locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0);
    return lire_code(c.toStdString()).value_or(Langue::francais);
}

Langue langue_du_poste()
{
#ifdef Q_OS_WIN
    // Sous Windows, la langue d'affichage du système (« fr-FR », « en-GB »),
    // et non celle des formats de nombres et de dates.
    const QStringList affichage = QLocale::system().uiLanguages();
    if (!affichage.isEmpty())
        return langue_de_locale(QString(affichage.first()).replace(QLatin1Char('-'), QLatin1Char('_')));
#endif
    return langue_de_locale(QLocale::system().name());
}

std::optional<Langue> retenue()
{
    return lire_code(reglages().value(QStringLiteral("langue")).toString().toStdString());
}

void retenir(const std::optional<Langue> &langue)
{
    if (langue)
        reglages().setValue(QStringLiteral("langue"), QString::fromStdString(code(*langue)));
    else
        reglages().remove(QStringLiteral("langue"));
}

Langue choisir(const std::optional<Langue> &demandee)
{
    if (demandee)
        return *demandee;
    if (const auto r = retenue())
        return *r;
    return langue_du_poste();
}

QLocale langue_interface()
{
    if (langue_fixee == Langue::francais)
        return QLocale(QLocale::French, QLocale::France);
    // La variante du poste s'il parle cette langue (anglais britannique,
    // américain…), sinon celle que Qt donne au code.
    const QLocale poste = QLocale::system();
    const QLocale langue(QString::fromStdString(langue_fixee.code));
    if (langue.language() == QLocale::English && poste.language() != QLocale::English)
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return poste.language() == langue.language() ? poste : langue;
}

void fixer(const Langue &langue)
{
    langue_fixee = langue;
    QLocale::setDefault(langue_interface());
    auto &t = traduction_suite();
    t.reset();
    // En français aussi : bancs_fr.qm donne les formes du pluriel des textes
    // sources (« 1 point », « 2 points ») ; sans lui, les textes restent lisibles.
    auto nouvelle = std::make_unique<QTranslator>();
    const QString fichier = prefixe_qm + QString::fromStdString(langue.code);
    for (const QString &dossier : dossiers())
        if (nouvelle->load(fichier, dossier)) {
            t = std::move(nouvelle);
            return;
        }
}

Langue actuelle()
{
    return langue_fixee;
}

QString traduire(const char *contexte, const char *texte)
{
    if (const auto &t = traduction_suite()) {
        const QString traduit = t->translate(contexte, texte);
        if (!traduit.isEmpty())
            return traduit;
    }
    return QString::fromUtf8(texte);
}

QString texte(const char *contexte, std::string_view texte)
{
    const std::string source(texte); // terminé par un zéro, pour translate
    return QCoreApplication::translate(contexte, source.c_str());
}

bool installer(QCoreApplication &application)
{
    // Une langue fixée avant la QApplication, sans exécutable noté (outils,
    // tests), n'a pas pu chercher sa traduction : la QApplication donne
    // maintenant le dossier où la trouver.
    if (!traduction_suite())
        fixer(langue_fixee);
    bool tout = true;
    if (const auto &t = traduction_suite())
        tout = QCoreApplication::installTranslator(t.get());
    else
        tout = langue_fixee == Langue::francais;
    // La traduction de Qt d'une langue précédente laisse la place.
    if (QTranslator *ancienne = traduction_qt()) {
        QCoreApplication::removeTranslator(ancienne);
        delete ancienne;
    }
    // Le traducteur de Qt appartient à l'application : il vit autant qu'elle.
    // Celle de Qt d'abord, puis une copie à côté de celles de la suite (la
    // construction pour Windows les y met, sa Qt n'en ayant pas).
    auto *qt = new QTranslator(&application);
    bool chargee = qt->load(langue_interface(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString &dossier : dossiers())
        chargee = chargee || qt->load(langue_interface(), QStringLiteral("qtbase"), QStringLiteral("_"), dossier);
    if (chargee && QCoreApplication::installTranslator(qt)) {
        traduction_qt() = qt;
    } else {
        delete qt;
        // Qt est écrit en anglais : rien à charger pour lui en anglais.
        tout = tout && langue_interface().language() == QLocale::English;
    }
    return tout;
}

bool changer(QCoreApplication &application, const Langue &langue)
{
    // Retirée avant d'être détruite par fixer : l'application ne garde
    // jamais un traducteur disparu.
    if (const auto &t = traduction_suite())
        QCoreApplication::removeTranslator(t.get());
    fixer(langue);
    return installer(application);
}

} // namespace traductions
