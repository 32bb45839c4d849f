// SPDX-License-Identifier: GPL-3.0-or-later
// Point d'entrée des tests de fenêtres : plate-forme hors écran, langue fixée.
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "ligne_commande.h"
#include "polices.h"
#include "traductions.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Les tests parlent français quelle que soit la langue du poste, sauf
    // ceux lancés dans une autre langue (BANCS_ESSAI_LANGUE=en).
    const auto langue = traductions::lire_code(qgetenv("BANCS_ESSAI_LANGUE").toStdString());
#ifdef BANCS_TAILLE_ESSAI
    // Tests « en classe » : la taille passe par la ligne de commande des
    // programmes ; dans une autre langue, les mêmes fenêtres à 100 %, où un
    // texte plus long que le français se verrait coupé.
    char nom[] = "essai", option[] = "--taille", taille[] = BANCS_TAILLE_ESSAI, cent[] = "100";
    char *ligne[] = {nom, option, langue ? cent : taille};
    if (ligne_commande::preparer(3, ligne) >= 0)
        return 2;
#endif
    // Les données de l'utilisateur (points gardés de l'enregistreur) vont dans
    // un dossier temporaire, effacé à la fin : jamais dans son vrai dossier.
    const QTemporaryDir donnees;
    if (!donnees.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", donnees.path().toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    traductions::fixer(langue.value_or(traductions::Langue::francais));
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    polices::preparer_application(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
