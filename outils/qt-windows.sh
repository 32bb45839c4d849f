#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt 6.4.2 pour Windows 64 bits (qtbase : Core, Gui, Widgets, PrintSupport,
# Test), compilée sur Debian 12 par MinGW-w64 depuis le paquet source de
# Debian, qt6-base 6.4.2+dfsg, avec les options de outils/windows/configurer-qt.sh.
#   bash outils/qt-windows.sh
# Écrit sur sa dernière ligne le dossier de Qt (celui que reçoit
# CMAKE_PREFIX_PATH), gardé en cache : la seconde fois, rien n'est refait.
#
# D'où vient Qt, dans l'ordre :
#   1. BANCS_QT_WINDOWS=<archive .tar.xz ou dossier> : une Qt déjà compilée
#      ainsi (l'archive est déballée dans le cache, le dossier pris tel quel) ;
#   2. ../shared/windows/qt6.4.2-mingw64-posix.tar.xz à côté du dépôt, s'il
#      existe ;
#   3. sinon, la compilation depuis les sources de Debian (apt-get source,
#      rien d'autre n'est téléchargé), environ 35 minutes sur deux cœurs.
# Le cache : BANCS_CACHE, sinon ~/.cache/bancs-electrotechnique.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
version=6.4.2
version_debian=6.4.2+dfsg-10
cache="${BANCS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/bancs-electrotechnique}"
dest="$cache/qt-$version-mingw64"

# Une Qt pour Windows se reconnaît à sa configuration CMake et à Qt6Core.dll.
qt_complete() {
    [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$1/bin/Qt6Core.dll" ]
}

if qt_complete "$dest"; then
    echo "$dest"
    exit 0
fi

source_qt="${BANCS_QT_WINDOWS:-}"
if [ -z "$source_qt" ] && [ -f "$racine/../shared/windows/qt$version-mingw64-posix.tar.xz" ]; then
    source_qt="$racine/../shared/windows/qt$version-mingw64-posix.tar.xz"
fi

if [ -n "$source_qt" ]; then
    if [ -d "$source_qt" ]; then
        for d in "$source_qt" "$source_qt/qt6-mingw"; do
            if qt_complete "$d"; then
                echo "$(cd "$d" && pwd)"
                exit 0
            fi
        done
        echo "BANCS_QT_WINDOWS=$source_qt : ce dossier ne contient pas de Qt pour Windows" >&2
        exit 1
    fi
    echo "Qt pour Windows déballée de $source_qt" >&2
    mkdir -p "$cache"
    tmp="$(mktemp -d "$cache/deballage.XXXXXX")"
    trap 'rm -rf "$tmp"' EXIT
    tar -xf "$source_qt" -C "$tmp"
    trouve="$(dirname "$(find "$tmp" -path '*/lib/cmake/Qt6/Qt6Config.cmake' -print -quit)")"
    trouve="${trouve%/lib/cmake/Qt6}"
    if [ -z "$trouve" ] || ! qt_complete "$trouve"; then
        echo "$source_qt ne contient pas de Qt pour Windows" >&2
        exit 1
    fi
    rm -rf "$dest"
    mv "$trouve" "$dest"
    echo "$dest"
    exit 0
fi

# Compilation depuis les sources de Debian.
paquets=(g++-mingw-w64-x86-64-posix cmake ninja-build qt6-base-dev-tools dpkg-dev xz-utils)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

travail="$cache/qt-$version-sources"
mkdir -p "$travail"
cd "$travail"
if [ ! -d "qt6-base-$version+dfsg" ]; then
    # Les lignes « deb-src » du dépôt Debian de la machine, dans une
    # configuration d'apt propre à ce dossier : les sources du système ne
    # sont pas modifiées, et il n'y faut pas être root.
    mkdir -p apt/lists/partial apt/cache/archives/partial apt/sources.list.d
    : > apt/sources.list
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' "$f" >> apt/sources.list
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && grep -q 'debian' "$f" &&
            sed 's/^Types: *deb$/Types: deb-src/' "$f" > "apt/sources.list.d/$(basename "$f")"
    done
    options_apt=(-o "Dir::Etc::SourceList=$travail/apt/sources.list"
                 -o "Dir::Etc::SourceParts=$travail/apt/sources.list.d"
                 -o "Dir::State::Lists=$travail/apt/lists"
                 -o "Dir::Cache=$travail/apt/cache")
    apt-get "${options_apt[@]}" update -qq
    apt-get "${options_apt[@]}" source --only-source "qt6-base=$version_debian"
fi

rm -rf construction
mkdir construction
cd construction
export BANCS_QT_SOURCES="$travail/qt6-base-$version+dfsg" BANCS_QT_DESTINATION="$dest.partiel"
bash "$racine/outils/windows/configurer-qt.sh"
ninja -j"$(nproc)"
rm -rf "$dest.partiel"
ninja install
rm -rf "$dest"
mv "$dest.partiel" "$dest"
cd "$travail/.."
rm -rf "$travail"
echo "$dest"
