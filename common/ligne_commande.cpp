// SPDX-License-Identifier: GPL-3.0-or-later
#include "ligne_commande.h"

#include "traductions.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

namespace ligne_commande {

namespace {

// Options de QGuiApplication et QApplication qui prennent une valeur, puis
// celles qui n'en prennent pas : Qt les lit lui-même.
constexpr std::string_view options_qt_valeur[] = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-session",       "-style",  "-stylesheet",
    "-display",     "-geometry",           "-title",         "-name"};
constexpr std::string_view options_qt_seules[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

// Un texte de la ligne de commande, dans la langue du programme, ses « %1 »,
// « %2 » remplacés par les valeurs données.
std::string lc(const char *texte, const std::string &v1 = {}, const std::string &v2 = {})
{
    // En une passe : une valeur tapée qui contiendrait « %1 » reste telle quelle.
    QString t = traductions::traduire("ligne_commande", texte);
    if (t.contains(QLatin1String("%2")))
        t = t.arg(QString::fromStdString(v1), QString::fromStdString(v2));
    else if (t.contains(QLatin1String("%1")))
        t = t.arg(QString::fromStdString(v1));
    return t.toStdString();
}

bool commence_par(std::string_view s, std::string_view debut)
{
    return s.substr(0, debut.size()) == debut;
}

// Option de Qt sous la forme « -style fusion » (rend 2), « -style=fusion » ou
// « -reverse » (rend 1), ou 0 si ce n'en est pas une.
int option_qt(std::string_view arg, bool valeur_suit)
{
    for (std::string_view o : options_qt_seules)
        if (arg == o)
            return 1;
    for (std::string_view o : options_qt_valeur) {
        if (arg == o)
            return valeur_suit ? 2 : 0;
        if (commence_par(arg, o) && arg.size() > o.size() && arg[o.size()] == '=')
            return 1;
    }
    return 0;
}

std::string liste_tailles()
{
    return lc(QT_TRANSLATE_NOOP("ligne_commande", "100, 125, 150, 175, 200 ou ajuster"));
}

// La valeur d'une option « --nom valeur » ou « --nom=valeur » ; rien si
// l'argument n'est pas cette option (i avance sur la valeur lue).
std::optional<std::string> valeur_option(const std::vector<std::string> &arguments, std::size_t &i,
                                         std::string_view option)
{
    const std::string &arg = arguments[i];
    if (arg == option)
        return i + 1 < arguments.size() ? arguments[++i] : std::string();
    if (commence_par(arg, option) && arg.size() > option.size() && arg[option.size()] == '=')
        return arg.substr(option.size() + 1);
    return std::nullopt;
}

// QT_SCALE_FACTOR tel que l'utilisateur l'a laissé avant le démarrage (lu
// une fois : fixer_echelle le remplace ensuite).
const std::string &echelle_utilisateur()
{
    static const std::string e = qgetenv("QT_SCALE_FACTOR").toStdString();
    return e;
}

} // namespace

int lire_taille(const std::string &texte)
{
    std::string_view t(texte);
    if (t == "ajuster" || t == "fit")
        return ajuster;
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    if (!t.empty() && t.back() == '%')
        t.remove_suffix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    int valeur = 0;
    const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), valeur);
    if (ec != std::errc() || fin != t.data() + t.size())
        return 0;
    return std::find(std::begin(tailles), std::end(tailles), valeur) != std::end(tailles) ? valeur : 0;
}

std::string texte_taille(int taille)
{
    return taille == ajuster ? std::string("ajuster") : std::to_string(taille);
}

Options analyser(const std::vector<std::string> &arguments)
{
    Options o;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &arg = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        auto valeur = valeur_option(arguments, i, "--taille");
        if (!valeur)
            valeur = valeur_option(arguments, i, "--size");
        auto langue = valeur ? std::nullopt : valeur_option(arguments, i, "--langue");
        if (!valeur && !langue)
            langue = valeur_option(arguments, i, "--language");
        if (valeur) {
            if (valeur->empty()) {
                o.erreur = lc(QT_TRANSLATE_NOOP("ligne_commande", "l'option --taille attend une taille : %1."),
                              liste_tailles());
                return o;
            }
            o.taille = lire_taille(*valeur);
            if (o.taille == 0) {
                o.erreur = lc(QT_TRANSLATE_NOOP("ligne_commande", "taille « %1 » refusée : choisir %2."),
                              *valeur, liste_tailles());
                return o;
            }
        } else if (langue) {
            if (!traductions::lire_code(*langue)) {
                o.erreur =
                    lc(QT_TRANSLATE_NOOP("ligne_commande", "langue « %1 » refusée : choisir %2."), *langue,
                       traductions::codes_offerts(", "));
                return o;
            }
            // Acceptée : lire l'a déjà fixée, avant l'analyse.
        } else if (arg == "--aide" || arg == "--help" || arg == "-h") {
            o.aide = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (const int n = option_qt(arg, suivant)) {
            i += static_cast<std::size_t>(n - 1);
        } else {
            o.erreur = lc(QT_TRANSLATE_NOOP("ligne_commande", "argument inconnu « %1 »."), arg);
            return o;
        }
    }
    return o;
}

std::string aide(const std::string &programme)
{
    return lc(QT_TRANSLATE_NOOP("ligne_commande", "Utilisation : %1"), programme) + " " +
           lc(QT_TRANSLATE_NOOP("ligne_commande", "[--taille 100|125|150|175|200|ajuster] [--langue %1]"),
              traductions::codes_offerts("|")) +
           "\n" +
           lc(QT_TRANSLATE_NOOP("ligne_commande",
                                "  --taille N        ouvre les fenêtres à N % de leur taille d'origine (pour un "
                                "vidéoprojecteur),\n"
                                "                    ou moins si elles ne tiendraient pas sur l'écran\n"
                                "  --taille ajuster  les ouvre à la plus grande taille qui tient sur l'écran\n"
                                "  --langue CODE     langue de l'interface : %1\n"
                                "  --aide            affiche cette aide\n"
                                "  --version         affiche la version et la licence\n"
                                "Sans --taille, la taille retenue par le lanceur (ou 100) ; sans --langue, la "
                                "langue retenue par le lanceur, ou celle du poste.\n"),
              traductions::codes_offerts(", "));
}

std::string version(const std::string &programme)
{
    // BANCS_VERSION vient de CMake (common/CMakeLists.txt).
    return lc(QT_TRANSLATE_NOOP("ligne_commande", "%1 (Bancs d'électrotechnique) %2"), programme, BANCS_VERSION) +
           "\n" +
           lc(QT_TRANSLATE_NOOP("ligne_commande",
                                "Copyright © 2026 les contributeurs des Bancs d'électrotechnique.\n"
                                "Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure "
                                "<https://gnu.org/licenses/gpl.html>.\n"
                                "Ceci est un logiciel libre : chacun est libre de le modifier et de le "
                                "redistribuer.\n"
                                "Il n'y a AUCUNE GARANTIE, dans la mesure de ce que permet la loi.\n"));
}

double facteur_echelle(int taille, const std::string &facteur_existant)
{
    double existant = 1.0;
    if (!facteur_existant.empty()) {
        const char *debut = facteur_existant.data();
        const auto [fin, ec] = std::from_chars(debut, debut + facteur_existant.size(), existant);
        if (ec != std::errc() || fin != debut + facteur_existant.size() || !std::isfinite(existant) ||
            existant <= 0.0 || existant > 10.0)
            existant = 1.0;
    }
    return existant * taille / 100.0;
}

int lire(int argc, char **argv, Options &options)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    // Le nom seul, sans le dossier : « Utilisation : vek », d'où qu'on le lance
    // (help2man en tire aussi le synopsis de la page de manuel).
    std::string programme = argc > 0 && argv[0] && *argv[0] ? argv[0] : "programme";
    if (const auto barre = programme.find_last_of("/\\");
        barre != std::string::npos && barre + 1 < programme.size())
        programme.erase(0, barre + 1);
#ifdef _WIN32
    // « vek.exe » sous Windows : le nom du programme reste « vek ».
    if (programme.size() > 4 && QString::fromStdString(programme.substr(programme.size() - 4))
                                    .compare(QLatin1String(".exe"), Qt::CaseInsensitive) == 0)
        programme.resize(programme.size() - 4);
#endif
    // Les traductions se trouvent depuis le dossier de l'exécutable.
    traductions::noter_executable(argc > 0 ? argv[0] : nullptr);
    // La langue d'abord : l'aide et les messages d'erreur la parlent.
    std::optional<traductions::Langue> demandee;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        auto langue = valeur_option(arguments, i, "--langue");
        if (!langue)
            langue = valeur_option(arguments, i, "--language");
        if (langue)
            if (const auto l = traductions::lire_code(*langue))
                demandee = l;
    }
    traductions::fixer(traductions::choisir(demandee));
    options = analyser(arguments);
    if (!options.erreur.empty()) {
        std::fprintf(stderr, "%s : %s\n%s", programme.c_str(), options.erreur.c_str(),
                     aide(programme).c_str());
        return 2;
    }
    if (options.aide) {
        std::fputs(aide(programme).c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(version(programme).c_str(), stdout);
        return 0;
    }
    return -1;
}

void fixer_echelle(int taille)
{
    const std::string &existant = echelle_utilisateur();
    if (taille == 100 && existant.empty()) {
        qunsetenv("QT_SCALE_FACTOR");
        return;
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(facteur_echelle(taille, existant)));
}

int preparer(int argc, char **argv)
{
    Options o;
    if (const int code = lire(argc, argv, o); code >= 0)
        return code;
    fixer_echelle(o.taille > 0 ? o.taille : 100);
    return -1;
}

} // namespace ligne_commande
