#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# La suite pour Windows, essayée sous Wine (dans un écran virtuel, en
# français) :
#   bash outils/tester_windows.sh
# 1. compile pour Windows les programmes et les tests (GoogleTest compilé
#    depuis ses sources de Debian) et passe les tests sous Wine ; les essais
#    propres à Linux (paquet Debian, pages de manuel, arborescence de Linux,
#    Xvfb et sonde LD_PRELOAD) ne sont pas construits pour Windows
#    (tests/bancs/CMakeLists.txt dit pourquoi) ;
# 2. fait l'installateur et l'archive (outils/windows.sh), installe la suite
#    en silence dans un Wine neuf, démarre chaque programme installé et
#    le lanceur (sa fenêtre s'ouvre, « --version » répond), puis la
#    désinstalle et vérifie que rien ne reste dans Program Files ni dans le
#    menu Démarrer.
# Sort en erreur au premier échec.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
sortie="$racine/build-windows"
bash "$racine/outils/installer.sh"
bash "$racine/outils/windows/paquets.sh"
qt="$(bash "$racine/outils/qt-windows.sh" | tail -n 1)" # pour WINEPATH
coeurs="$(nproc)"

travail="$(mktemp -d)"
ecran=""
nettoyer() {
    # Chaque Wine arrêté, et attendu, avant d'effacer son dossier.
    for prefixe in "$travail/wine" "$travail/installation"; do
        [ -d "$prefixe" ] || continue
        WINEPREFIX="$prefixe" wineserver -k 2>/dev/null || true
        WINEPREFIX="$prefixe" wineserver -w 2>/dev/null || true
    done
    [ -n "$ecran" ] && kill "$ecran" 2>/dev/null || true
    rm -rf "$travail" 2>/dev/null || true
}
trap nettoyer EXIT

# Un écran virtuel, et un Wine neuf en français : la locale fr_FR.UTF-8
# compilée ici (comme pour les pages de manuel), sans dépendre de celles de la
# machine.
numero=90
while [ -e "/tmp/.X11-unix/X$numero" ]; do numero=$((numero + 1)); done
Xvfb ":$numero" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
ecran=$!
export DISPLAY=":$numero"
mkdir -p "$travail/locales"
localedef -i fr_FR -f UTF-8 "$travail/locales/fr_FR.UTF-8"
export LOCPATH="$travail/locales" LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
nouveau_wine() {
    export WINEPREFIX="$1"
    wineboot -i >/dev/null 2>&1
    # Wine ne transmet pas aux programmes les variables dont le nom commence
    # par QT_ : celles des tests se posent dans l'environnement de Windows.
    for v in "${@:2}"; do
        wine reg add 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' \
             /v "${v%%=*}" /d "${v#*=}" /f >/dev/null
    done
    wineserver -w
}

echo "== Tests de la suite compilée pour Windows, sous Wine =="
essais="$sortie/essais"
bash "$racine/outils/windows/configurer.sh" "$essais" -DCMAKE_BUILD_TYPE=Release \
     -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)"
nouveau_wine "$travail/wine" QT_QPA_PLATFORM=offscreen
# Qt et l'exécution de GCC, trouvés par les tests comme par les programmes.
WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
cmake --build "$essais" -j"$coeurs"
# Les services de Wine démarrés avant les tests, hors de leurs sorties : sans
# cela, ils héritent de celles du premier test, que ctest attend jusqu'à la
# fin de Wine.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
# Wine attend plus qu'il ne calcule : deux tests par cœur.
(cd "$essais" && ctest --output-on-failure -j"$((2 * coeurs))")
wineserver -k || true

echo "== Installateur, programmes installés, désinstallation, sous Wine =="
unset WINEPATH
# L'installateur et l'archive, faits des programmes que les tests viennent
# d'essayer (même construction, Release).
BANCS_CONSTRUCTION_WINDOWS="$essais" bash "$racine/outils/windows.sh"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$essais/CMakeCache.txt")"
nouveau_wine "$travail/installation"
bash "$racine/outils/windows/verifier_installation.sh" "$sortie/bancs-electrotechnique-$version-win64-setup.exe" \
     "$version" "$essais/programmes.txt"
echo "== Tout est passé sous Wine : tests, installation, programmes, désinstallation =="
