// SPDX-License-Identifier: GPL-3.0-or-later
#include "traductions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace traductions {

namespace {

Langue langue_fixee = Langue::francais;

// Traduction de la suite pour la langue fixée (rien en français, la langue
// des textes sources) ; elle vit jusqu'à la fin du programme.
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
    return QSettings(QSettings::UserScope, QStringLiteral("bancs-electrotechnique"), QStringLiteral("bancs"));
}

// Dossiers où chercher bancs_<code>.qm : à côté des programmes installés
// (<préfixe>/share/bancs-electrotechnique/traductions, trouvé depuis
// l'exécutable, sans QApplication), puis dans le dossier de construction.
QStringList dossiers_traductions()
{
    QStringList dossiers;
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!exe.isEmpty())
        dossiers << QDir(QFileInfo(exe).dir().filePath(QStringLiteral(BANCS_TRADUCTIONS_INSTALLEES)))
                        .absolutePath();
    dossiers << QStringLiteral(BANCS_TRADUCTIONS_CONSTRUCTION);
    return dossiers;
}

} // namespace

std::optional<Langue> lire_code(std::string_view code)
{
    if (code == "fr")
        return Langue::francais;
    if (code == "en")
        return Langue::anglais;
    return std::nullopt;
}

std::string code(Langue langue)
{
    return langue == Langue::anglais ? "en" : "fr";
}

QString nom(Langue langue)
{
    return langue == Langue::anglais ? QStringLiteral("English") : QStringLiteral("Français");
}

Langue langue_du_poste()
{
    return QLocale::system().language() == QLocale::English ? Langue::anglais : Langue::francais;
}

std::optional<Langue> retenue()
{
    return lire_code(reglages().value(QStringLiteral("langue")).toString().toStdString());
}

void retenir(std::optional<Langue> langue)
{
    if (langue)
        reglages().setValue(QStringLiteral("langue"), QString::fromStdString(code(*langue)));
    else
        reglages().remove(QStringLiteral("langue"));
}

Langue choisir(std::optional<Langue> demandee)
{
    if (demandee)
        return *demandee;
    if (const auto r = retenue())
        return *r;
    return langue_du_poste();
}

QLocale langue_interface()
{
    if (langue_fixee == Langue::anglais) {
        // L'anglais du poste s'il en a un (britannique, américain…).
        const QLocale poste = QLocale::system();
        return poste.language() == QLocale::English ? poste : QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
    return QLocale(QLocale::French, QLocale::France);
}

void fixer(Langue langue)
{
    langue_fixee = langue;
    QLocale::setDefault(langue_interface());
    auto &t = traduction_suite();
    t.reset();
    if (langue == Langue::francais)
        return;
    auto nouvelle = std::make_unique<QTranslator>();
    const QString fichier = QStringLiteral("bancs_%1").arg(QString::fromStdString(code(langue)));
    for (const QString &dossier : dossiers_traductions())
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
    auto *qt = new QTranslator(&application);
    if (qt->load(langue_interface(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt)) {
        traduction_qt() = qt;
    } else {
        delete qt;
        // Qt est écrit en anglais : rien à charger pour lui en anglais.
        tout = tout && langue_fixee == Langue::anglais;
    }
    return tout;
}

bool changer(QCoreApplication &application, Langue langue)
{
    // Retirée avant d'être détruite par fixer : l'application ne garde
    // jamais un traducteur disparu.
    if (const auto &t = traduction_suite())
        QCoreApplication::removeTranslator(t.get());
    fixer(langue);
    return installer(application);
}

} // namespace traductions
