#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Captures d'écran de transfo dans captures/, sous Xvfb et en français : les
# fenêtres une à une (accueil, repos, en charge à 230 V curseurs à mi-course,
# fusible fondu), puis l'écran entier avec la boîte du fusible sur le banc.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
construction="${BANCS_BUILD:-$racine/build}"
cmake -S "$racine" -B "$construction" > /dev/null
cmake --build "$construction" --target captures_transfo -j2
mkdir -p "$racine/captures"
export LANG=fr_FR.UTF-8 BANCS_CAPTURE_PAUSE=1
outil="$construction/outils/captures_transfo"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c "
    '$outil' '$racine/captures' &
    pid=\$!
    sleep 2
    import -window root '$racine/captures/transfo_ecran.png'
    wait \$pid
"
