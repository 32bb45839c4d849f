#!/usr/bin/env bash
# Refait les captures d'écran de toutes les fenêtres dans captures/, sous Xvfb.
# Chaque programme fournit un exécutable captures_<programme> qui construit ses
# fenêtres, les pilote et les enregistre en PNG.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
bash "$racine/outils/installer.sh"
cmake -S "$racine" -B "$racine/build" > /dev/null
cmake --build "$racine/build" --target outils -j"$(nproc)"
mkdir -p "$racine/captures"
find "$racine/build/tests" -type f -name 'captures_*' -perm -u+x | sort | while read -r outil; do
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$outil" "$racine/captures"
done
# Les mêmes à 200 %, comme au vidéoprojecteur (« --taille 200 » passe par
# l'échelle de Qt, QT_SCALE_FACTOR), dans captures/200/.
mkdir -p "$racine/captures/200"
find "$racine/build/tests" -type f -name 'captures_*' -perm -u+x | sort | while read -r outil; do
    QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3200x2400x24 -dpi 96" "$outil" "$racine/captures/200"
done
