// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lecture des nombres tapés par l'élève et écriture des nombres affichés.
// Indépendant de la langue du système : le séparateur décimal est toujours ".".

#include <string>
#include <string_view>

namespace nombre {

// Valeur d'une saisie : le nombre décimal au début du texte (blancs de tête
// ignorés, signe et exposant facultatifs, "." comme séparateur), 0 quand le
// texte ne commence pas par un nombre. Un nombre qui dépasserait la capacité
// d'un double (« 1e999 ») vaut 0 lui aussi : jamais d'infini dans un modèle.
double lire_nombre(std::string_view texte);

// Texte d'une valeur en double précision : au plus 15 chiffres significatifs,
// sans zéros inutiles (0.1235, 1250). Une valeur non finie s'écrit "0".
std::string texte_nombre(double valeur);

// Texte d'une valeur en simple précision : au plus 7 chiffres significatifs
// (0.3 et non 0.300000011920929).
std::string texte_simple(float valeur);

// Texte d'une valeur en double précision tirée d'une mantisse en simple
// précision (pas de graduation non arrondi) : seulement les chiffres qu'une
// simple précision porte toujours (6, FLT_DIG), sans zéros inutiles : 10 et
// non 10.0000006357829, 0.05 et non 0.0499999946805319.
std::string texte_chiffres_simple(double valeur);

// Texte le plus court (au plus 9 chiffres significatifs) qui, relu en simple
// précision, redonne exactement la valeur : 0.1 pour le float le plus proche
// de 0.1, 1.0000001 pour le float qui suit 1. Même écriture que texte_nombre
// (pas d'exposant entre 10⁻⁴ et 10¹⁵). Une valeur non finie s'écrit "0".
std::string texte_simple_court(float valeur);

} // namespace nombre

namespace nombre {

// Rangement d'un calcul en double dans une variable en simple précision.
// Une valeur hors de portée d'un float devient l'infini de son signe
// (la conversion directe ne serait pas définie).
float en_simple(double valeur);

// Conversion gardée d'un réel en entier : arrondi au plus proche (à égalité,
// vers le pair), borné à [minimum, maximum] ; une valeur non finie donne
// « defaut ».
int en_entier_borne(double valeur, int minimum, int maximum, int defaut);

} // namespace nombre
