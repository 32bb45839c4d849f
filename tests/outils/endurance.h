// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Endurance d'un programme animé : ses tops appelés directement un grand
// nombre de fois, puis mille marches et arrêts de son bouton, la mémoire en
// usage doit rester plate après la mise en régime. Sous AddressSanitizer, malloc est celui de l'outil : on lui demande
// ses octets alloués ; sinon mallinfo2 donne les octets en usage de la glibc.

#include "outils_fenetres.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include <gtest/gtest.h>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace essai {

inline std::size_t memoire_en_usage()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Nombre de tops d'un essai d'endurance : 10^5, 10^4 sous les sanitiseurs
// (dix fois plus lents).
inline long tops_endurance()
{
#if defined(__SANITIZE_ADDRESS__)
    return 10000;
#else
    return 100000;
#endif
}

// Appelle top() n fois, la boucle d'événements servie tous les 1000 tops
// (peinture, destructions différées). Compare la mémoire en usage après le
// premier dixième (mise en régime) et à la fin : au plus « tolerance »
// octets de plus.
template <typename Top> void endurance(Top top, long n = tops_endurance(), std::size_t tolerance = 64 * 1024)
{
    std::size_t apres_chauffe = 0;
    for (long k = 1; k <= n; ++k) {
        top();
        if (k % 1000 == 0)
            QApplication::processEvents();
        if (k == n / 10)
            apres_chauffe = memoire_en_usage();
    }
    QApplication::processEvents();
    const std::size_t fin = memoire_en_usage();
    std::printf("endurance : %ld tops, mémoire en usage %zu octets après %ld tops, %zu à la fin\n", n,
                apres_chauffe, n / 10, fin);
    EXPECT_LE(fin, apres_chauffe + tolerance) << "la mémoire croît avec les tops";
}

// Nombre de bascules : mille, cent sous les sanitiseurs (la même suite de
// clics, pour les accès fautifs ; la croissance de la mémoire se mesure dans
// la passe normale).
inline long bascules_endurance()
{
#if defined(__SANITIZE_ADDRESS__)
    return 100;
#else
    return 1000;
#endif
}

// Mille bascules d'un bouton de la fenêtre (marche et arrêt, interrupteur),
// chacune cliquée à la souris puis la boucle d'événements servie, comme
// entre deux clics d'un élève : le bouton se redessine dans sa nouvelle
// couleur. Une image gardée par bascule (le cache du style) ferait croître
// la mémoire.
inline void bascules(QWidget &fenetre, const char *bouton)
{
    fenetre.show();
    ASSERT_NE(controle(&fenetre, QString::fromUtf8(bouton)), nullptr) << bouton;
    endurance(
        [&] {
            cliquer(&fenetre, QString::fromUtf8(bouton));
            QApplication::processEvents();
        },
        bascules_endurance());
}

// Oscilloscope : chaque voie choix_grandeur(i) montre une grandeur (la
// i + 1-ième de sa liste), pour que les tops tracent des courbes.
inline void tracer_sur_toutes_les_voies(QWidget &fenetre)
{
    for (int i = 0;; ++i) {
        auto *liste = fenetre.findChild<QComboBox *>(QStringLiteral("choix_grandeur(%1)").arg(i));
        if (!liste)
            break;
        const int indice = std::min(i + 1, liste->count() - 1);
        liste->setCurrentIndex(indice);
        emit liste->activated(indice);
    }
}

} // namespace essai
