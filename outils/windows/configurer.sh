#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configure une construction de la suite pour Windows 64 bits (MinGW-w64,
# Qt pour Windows d'outils/qt-windows.sh), avertissements traités en erreurs :
#   configurer.sh <dossier de construction> [options de cmake…]
# (outils/windows.sh et outils/tester_windows.sh).
set -euo pipefail
racine="$(cd "$(dirname "$0")/../.." && pwd)"
construction="$1"
shift
qt="$(bash "$racine/outils/qt-windows.sh" | tail -n 1)"
cmake -S "$racine" -B "$construction" -DBANCS_AVERTISSEMENTS_ERREURS=ON \
      -DCMAKE_TOOLCHAIN_FILE="$racine/outils/windows/mingw64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "$@" > /dev/null
