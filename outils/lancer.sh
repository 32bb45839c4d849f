#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installe ce qui manque, construit la suite et lance un programme.
#   bash outils/lancer.sh vek [options du programme, par exemple --langue en]
# Sans nom de programme, ouvre le lanceur « bancs », qui montre les neuf
# simulateurs.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
bash "$racine/outils/installer.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$racine/build" -j"$(nproc)"

programmes=()
for p in vek sodel trivon virelai orvalt gresil fenoul onduleur transfo; do
    [ -x "$racine/build/$p/$p" ] && programmes+=("$p")
done

# Le programme, puis ses options (« --taille 150 », « --langue en »…).
choix=bancs
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    choix="$1"
    shift
fi
if [ ! -x "$racine/build/$choix/$choix" ]; then
    echo "Programme inconnu : $choix (disponibles : bancs ${programmes[*]})" >&2
    exit 2
fi
# Sans écran (session distante), le programme s'ouvre dans un écran virtuel.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a "$racine/build/$choix/$choix" "$@"
fi
exec "$racine/build/$choix/$choix" "$@"
