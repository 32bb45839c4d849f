// SPDX-License-Identifier: GPL-3.0-or-later
// Fenêtre du lanceur hors écran : tuiles, clavier, et message quand un
// programme ne peut pas être lancé. Le lancement réel d'un programme installé
// est dans test_installation.
#include "lanceur.h"
#include "outils_fenetres.h"
#include "traductions.h"
#include "tuile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// Un écran de vidéoprojecteur de 1920 × 1080, la fenêtre à « taille » %.
demarrage::Ecran ecran(int largeur = 1920, int hauteur = 1080, int taille = 100)
{
    return {{double(largeur), double(hauteur)}, taille};
}

struct Fenetre {
    QTemporaryDir vide; // aucun programme n'y est installé
    QString dossier;    // celui du lanceur : vide, ou un sous-dossier
    std::unique_ptr<Bancs> bancs;

    explicit Fenetre(const demarrage::Ecran &e = ecran(), const QString &sous_dossier = QString())
    {
        dossier = sous_dossier.isEmpty() ? vide.path() : QDir(vide.path()).filePath(sous_dossier);
        QDir().mkpath(dossier);
        bancs = std::make_unique<Bancs>(dossier, e);
        bancs->setAttribute(Qt::WA_DeleteOnClose, false);
        bancs->show();
        bancs->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(bancs.get()));
    }
    Tuile *tuile(int i) const
    {
        return essai::controle<Tuile>(bancs.get(), QStringLiteral("tuile(%1)").arg(i));
    }
};

} // namespace

TEST(Lanceur, NeufTuilesSousLesTitresDesQuatreGroupes)
{
    Fenetre f;
    EXPECT_EQ(f.bancs->objectName(), QStringLiteral("bancs"));
    EXPECT_EQ(f.bancs->windowTitle(), QStringLiteral("Bancs d'électrotechnique"));
    const char *titres[] = {"Machines à courant continu",
                            "Moteur asynchrone",
                            "Alternateur",
                            "Pont tout thyristors",
                            "Pont mixte",
                            "Pont de diodes",
                            "Onduleur",
                            "Transformateur",
                            "Champ tournant"};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        Tuile *t = f.tuile(i);
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->isVisible());
        EXPECT_EQ(t->text(), QString::fromUtf8(titres[i]));
        EXPECT_FALSE(t->icon().isNull());
    }
    EXPECT_EQ(f.bancs->findChild<Tuile *>(QStringLiteral("tuile(9)")), nullptr);
    EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("groupe_machines")),
              QStringLiteral("Bancs de machines"));
    EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("groupe_electronique")),
              QStringLiteral("Électronique de puissance"));
    EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("groupe_transformateur")),
              QStringLiteral("Transformateur"));
    EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("groupe_champ")), QStringLiteral("Champ tournant"));
    // Les tuiles ne se chevauchent pas et restent dans la fenêtre.
    for (int i = 0; i < 9; ++i)
        for (int j = i + 1; j < 9; ++j)
            EXPECT_FALSE(f.tuile(i)->geometry().intersects(f.tuile(j)->geometry())) << i << " " << j;
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(f.bancs->rect().contains(f.tuile(i)->geometry())) << i;
}

TEST(Lanceur, TabEtFlechesParcourentLesTuiles)
{
    Fenetre f;
    EXPECT_EQ(QApplication::focusWidget(), f.tuile(0));
    for (int i = 1; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.tuile(i)) << i;
    }
    // Depuis l'onduleur (deuxième ligne, quatrième colonne).
    struct Cas {
        Qt::Key touche;
        int arrivee;
    };
    const Cas cas[] = {{Qt::Key_Up, 2}, {Qt::Key_Down, 5},  {Qt::Key_Down, 8}, {Qt::Key_Left, 7},
                       {Qt::Key_Up, 3}, {Qt::Key_Right, 4}, {Qt::Key_Up, 1}};
    f.tuile(6)->setFocus();
    for (const Cas &c : cas) {
        QTest::keyClick(QApplication::focusWidget(), c.touche);
        EXPECT_EQ(QApplication::focusWidget(), f.tuile(c.arrivee)) << c.arrivee;
    }
}

TEST(Lanceur, ProgrammeAbsentSignaleParUnMessage)
{
    // Entrée, Espace et clic : chacun donne le message, jamais le silence.
    for (int maniere = 0; maniere < 3; ++maniere) {
        SCOPED_TRACE(maniere);
        Fenetre f;
        Tuile *gresil = f.tuile(4);
        gresil->setFocus();
        if (maniere == 0)
            QTest::keyClick(gresil, Qt::Key_Return);
        else if (maniere == 1)
            QTest::keyClick(gresil, Qt::Key_Space);
        else
            QTest::mouseClick(gresil, Qt::LeftButton);
        auto *message = f.bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement"));
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->isVisible());
        EXPECT_TRUE(message->text().startsWith(QStringLiteral(
            "Le programme « Pont mixte » (gresil) ne peut pas être lancé : il n'est pas installé")))
            << message->text().toStdString();
#ifdef _WIN32
        const QString absent = QDir::toNativeSeparators(QDir(f.vide.path()).filePath(QStringLiteral("gresil.exe")));
#else
        const QString absent = QDir(f.vide.path()).filePath(QStringLiteral("gresil"));
#endif
        EXPECT_TRUE(message->text().contains(absent)) << message->text().toStdString();
        EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("etat")),
                  QStringLiteral("« Pont mixte » (gresil) ne peut pas être lancé."));
        EXPECT_EQ(f.bancs->dernier_processus(), 0);
        message->accept();
    }
}

TEST(Lanceur, TailleChoisieRetenueEtDonneeAuxProgrammes)
{
    // Les réglages de l'utilisateur sont détournés vers un dossier d'essai.
    QTemporaryDir dossier;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
    {
        Fenetre f;
        auto *taille = essai::controle<QComboBox>(f.bancs.get(), QStringLiteral("taille"));
        ASSERT_NE(taille, nullptr);
        EXPECT_EQ(taille->currentText(), QStringLiteral("100 %"));
        EXPECT_EQ(f.bancs->arguments_programme(), (QStringList{"--taille", "100", "--langue", "fr"}));
        // Au clavier, comme un élève : Tab depuis la dernière tuile, puis deux fois Bas.
        f.tuile(8)->setFocus();
        QTest::keyClick(f.tuile(8), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), taille);
        QTest::keyClick(taille, Qt::Key_Down);
        QTest::keyClick(taille, Qt::Key_Down);
        EXPECT_EQ(taille->currentText(), QStringLiteral("150 %"));
        EXPECT_EQ(f.bancs->arguments_programme(), (QStringList{"--taille", "150", "--langue", "fr"}));
        EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("etat")),
                  QStringLiteral("Les programmes lancés s'ouvriront à 150 %."));
    }
    // Une autre fois : la taille est retenue.
    EXPECT_EQ(reglage_taille::lire(), 150);
    {
        Fenetre f;
        EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("taille")), QStringLiteral("150 %"));
    }
    // Un réglage abîmé à la main redonne 100 %.
    for (const char *abime : {"abc", "130", "", "1e9", "Ajuster"}) {
        SCOPED_TRACE(abime);
        QSettings(QSettings::UserScope, QStringLiteral("bancs-electrotechnique"), QStringLiteral("bancs"))
            .setValue(QStringLiteral("taille"), QString::fromUtf8(abime));
        EXPECT_EQ(reglage_taille::lire(), 100);
    }
}

// Tubes nommés, faux programmes en scripts sh, /proc : des essais d'Unix.
#ifndef _WIN32
TEST(Lanceur, UnTubeAuNomDuFichierDesReglagesNeBloquePasEtResteUnTube)
{
    QTemporaryDir dossier;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("bancs-electrotechnique")));
    const QString tube = dossier.filePath(QStringLiteral("tube"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    const QString fichier = dossier.filePath(QStringLiteral("bancs-electrotechnique/bancs.conf"));
    // Le tube lui-même, puis un lien vers lui.
    for (bool lien : {false, true}) {
        SCOPED_TRACE(lien ? "lien vers un tube" : "tube");
        QFile::remove(fichier);
        ASSERT_TRUE(lien ? QFile::link(tube, fichier)
                         : ::mkfifo(QFile::encodeName(fichier).constData(), 0600) == 0);
        EXPECT_EQ(reglage_taille::lire(), 100);
        EXPECT_FALSE(traductions::retenue().has_value());
        reglage_taille::ecrire(150);
        traductions::retenir(traductions::Langue{"en"});
        {
            Fenetre f; // le lanceur s'ouvre
            EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("taille")), QStringLiteral("100 %"));
        }
        EXPECT_EQ(QFileInfo(fichier).isSymLink(), lien);
        EXPECT_FALSE(QFileInfo(fichier).isFile());
        EXPECT_FALSE(QFileInfo(tube).isFile());
    }
}

#endif

TEST(Lanceur, LangueChoisieRetenueDonneeAuxProgrammesEtLanceurRetraduit)
{
    using traductions::Langue;
    QTemporaryDir dossier;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
    // L'anglais, puis le retour au français, puis la langue du poste (en
    // tête de liste).
    const std::optional<Langue> cas[] = {Langue{"en"}, Langue::francais, std::nullopt};
    for (const std::optional<Langue> &retenue : cas) {
        SCOPED_TRACE(retenue ? retenue->code : "poste");
        const Langue attendue = retenue.value_or(traductions::langue_du_poste());
        const bool anglais = attendue == Langue{"en"};
        int element = 0; // dans la liste « langue »
        {
            Fenetre f;
            auto *langue = essai::controle<QComboBox>(f.bancs.get(), QStringLiteral("langue"));
            ASSERT_NE(langue, nullptr);
            if (retenue)
                element = langue->findData(QString::fromStdString(retenue->code));
            ASSERT_GE(element, 0);
            // Au clavier : Début, puis Bas jusqu'à l'élément.
            langue->setFocus();
            QTest::keyClick(langue, Qt::Key_Home);
            for (int i = 0; i < element; ++i)
                QTest::keyClick(langue, Qt::Key_Down);
            ASSERT_EQ(langue->currentIndex(), element);
            EXPECT_EQ(traductions::retenue(), retenue);
            EXPECT_EQ(f.bancs->arguments_programme().mid(2),
                      (QStringList{"--langue", QString::fromStdString(traductions::code(attendue))}));
            // La fenêtre ouverte se retraduit au passage de la boucle d'événements.
            QCoreApplication::processEvents();
            EXPECT_EQ(f.bancs->windowTitle(), anglais ? "Electrical Engineering Benches" : "Bancs d'électrotechnique");
            EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("Label_langue")), anglais ? "Language:" : "Langue :");
            EXPECT_EQ(langue->itemText(0), anglais ? "System language" : "Langue du poste");
            EXPECT_EQ(f.tuile(0)->text(), anglais ? "DC machines" : "Machines à courant continu");
            EXPECT_EQ(QLocale().toString(1.5), anglais ? "1.5" : "1,5"); // les nombres suivent
        }
        // Rouvert, le lanceur montre le choix retenu.
        Fenetre f;
        EXPECT_EQ(essai::controle<QComboBox>(f.bancs.get(), QStringLiteral("langue"))->currentIndex(), element);
    }
    traductions::changer(*QCoreApplication::instance(), Langue::francais);
}

#ifndef _WIN32
TEST(Lanceur, UnProgrammeQuiSArreteAussitotEstSignaleUnQuiTourneEstAnnonce)
{
    // Faux programmes dans le dossier du lanceur, à la place de gresil.
    const struct {
        const char *script;
        QString etat;    // ligne d'état à la fin de la surveillance
        QString message; // début du message, vide : aucune boîte
    } cas[] = {
        {"echo \"gresil: could not connect to display :99\" >&2\necho suite >&2\nexit 1",
         "« Pont mixte » (gresil) n'a pas pu démarrer.",
         "Le programme « Pont mixte » (gresil) n'a pas pu démarrer : il s'est arrêté aussitôt en erreur "
         "(code 1). "
         "Il a écrit :\n\ngresil: could not connect to display :99"},
        // Commandes de terminal, octets invalides, ligne de mille caractères :
        // remplacés, et la citation coupée à 200 caractères.
        {"printf '\\n  a\\033[31mb\\377c%01000d\\nsuite\\n' 0 >&2\nexit 3",
         "« Pont mixte » (gresil) n'a pas pu démarrer.",
         "Le programme « Pont mixte » (gresil) n'a pas pu démarrer : il s'est arrêté aussitôt en erreur "
         "(code 3). Il a écrit :\n\na\uFFFD[31mb\uFFFDc" +
             QString(190, QLatin1Char('0')) + QChar(0x2026)},
        {"kill -ABRT $$", "« Pont mixte » (gresil) n'a pas pu démarrer.",
         "Le programme « Pont mixte » (gresil) n'a pas pu démarrer : il a été arrêté aussitôt par le signal "
         "SIGABRT."},
        {"exec sleep 30", "« Pont mixte » (gresil) tourne dans sa propre fenêtre.", QString()},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.script);
        Fenetre f;
        QFile programme(QDir(f.vide.path()).filePath(QStringLiteral("gresil")));
        ASSERT_TRUE(programme.open(QIODevice::WriteOnly));
        programme.write(QByteArray("#!/bin/sh\n") + c.script + "\n");
        programme.close();
        programme.setPermissions(programme.permissions() | QFileDevice::ExeOwner);
        f.bancs->duree_surveillance_ms = 1500;
        essai::cliquer(f.bancs.get(), QStringLiteral("tuile(4)"));
        const qint64 pid = f.bancs->dernier_processus();
        ASSERT_GT(pid, 0);
        EXPECT_EQ(essai::texte(f.bancs.get(), QStringLiteral("etat")),
                  QStringLiteral("« Pont mixte » (gresil) démarre…"));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return essai::texte(f.bancs.get(), QStringLiteral("etat")) == c.etat; }, 5000))
            << essai::texte(f.bancs.get(), QStringLiteral("etat")).toStdString();
        auto *message = f.bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement"));
        if (c.message.isEmpty()) {
            EXPECT_EQ(message, nullptr);
            ::kill(static_cast<pid_t>(pid), SIGTERM);
            // Le programme arrêté plus tard est recueilli par le lanceur : pas de zombie.
            EXPECT_TRUE(QTest::qWaitFor([pid] { return ::kill(static_cast<pid_t>(pid), 0) != 0; }, 5000));
        } else {
            ASSERT_NE(message, nullptr);
            EXPECT_TRUE(message->text().startsWith(c.message)) << message->text().toStdString();
            EXPECT_LT(message->text().size(), c.message.size() + 5) << message->text().toStdString();
            EXPECT_FALSE(message->text().contains(QStringLiteral("suite")));
            message->accept();
        }
    }
}

TEST(Lanceur, LaSortieDErreurDUnProgrammeQuiTourneNeRemplitRienEtNeLeBloqueJamais)
{
    // Un programme qui écrit beaucoup sur sa sortie d'erreur après la
    // surveillance, ou après la fermeture du lanceur, va au bout (ni bloqué
    // sur un tube plein, ni tué par SIGPIPE) sans rien écrire sur le disque ;
    // un petit-enfant qui lui échappe n'est pas laissé en zombie au lanceur.
    enum class Apres { surveillance, fermeture };
    const struct {
        const char *nom;
        const char *script; // %1 : le fichier témoin, créé quand le programme va au bout
        Apres apres;
    } cas[] = {
        {"un mégaoctet sur la sortie d'erreur", "sleep 0.5\nhead -c 1000000 /dev/zero >&2\ntouch '%1'\nexec sleep 30",
         Apres::surveillance},
        {"après la fermeture du lanceur", "sleep 1\necho encore >&2\necho encore >&2\ntouch '%1'\nexec sleep 30",
         Apres::fermeture},
        {"un petit-enfant orphelin", "(sleep 0.2 &)\nsleep 0.5\ntouch '%1'\nexec sleep 30", Apres::surveillance},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        QTemporaryDir temporaire;
        const QString temoin = QDir(temporaire.path()).filePath(QStringLiteral("au_bout"));
        auto f = std::make_unique<Fenetre>();
        QFile programme(QDir(f->vide.path()).filePath(QStringLiteral("gresil")));
        ASSERT_TRUE(programme.open(QIODevice::WriteOnly));
        programme.write("#!/bin/sh\n" + QString::fromUtf8(c.script).arg(temoin).toUtf8() + "\n");
        programme.close();
        programme.setPermissions(programme.permissions() | QFileDevice::ExeOwner);
        f->bancs->duree_surveillance_ms = 200;
        essai::cliquer(f->bancs.get(), QStringLiteral("tuile(4)"));
        const auto pid = static_cast<pid_t>(f->bancs->dernier_processus());
        ASSERT_GT(pid, 0);
        // Sa sortie d'erreur est un tube, pas un fichier (même effacé) qui grandirait.
        char cible[256] = {};
        ASSERT_GT(::readlink(QStringLiteral("/proc/%1/fd/2").arg(pid).toLocal8Bit().constData(), cible,
                             sizeof cible - 1),
                  0);
        EXPECT_TRUE(QByteArray(cible).startsWith("pipe:")) << cible;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return essai::texte(f->bancs.get(), QStringLiteral("etat")) ==
                       QStringLiteral("« Pont mixte » (gresil) tourne dans sa propre fenêtre.");
            },
            5000));
        if (c.apres == Apres::fermeture)
            f.reset();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(temoin); }, 10000));
        // Aucun enfant terminé laissé sans être recueilli (le programme lui-même tourne encore).
        int statut = 0;
        const pid_t zombie = ::waitpid(-1, &statut, WNOHANG);
        EXPECT_TRUE(zombie == 0 || zombie == pid) << "zombie " << zombie;
        ::kill(pid, SIGTERM);
        if (!f)
            ::waitpid(pid, &statut, 0);
        else
            EXPECT_TRUE(QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, 5000));
    }
}
#endif

#ifdef _WIN32
TEST(Lanceur, SousWindowsUnProgrammeQuiSArreteAussitotEstSignaleUnQuiTourneEstAnnonce)
{
    // Le faux programme (tests/bancs/faux_programme.cpp) à la place de gresil,
    // dans un dossier comme celui de l'installation : espaces, apostrophe et
    // accent dans la ligne de commande.
    const struct {
        const char *consigne;
        QString etat;    // ligne d'état à la fin de la surveillance
        QString message; // message entier, vide : aucune boîte
    } cas[] = {
        {"erreur 1 gresil: could not connect to display", "« Pont mixte » (gresil) n'a pas pu démarrer.",
         "Le programme « Pont mixte » (gresil) n'a pas pu démarrer : il s'est arrêté aussitôt en erreur "
         "(code 1). Il a écrit :\n\ngresil: could not connect to display"},
        {"tourne", "« Pont mixte » (gresil) tourne dans sa propre fenêtre.", QString()},
    };
    const QString faux = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("faux_programme.exe"));
    for (const auto &c : cas) {
        SCOPED_TRACE(c.consigne);
        Fenetre f(ecran(), QStringLiteral("Program Files/Bancs d'électrotechnique"));
        const QDir dossier(f.dossier);
        ASSERT_TRUE(QFile::copy(faux, dossier.filePath(QStringLiteral("gresil.exe"))));
        QFile consigne(dossier.filePath(QStringLiteral("gresil.txt")));
        ASSERT_TRUE(consigne.open(QIODevice::WriteOnly));
        consigne.write(c.consigne);
        consigne.close();
        f.bancs->duree_surveillance_ms = 1500;
        essai::cliquer(f.bancs.get(), QStringLiteral("tuile(4)"));
        const qint64 pid = f.bancs->dernier_processus();
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return essai::texte(f.bancs.get(), QStringLiteral("etat")) == c.etat; }, 10000))
            << essai::texte(f.bancs.get(), QStringLiteral("etat")).toStdString();
        auto *message = f.bancs->findChild<QMessageBox *>(QStringLiteral("message_lancement"));
        if (c.message.isEmpty()) {
            EXPECT_EQ(message, nullptr);
            const HANDLE h = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
            ASSERT_NE(h, nullptr);
            ::TerminateProcess(h, 0);
            EXPECT_EQ(::WaitForSingleObject(h, 5000), WAIT_OBJECT_0);
            ::CloseHandle(h);
        } else {
            ASSERT_NE(message, nullptr);
            EXPECT_EQ(message->text(), c.message);
            message->accept();
        }
    }
}
#endif
