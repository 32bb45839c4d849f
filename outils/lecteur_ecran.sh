#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ce qu'un lecteur d'écran (Orca) trouve dans un programme : sous un serveur X
# à part (Xvfb), avec le bus d'accessibilité AT-SPI, le vrai programme est
# lancé, son accueil passé par son bouton OK (comme le ferait Orca), puis
# l'arbre accessible de chaque fenêtre est écrit : rôle, nom lu, description.
#   bash outils/lecteur_ecran.sh vek
# Demande les paquets at-spi2-core, python3-pyatspi et dbus-x11.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
programme="${1:?usage : bash outils/lecteur_ecran.sh PROGRAMME}"
build="$racine/build"

for paquet in at-spi2-core python3-pyatspi dbus-x11 xvfb; do
    if ! dpkg -s "$paquet" >/dev/null 2>&1; then
        echo "Paquet manquant : $paquet (apt-get install at-spi2-core python3-pyatspi dbus-x11 xvfb)" >&2
        exit 2
    fi
done
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target "$programme" >/dev/null
executable="$(find "$build/$programme" -maxdepth 1 -type f -name "$programme" -perm -u+x | head -1)"

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb_pid <&3
read -r ecran <&3
export DISPLAY=":$ecran" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
trap 'kill "$prog_pid" "$bus_pid" "$DBUS_SESSION_BUS_PID" "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$executable" >/dev/null 2>&1 &
prog_pid=$!
sleep 3

timeout 60 /usr/bin/python3 - "$programme" <<'PYTHON'
import sys, time
import pyatspi

def arbre(acc, profondeur=0):
    try:
        ligne = "  " * profondeur + f"[{acc.getRoleName()}] « {acc.name} »"
        if acc.description:
            ligne += f" — {acc.description}"
        print(ligne)
        for i in range(acc.childCount):
            arbre(acc.getChildAtIndex(i), profondeur + 1)
    except Exception:
        pass

def chercher(acc, role, nom):
    if acc.getRoleName() == role and acc.name == nom:
        return acc
    for i in range(acc.childCount):
        trouve = chercher(acc.getChildAtIndex(i), role, nom)
        if trouve:
            return trouve
    return None

bureau = pyatspi.Registry.getDesktop(0)
applis = [bureau.getChildAtIndex(i) for i in range(bureau.childCount)]
appli = next((a for a in applis if a is not None and a.name == sys.argv[1]), None)
if appli is None:
    sys.exit(f"{sys.argv[1]} n'apparaît pas sur le bus d'accessibilité")
ok = chercher(appli, "push button", "OK")
if ok is not None:
    ok.queryAction().doAction(0)
    time.sleep(2)
arbre(appli)
PYTHON
