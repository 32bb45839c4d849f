#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# La suite pour Windows 64 bits, compilée sur Debian 12 par MinGW-w64 :
#   bash outils/windows.sh
# Installe ce qui manque (outils/installer.sh, puis MinGW-w64, NSIS, icoutils,
# zip), prend Qt pour Windows (outils/qt-windows.sh), compile les dix
# programmes et écrit dans build-windows/ :
#   bancs-electrotechnique-<version>-win64-setup.exe  l'installateur (NSIS)
#   bancs-electrotechnique-<version>-win64.zip        le dossier à copier sur une clé USB
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
sortie="$racine/build-windows"
# BANCS_CONSTRUCTION_WINDOWS : une construction pour Windows déjà configurée
# (celle des tests d'outils/tester_windows.sh, qui a tout installé), dont les
# programmes servent.
construction="${BANCS_CONSTRUCTION_WINDOWS:-$sortie/construction}"
if [ -z "${BANCS_CONSTRUCTION_WINDOWS:-}" ]; then
    bash "$racine/outils/installer.sh"
    bash "$racine/outils/windows/paquets.sh"
    bash "$racine/outils/windows/configurer.sh" "$construction" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
mapfile -t programmes < "$construction/programmes.txt"
cmake --build "$construction" -j"$(nproc)" --target bancs "${programmes[@]}" traductions

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")"
nom="bancs-electrotechnique-$version-win64"
dossier="$sortie/$nom"
rm -rf "$dossier"
cmake --install "$construction" --prefix "$dossier" --strip > /dev/null
# Qt et l'exécution de GCC arrivent non dépouillés : ils perdent leurs symboles
# de débogage (Qt6Core de 9,5 à 6,5 Mo, libstdc++ de 24 à 2 Mo).
find "$dossier" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# L'installateur : la désinstallation retire exactement les fichiers posés.
fichiers="$sortie/fichiers_desinstaller.nsh"
(
    cd "$dossier"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) > "$fichiers"
makensis -V2 -INPUTCHARSET UTF8 -DDOSSIER="$dossier" -DSORTIE="$sortie/$nom-setup.exe" -DFICHIERS="$fichiers" \
         "$construction/windows/installateur.nsi"

# Le dossier portable : le fichier repère garde réglages et points à côté des
# programmes (common/reglages.cpp).
cp "$racine/outils/windows/portable.txt" "$dossier/portable.txt"
rm -f "$sortie/$nom.zip"
(cd "$sortie" && zip -q -r -X "$nom.zip" "$nom")
rm "$dossier/portable.txt"
echo "Écrits : $sortie/$nom-setup.exe et $sortie/$nom.zip"
