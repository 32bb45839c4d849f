// SPDX-License-Identifier: GPL-3.0-or-later
// Captures de l'enregistreur de courbes et de l'aperçu sur le banc vek :
// vitesse en fonction de la tension d'induit à champ nominal, son aperçu
// ajusté et titré, et la page PDF rendue en PNG (pdftoppm).
//   captures_courbe <dossier>
#include "apercu_impression.h"
#include "captures.h"
#include "courbe.h"
#include "garde_points.h"
#include "machine1.h"
#include "programme_vek.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

template <typename T = QWidget>
T *c(QWidget *parent, const char *nom)
{
    return parent->findChild<T *>(QString::fromUtf8(nom));
}

void valider(QWidget *banc, const char *saisie, const char *texte)
{
    auto *e = c<QLineEdit>(banc, saisie);
    e->setText(QString::fromUtf8(texte));
    QTest::keyClick(e, Qt::Key_Return);
}

void choisir(QWidget *fenetre, const char *liste, int position)
{
    auto *l = c<QComboBox>(fenetre, liste);
    l->setCurrentIndex(position);
    emit l->activated(position);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    capture::preparer(application, argc, argv);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures");

    ProgrammeVek programme;
    programme.caracteristiques = vek::machine_6kW();
    Machine1 *banc = programme.ouvrir_machine1();
    valider(banc, "choixUe", "180");
    valider(banc, "choixUi", "40");
    c<QPushButton>(banc, "Interinduit")->click();

    c<QPushButton>(banc, "trace_courbe")->click();
    Courbe *courbe = programme.traceur_courbes.courbe();
    capture::capturer(courbe, "courbe_vek_choix");
    choisir(courbe, "choix_x", 0); // U
    choisir(courbe, "choix_y", 4); // n
    c<QPushButton>(courbe, "valid")->click();
    for (const char *Ui : {"40", "70", "100", "130", "160", "190", "220"}) {
        valider(banc, "choixUi", Ui);
        c<QPushButton>(courbe, "place_point")->click();
    }
    capture::capturer(courbe, "courbe_vek_points");
    // Le message de la copie vers un tableur, accordé au nombre de points.
    QTimer::singleShot(0, [] {
        if (QWidget *message = QApplication::activeModalWidget()) {
            capture::capturer(message, "courbe_vek_copie");
            message->close();
        }
    });
    c<QPushButton>(courbe, "copier_points")->click();

    c<QPushButton>(courbe, "impression")->click();
    ApercuImpression *apercu = programme.traceur_courbes.apercu();
    apercu->show();
    QApplication::processEvents();
    apercu->Timer1_Timer();
    c<QLineEdit>(apercu, "Text1")->setText(
        QStringLiteral("Fréquence de rotation en fonction de la tension d'induit (Ue = 180 V)"));
    c<QPushButton>(apercu, "interpol")->click();
    apercu->Form_MouseMove(5000, 3000);
    capture::capturer(apercu, "courbe_vek_apercu");

    const QString pdf = QDir(dossier).filePath(QStringLiteral("courbe_vek.pdf"));
    if (const fichier_sur::Ecriture e = apercu->enregistrer_pdf(pdf); !e.reussie) {
        std::fprintf(stderr, "%s\n", qPrintable(fichier_sur::message_echec(pdf, e)));
        return 1;
    }
    const QString png = QDir(dossier).filePath(QStringLiteral("courbe_vek_page"));
    const int rc = QProcess::execute(QStringLiteral("pdftoppm"),
                                     {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                      QStringLiteral("-singlefile"), pdf, png});
    if (rc != 0)
        std::fprintf(stderr, "pdftoppm indisponible (poppler-utils) : page PDF non convertie\n");
    else
        std::printf("%s.png\n", qPrintable(png));
    QFile::remove(pdf);

    // Le programme fermé puis relancé : l'enregistreur s'ouvre vide et offre
    // de reprendre les points gardés.
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
    ProgrammeVek relance;
    relance.caracteristiques = vek::machine_6kW();
    relance.ouvrir_machine1();
    capture::capturer(relance.traceur_courbes.ouvrir_courbe(), "courbe_vek_reprise");
    // Un fichier abîmé : l'avis d'une ligne à la place du bouton.
    delete relance.traceur_courbes.courbe();
    fichier_sur::ecrire(garde_points::chemin(relance.traceur_courbes.variante()), "abîmé");
    capture::capturer(relance.traceur_courbes.ouvrir_courbe(), "courbe_vek_avis");
    return 0;
}
