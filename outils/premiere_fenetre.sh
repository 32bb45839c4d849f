#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mesure, comme la vit un nouveau venu, la durée de « bash outils/lancer.sh vek »
# sur un clone neuf du dépôt, de la commande à la fenêtre de vek dans un écran
# virtuel, sans cache de compilation (ccache coupé).
#   bash outils/premiere_fenetre.sh [version, par défaut HEAD]
# Les paquets sont supposés installés (bash outils/installer.sh) : seule la
# construction et le lancement comptent.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
version="${1:-HEAD}"
clone="$(mktemp -d)"
trap 'kill "${lanceur:-}" "${ecran:-}" 2>/dev/null || true; rm -rf "$clone"' EXIT
git clone -q "$racine" "$clone/depot"
git -C "$clone/depot" checkout -q "$version"
export CCACHE_DISABLE=1
numero=77
while [ -e "/tmp/.X11-unix/X$numero" ]; do numero=$((numero + 1)); done
Xvfb ":$numero" -screen 0 1920x1080x24 >/dev/null 2>&1 &
ecran=$!
export DISPLAY=":$numero"
until xwininfo -root >/dev/null 2>&1; do sleep 0.1; done

debut=$(date +%s%N)
bash "$clone/depot/outils/lancer.sh" vek >"$clone/journal" 2>&1 &
lanceur=$!
# La première fenêtre de vek est son introduction, de classe « vek ».
until xwininfo -root -tree 2>/dev/null | grep -q '("vek" "vek")'; do
    if ! kill -0 "$lanceur" 2>/dev/null; then
        echo "lancer.sh s'est arrêté sans ouvrir vek :" >&2
        tail -20 "$clone/journal" >&2
        exit 1
    fi
    sleep 0.2
done
fin=$(date +%s%N)
echo "$(git -C "$clone/depot" rev-parse --short HEAD) : $(((fin - debut) / 1000000000)) s de la commande à la fenêtre de vek"
pkill -f "$clone/depot/build/vek/vek" || true
