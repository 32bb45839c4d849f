#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refait les captures d'écran de toutes les fenêtres, sous Xvfb.
# Chaque programme fournit un exécutable captures_<programme> qui construit ses
# fenêtres, les pilote et les enregistre en PNG.
#
#   outils/captures.sh [taille...]
#
# Tailles 100, 150 et 200 (toutes par défaut) : 100 dans captures/, les autres
# dans captures/<taille>/, comme au vidéoprojecteur (« --taille N » passe par
# l'échelle de Qt, QT_SCALE_FACTOR).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
tailles=("$@")
[ ${#tailles[@]} -gt 0 ] || tailles=(100 150 200)
for taille in "${tailles[@]}"; do
    case "$taille" in
        100|150|200) ;;
        *) echo "taille refusée : $taille (100, 150 ou 200)" >&2; exit 2 ;;
    esac
done
bash "$racine/outils/installer.sh"
cmake -S "$racine" -B "$racine/build" > /dev/null
cmake --build "$racine/build" --target outils -j"$(nproc)"
for taille in "${tailles[@]}"; do
    dossier="$racine/captures"
    [ "$taille" = 100 ] || dossier="$racine/captures/$taille"
    mkdir -p "$dossier"
    # Écran de 1600 x 1200 pixels d'origine, agrandi comme les fenêtres.
    ecran="$((1600 * taille / 100))x$((1200 * taille / 100))x24"
    facteur="$(awk "BEGIN { print $taille / 100 }")"
    find "$racine/build/outils" -type f -name 'captures_*' -perm -u+x | sort | while read -r outil; do
        QT_SCALE_FACTOR="$facteur" xvfb-run -a -s "-screen 0 $ecran -dpi 96" "$outil" "$dossier"
    done
done
