// SPDX-License-Identifier: GPL-3.0-or-later
// Point d'entrée des tests de fenêtres : plate-forme hors écran, langue fixée.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "demarrage.h"
#include "ligne_commande.h"
#include "polices.h"
#include "traductions.h"

#include <gtest/gtest.h>

#include <string>

int main(int argc, char **argv)
{
    demarrage::regler_processus();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Les tests parlent français quelle que soit la langue du poste, sauf
    // ceux lancés dans une autre langue (BANCS_ESSAI_LANGUE=en).
    const auto langue = traductions::lire_code(qgetenv("BANCS_ESSAI_LANGUE").toStdString());
#ifdef BANCS_TAILLE_ESSAI
    // Tests « en classe » : la taille passe par la ligne de commande des
    // programmes ; dans une autre langue, les mêmes fenêtres à 100 %, où un
    // texte plus long que le français se verrait coupé, demandées par les
    // noms anglais des options (« --size 100 --language en »).
    std::string code = langue ? langue->code : std::string();
    char nom[] = "essai", option[] = "--taille", taille[] = BANCS_TAILLE_ESSAI;
    char size[] = "--size", cent[] = "100", language[] = "--language";
    char *ligne_fr[] = {nom, option, taille};
    char *ligne_autre[] = {nom, size, cent, language, code.data()};
    if ((langue ? ligne_commande::preparer(5, ligne_autre) : ligne_commande::preparer(3, ligne_fr)) >= 0)
        return 2;
    if (langue && !(traductions::actuelle() == *langue))
        return 2;
#endif
    // Les données de l'utilisateur (points gardés de l'enregistreur) vont dans
    // un dossier temporaire, effacé à la fin : jamais dans son vrai dossier.
    const QTemporaryDir donnees;
    if (!donnees.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", donnees.path().toLocal8Bit());
#ifdef _WIN32
    // Windows ne lit pas XDG_DATA_HOME : les dossiers d'essai de Qt (…\qttest).
    QStandardPaths::setTestModeEnabled(true);
#endif
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    traductions::fixer(langue.value_or(traductions::Langue::francais));
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    polices::preparer_application(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
