// SPDX-License-Identifier: GPL-3.0-or-later
#include "demarrage.h"

#include "ligne_commande.h"
#include "reglages.h"
#include "polices.h"
#include "traductions.h"
#include "twips.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <iterator>
#include <optional>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace reglage_taille {

namespace {
QSettings reglages()
{
    return reglages::ouvrir();
}
} // namespace

int lire()
{
    const int t =
        ligne_commande::lire_taille(reglages().value(QStringLiteral("taille")).toString().toStdString());
    return t == 0 ? 100 : t;
}

void ecrire(int taille)
{
    reglages().setValue(QStringLiteral("taille"),
                        QString::fromStdString(ligne_commande::texte_taille(taille)));
}

} // namespace reglage_taille

namespace demarrage {

namespace {

std::optional<Ecran> ecran_programme;

// Ce que l'écran principal laisse aux fenêtres, mesuré dans l'application
// construite à « taille » %.
Ecran mesurer_ecran(int taille)
{
    Ecran e;
    e.taille = taille;
    QRect geometrie;
    if (const QScreen *s = QGuiApplication::primaryScreen())
        geometrie = s->availableGeometry();
    // Les pixels logiques de Qt sont agrandis de taille % ; revenus à 100 %,
    // à l'arrondi près de Qt (1080 / 1,75 = 617,14 donne 617).
    const double echelle = taille / 100.0;
    e.disponible = {std::round(geometrie.width() * echelle), std::round(geometrie.height() * echelle)};
    return e;
}

} // namespace

Ecran ecran()
{
    if (ecran_programme)
        return *ecran_programme;
    return mesurer_ecran(100);
}

taille_ecran::Fenetres fenetres_twips(double largeur, double hauteur)
{
    return taille_ecran::fixes({largeur / twips::par_pixel, hauteur / twips::par_pixel});
}

void regler_processus()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef _WIN32
    // Un programme fenêtré de Windows naît sans console : démarré depuis une
    // invite de commandes, il écrit dans la sienne (--aide, --version, une
    // option refusée), en UTF-8 ; une sortie déjà redirigée (fichier, tube)
    // reste où elle est.
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        const auto sans_sortie = [](DWORD quelle) {
            const HANDLE h = ::GetStdHandle(quelle);
            return h == nullptr || h == INVALID_HANDLE_VALUE;
        };
        if (sans_sortie(STD_OUTPUT_HANDLE))
            std::freopen("CONOUT$", "w", stdout);
        if (sans_sortie(STD_ERROR_HANDLE))
            std::freopen("CONOUT$", "w", stderr);
        ::SetConsoleOutputCP(CP_UTF8);
    }
#endif
}

int executer(int argc, char **argv, const taille_ecran::Fenetres &fenetres,
             const std::function<int(QApplication &)> &suite)
{
    regler_processus();
    ligne_commande::Options options;
    if (const int code = ligne_commande::lire(argc, argv, options); code >= 0)
        return code;
    const int demandee = options.taille != 0 ? options.taille : reglage_taille::lire();

    // QApplication retire de argv les options qu'elle lit (-platform…) : une
    // seconde construction les reçoit toutes de la copie.
    const std::vector<char *> originaux(argv, argv + argc);
    std::vector<char *> arguments;
    int nombre = argc;
    std::optional<QApplication> application;
    int taille = demandee == ligne_commande::ajuster ? *std::rbegin(ligne_commande::tailles) : demandee;
    for (bool premiere = true;; premiere = false) {
        ligne_commande::fixer_echelle(taille);
        arguments = originaux;
        arguments.push_back(nullptr);
        nombre = argc;
        application.emplace(nombre, arguments.data());
        ecran_programme = mesurer_ecran(taille);
        // Sans écran connu, rien à ramener : la taille demandée reste (100
        // pour « ajuster »).
        const bool ecran_connu =
            ecran_programme->disponible.largeur > 0 && ecran_programme->disponible.hauteur > 0;
        const int choisie = ecran_connu
                                ? taille_ecran::choisir(demandee, fenetres, ecran_programme->disponible)
                            : demandee == ligne_commande::ajuster ? ligne_commande::tailles[0]
                                                                  : taille;
        if (choisie == taille || !premiere)
            break;
        // Décidé sur la première mesure : la seconde application n'est pas
        // remesurée, pour qu'un arrondi ne fasse pas aller et venir.
        application.reset();
        taille = choisie;
    }
    if (demandee != ligne_commande::ajuster && taille < demandee) {
        const std::string nom =
            QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "")).fileName().toStdString();
        // Dans la langue du programme, fixée par la ligne de commande.
        const QString message =
            traductions::traduire("demarrage", QT_TRANSLATE_NOOP("demarrage",
                                                                 "%1 : à %2 %, les fenêtres ne tiendraient pas sur "
                                                                 "cet écran (%3 × %4 pixels disponibles) : elles "
                                                                 "s'ouvrent à %5 %."))
                .arg(QString::fromStdString(nom), QString::number(demandee),
                     QString::number(ecran_programme->disponible.largeur, 'f', 0),
                     QString::number(ecran_programme->disponible.hauteur, 'f', 0), QString::number(taille));
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
    polices::preparer_application(*application);
    const int code = suite(*application);
    ecran_programme.reset();
    return code;
}

} // namespace demarrage
