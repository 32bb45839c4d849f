#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ce qu'il faut, en plus de outils/installer.sh, pour compiler la suite pour
# Windows (MinGW-w64), faire ses icônes (icoutils), son installateur (NSIS) et
# son archive (zip), et la passer sous Wine (wine, googletest : ses sources
# compilées pour Windows). Rien quand tout est là.
set -euo pipefail
paquets=(g++-mingw-w64-x86-64-posix nsis icoutils zip wine wine64 googletest xvfb xauth)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation de : ${manquants[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
