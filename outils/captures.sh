#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refait les captures d'écran de toutes les fenêtres, sous Xvfb.
# Chaque programme fournit un exécutable captures_<programme> qui construit ses
# fenêtres, les pilote et les enregistre en PNG.
#
#   outils/captures.sh [taille...]
#
# Tailles 100, 125, 150, 175 et 200 (toutes par défaut) : 100 dans captures/,
# les autres dans captures/<taille>/, comme au vidéoprojecteur (« --taille N »
# passe par l'échelle de Qt, QT_SCALE_FACTOR), chaque fenêtre entière.
# Puis, pour chaque taille, ce que montre un vidéoprojecteur de 1920 × 1080 :
# chaque programme et le lanceur lancés pour de vrai avec « --taille N » (donc
# ramenés à la plus grande taille qui tient), toutes leurs fenêtres ouvertes
# par la sonde de tests/bancs, l'écran entier enregistré à chaque fenêtre
# ouverte dans captures/<taille>/1920x1080/<programme>-<n>.png
# (captures/1920x1080/ pour 100).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
tailles=("$@")
[ ${#tailles[@]} -gt 0 ] || tailles=(100 125 150 175 200)
for taille in "${tailles[@]}"; do
    case "$taille" in
        100|125|150|175|200) ;;
        *) echo "taille refusée : $taille (100, 125, 150, 175 ou 200)" >&2; exit 2 ;;
    esac
done
bash "$racine/outils/installer.sh"
cmake -S "$racine" -B "$racine/build" > /dev/null
programmes=(bancs $(sed -n 's/^bancs_programme(\([a-z]*\) .*/\1/p' "$racine/cmake/programmes.cmake"))
cmake --build "$racine/build" --target outils sonde_demarrage "${programmes[@]}" -j"$(nproc)"
for taille in "${tailles[@]}"; do
    dossier="$racine/captures"
    [ "$taille" = 100 ] || dossier="$racine/captures/$taille"
    mkdir -p "$dossier/1920x1080"
    # Écran de 1600 x 1200 pixels d'origine, agrandi comme les fenêtres.
    ecran="$((1600 * taille / 100))x$((1200 * taille / 100))x24"
    facteur="$(awk "BEGIN { print $taille / 100 }")"
    find "$racine/build/outils" -type f -name 'captures_*' -perm -u+x | sort | while read -r outil; do
        QT_SCALE_FACTOR="$facteur" xvfb-run -a -s "-screen 0 $ecran -dpi 96" "$outil" "$dossier"
    done
    # Le vidéoprojecteur : réglages et données à part, pour ne lire ni écrire ceux de l'utilisateur.
    reglages="$(mktemp -d)"
    for programme in "${programmes[@]}"; do
        XDG_CONFIG_HOME="$reglages" XDG_CONFIG_DIRS="$reglages" XDG_DATA_HOME="$reglages" SONDE_FENETRES=1 \
            SONDE_ECRAN="$dossier/1920x1080/$programme" \
            LD_PRELOAD="$racine/build/tests/bancs/libsonde_demarrage.so" \
            xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" \
            "$racine/build/$programme/$programme" --taille "$taille" > /dev/null
        ls "$dossier/1920x1080/$programme"-*.png
    done
    rm -rf "$reglages"
done
