// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Les réglages que le lanceur retient pour toute la suite (taille des
// fenêtres, langue), dans le fichier de réglages de l'utilisateur (sous Linux
// ~/.config/bancs-electrotechnique/bancs.conf). Comme tout fichier que la
// suite lit, il n'est lu que s'il est un fichier ordinaire : un tube à sa
// place bloquerait le démarrage de chaque programme. Pas de QApplication
// nécessaire : main les lit avant de la construire.
// Sous Windows, ils sont dans le registre de l'utilisateur. Une suite
// portable (le fichier repère « portable.txt » à côté des programmes, comme
// dans l'archive pour clé USB) garde réglages et points enregistrés dans le
// dossier « donnees » à côté des programmes.

#include <QSettings>

namespace reglages {

// Les réglages de la suite ; si leur fichier existe sans être un fichier
// ordinaire (tube, périphérique, dossier, lien vers l'un d'eux), des réglages
// vides qui n'écrivent nulle part, et un avertissement (une fois) sur la
// sortie d'erreur.
QSettings ouvrir();

// Le dossier des données d'une suite portable, vide si elle ne l'est pas ;
// la seconde forme pour des programmes installés dans « programmes ».
QString dossier_portable();
QString dossier_portable(const QString &programmes);

} // namespace reglages
