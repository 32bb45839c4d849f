#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installe ce qui manque, construit un programme et le lance.
#   bash outils/lancer.sh vek [options du programme, par exemple --langue en]
# Sans nom de programme, ouvre le lanceur « bancs », qui montre les neuf
# simulateurs. Seul ce qu'il faut au programme demandé est construit (pour le
# lanceur : les dix programmes) ; les tests et les outils ne le sont pas.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
build="$racine/build"
bash "$racine/outils/installer.sh"
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

# Les programmes de la suite, tels que cmake/programmes.cmake les nomme.
mapfile -t programmes < "$build/programmes.txt"

# Le programme, puis ses options (« --taille 150 », « --langue en »…).
choix=bancs
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    choix="$1"
    shift
fi
case " bancs ${programmes[*]} " in
    *" $choix "*) ;;
    *)
        echo "Programme inconnu : $choix (disponibles : bancs ${programmes[*]})" >&2
        exit 2
        ;;
esac

# Les traductions compilées viennent avec, pour « --langue en ».
cibles=("$choix" traductions)
if [ "$choix" = bancs ]; then
    cibles+=("${programmes[@]}")
fi
cmake --build "$build" -j"$(nproc)" --target "${cibles[@]}"

# Sans écran (session distante), le programme s'ouvre dans un écran virtuel.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a "$build/$choix/$choix" "$@"
fi
exec "$build/$choix/$choix" "$@"
