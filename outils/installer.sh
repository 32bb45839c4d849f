#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installe ce qui manque pour construire et tester la suite sur une Debian 12,
# et rien d'autre : compilateur, CMake, Qt 6 et ses traductions (boîtes
# standard en français), GoogleTest, polices Liberation, Xvfb (et x11-utils,
# dont xwininfo voit les fenêtres dans l'essai des programmes installés), et de
# quoi installer et empaqueter la suite (rendu des icônes, pages de manuel par
# help2man, validation des entrées de menu et de la fiche AppStream,
# dépendances du paquet Debian, lintian, lecture des pages de manuel), et
# clang pour le fuzzing par libFuzzer (outils/fuzz.sh), poppler-utils et
# LibreOffice Calc pour relire les PDF et les CSV écrits. dpkg-buildpackage
# demande en plus debhelper : « apt-get build-dep ./ » (README).
# Ne fait rien (et très vite) quand tout est déjà là.
set -euo pipefail

paquets=(g++ cmake make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libgtest-dev
         fonts-liberation xvfb xauth x11-utils librsvg2-bin desktop-file-utils appstream dpkg-dev clang
         help2man locales lintian man-db
         poppler-utils libreoffice-calc-nogui)

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation de : ${manquants[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
