// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Langue de l'interface et traductions. La suite est écrite en français : ses
// textes sources, dans le code, sont les textes français, et le français
// reste la langue par défaut. Une autre langue vient d'un fichier de
// traduction de Qt (traductions/bancs_<code>.ts, compilé en
// bancs_<code>.qm) ; les boîtes standard de Qt (choix d'un fichier, boutons
// des messages, menu contextuel des saisies) le sont par les traductions de
// Qt lui-même (qtbase_<code>.qm, paquet Debian qt6-translations-l10n),
// cherchées là où Qt les installe (QLibraryInfo).
//
// La langue : « --langue <code> » sur la ligne de commande, sinon celle que
// le lanceur retient (réglage « langue » de bancs.conf, comme la taille),
// sinon celle du poste si la suite y est traduite (en_GB, en_US… donnent
// l'anglais ; C, POSIX et toute langue sans traduction donnent le français).
// Les nombres la suivent : virgule décimale en français, point en anglais
// (QLocale par défaut).
//
// Une langue de plus n'est qu'un fichier de plus : les langues offertes sont
// le français et celles dont la traduction compilée est trouvée.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;

namespace traductions {

// Une langue, par son code à deux lettres (ISO 639-1) : « fr », « en »…
struct Langue {
    std::string code;
    static const Langue francais;
    bool operator==(const Langue &) const = default;
};
inline const Langue Langue::francais{"fr"};

// Note l'exécutable du programme (argv[0], cherché dans le PATH s'il n'a pas
// de dossier) : les traductions sont cherchées à partir de son dossier avant
// que la QApplication le donne. ligne_commande::lire le fait.
void noter_executable(const char *argv0);
// Le dossier de l'exécutable : celui que donne la QApplication, ou avant elle
// celui de l'exécutable noté ; vide si ni l'une ni l'autre ne le disent.
QString dossier_executable();

// Dossiers où chercher les traductions bancs_<code>.qm, relatifs au dossier de
// l'exécutable : celui des programmes installés, puis celui de la
// construction. Vide si ce dossier n'est pas connu (ni QApplication, ni
// exécutable noté).
QStringList dossiers();

// Le français, puis chaque langue dont la traduction est trouvée, par code.
std::vector<Langue> offertes();

// La langue offerte de ce code ; rien pour un autre code.
std::optional<Langue> lire_code(std::string_view code);
std::string code(const Langue &langue);
// « fr|en » : les codes des langues offertes, séparés par « separateur ».
std::string codes_offerts(std::string_view separateur);
// Nom de la langue dans cette langue : « Français », « English » (le nom
// que lui donne sa traduction).
QString nom(const Langue &langue);

// La langue d'un poste dont la locale s'appelle ainsi (« en_GB », « C »…) :
// la sienne si la suite y est traduite, sinon le français.
Langue langue_de_locale(const QString &nom_locale);

// La langue que donne le poste (LANG, LC_ALL…).
Langue langue_du_poste();

// La langue retenue par le lanceur, rien si l'utilisateur n'en a pas choisi.
// Lisible avant la QApplication.
std::optional<Langue> retenue();
void retenir(const std::optional<Langue> &langue);

// La langue à prendre : celle demandée sur la ligne de commande, sinon la
// langue retenue, sinon celle du poste.
Langue choisir(const std::optional<Langue> &demandee);

// Fixe la langue du programme : format des nombres (QLocale par défaut) et
// traduction de la suite, chargée tout de suite (elle sert aussi avant la
// QApplication, pour l'aide de la ligne de commande).
void fixer(const Langue &langue);
Langue actuelle();

// La langue de l'interface, comme QLocale.
QLocale langue_interface();

// Le texte traduit dans la langue actuelle, sans passer par une
// QApplication (aide et erreurs de la ligne de commande) ; le texte source
// en français, ou faute de traduction.
QString traduire(const char *contexte, const char *texte);

// Un texte d'un modèle sans Qt, marqué là où il est écrit par
// QT_TRANSLATE_NOOP(contexte, …), traduit pour l'affichage par les
// traductions installées dans l'application (le texte tel quel faute de
// traduction).
QString texte(const char *contexte, std::string_view texte);

// Installe dans « application » la traduction de la suite et celles de Qt
// pour la langue actuelle, à la place de celles qu'elle avait. Rend faux si
// l'une d'elles manque : ses textes restent alors dans leur langue d'origine
// (français pour la suite, anglais pour Qt).
bool installer(QCoreApplication &application);

// Change la langue d'un programme en marche (le lanceur) : retire de
// « application » les traductions de l'ancienne langue, fixe la nouvelle et
// installe ses traductions. Chaque fenêtre reçoit QEvent::LanguageChange et
// se retraduit.
bool changer(QCoreApplication &application, const Langue &langue);

} // namespace traductions
