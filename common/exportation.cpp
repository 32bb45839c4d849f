// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportation.h"

#include "feuille.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace exportation {

namespace {

char decimale_locale()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

void enregistrer_et_dire(const Demande &demande, const QString &chemin,
                         const std::function<tableur::Tableau()> &tableau)
{
    const std::string texte = tableur::ecrire(tableau(), format_csv());
    const fichier_sur::Ecriture e = enregistrer_csv(chemin, texte);
    if (e.reussie)
        demande.montrer(QCoreApplication::translate("exportation", "%1 dans le fichier :\n%2")
                            .arg(demande.ce_qui_est_enregistre, QDir::toNativeSeparators(chemin)));
    else
        demande.montrer(fichier_sur::message_echec(chemin, e));
}

} // namespace

tableur::Format format_presse_papiers()
{
    return tableur::presse_papiers(decimale_locale());
}

tableur::Format format_csv()
{
    return tableur::csv(decimale_locale());
}

fichier_sur::Ecriture enregistrer_csv(const QString &chemin, const std::string &texte)
{
    return fichier_sur::ecrire(chemin, QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(texte));
}

void exporter_csv(Feuille *fenetre, const Demande &demande, std::function<tableur::Tableau()> tableau)
{
    // Fermer la fenêtre pendant le choix emporte la boîte, et rien n'est écrit.
    fenetre->choix_fichier_a_enregistrer(QStringLiteral("choix_fichier_csv"), demande.titre_boite,
                                         QDir(fichier_sur::dossier_documents()).filePath(demande.nom_propose),
                                         QCoreApplication::translate("exportation", "Tableau CSV (*.csv)"),
                                         QStringLiteral("csv"), demande.demander,
                                         [demande, tableau = std::move(tableau)](const QString &chemin) {
                                             enregistrer_et_dire(demande, chemin, tableau);
                                         });
}

} // namespace exportation
