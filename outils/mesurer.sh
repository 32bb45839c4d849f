#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mesures des neuf programmes tels que l'élève les lance, sous un vrai serveur
# X (Xvfb), comparés à un programme Qt Widgets nu qui montre autant de
# contrôles dans une fenêtre de même taille :
#   - démarrage : du lancement jusqu'à l'accueil exposé, puis jusqu'à la
#     fenêtre principale exposée (l'accueil passant la main aussitôt, comme
#     sur « OK ») ; médiane de N lancements, et rapport au programme nu ;
#   - processeur par seconde au repos, puis le banc en mouvement (balayage
#     des quatre panneaux, arbre qui tourne, champ tournant), lu dans la
#     comptabilité du processus lui-même (utilisateur + système) sur une
#     fenêtre fixe, après deux secondes de mise en place ;
#   - mémoire maximale du processus.
# La sonde (outils/mesure/mesure_prechargee.cpp) est chargée par LD_PRELOAD
# dans le vrai programme ; rien n'est mesuré dans une boucle artificielle.
#
#   bash outils/mesurer.sh [LANCEMENTS] [DUREE_S]      (par défaut 9 et 10)
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$racine"
lancements="${1:-9}"
duree="${2:-10}"
build="$racine/build"

quatre_grandeurs="choix_grandeur(0)#1;choix_grandeur(1)#2;choix_grandeur(2)#3;choix_grandeur(3)#4"
declare -A repos=([virelai]="!bouton_arret")
declare -A anime=(
    [vek]="choixUe=180;choixUi=40;!Interinduit;choixUi=220"
    [sodel]="choix_v1=230;choix_T=27;!bouton_marche"
    [trivon]="choix_uvek=120;choix_ue=70;!bouton_inter"
    [virelai]="!bouton_arret"
    [orvalt]="$quatre_grandeurs" [gresil]="$quatre_grandeurs"
    [fenoul]="$quatre_grandeurs" [onduleur]="$quatre_grandeurs"
    [transfo]="")

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Les programmes de la suite, tels que cmake/programmes.cmake les nomme ; un
# programme sans ligne dans les tableaux ci-dessus est mesuré au repos seulement.
mapfile -t programmes < "$build/programmes.txt"
cmake --build "$build" -j"$(nproc)" --target "${programmes[@]}" bancs_mesure programme_nu >/dev/null
sonde="$build/outils/libbancs_mesure.so"

# Un serveur X à part, sur un numéro d'écran libre.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb_pid <&3
read -r ecran <&3
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
export DISPLAY=":$ecran" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR

# mesure EXECUTABLE [ARGUMENTS...] : une ligne « clé=valeur ... » de la sonde.
mesure() {
    BANCS_MESURE_T0=$EPOCHREALTIME LD_PRELOAD="$sonde" timeout 120 "$@" 2>/dev/null |
        sed -n 's/^MESURE //p'
}
valeur() { sed -n "s/.*\<$1=\([^ ]*\).*/\1/p" <<<"$2"; }
mediane() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# demarrages EXECUTABLE [ARGUMENTS...] : médianes de l'accueil et de la principale.
demarrages() {
    local a=() p=() ligne
    mesure "$@" >/dev/null # premier lancement : caches du disque et des polices
    for ((k = 0; k < lancements; k++)); do
        ligne="$(mesure "$@")"
        a+=("$(valeur accueil_ms "$ligne")")
        p+=("$(valeur principale_ms "$ligne")")
    done
    echo "$(printf '%s\n' "${a[@]}" | mediane) $(printf '%s\n' "${p[@]}" | mediane)"
}

processeur() { # REPOS ANIME EXECUTABLE [ARGUMENTS...]
    local r="$1" a="$2"
    shift 2
    BANCS_MESURE_DUREE="$duree" BANCS_MESURE_REPOS="$r" BANCS_MESURE_ANIME="$a" mesure "$@"
}

echo "Mesuré le $(date -u '+%Y-%m-%d %H:%M UTC') sur $(nproc) cœurs ($(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -1)),"
echo "Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'), Xvfb 1280x1024x24, $lancements lancements par médiane, $duree s par mesure du processeur."
echo
echo "| programme | accueil (ms) | fenêtre principale (ms) | programme nu (ms) | rapport | contrôles | processeur au repos | processeur en mouvement | programme nu en mouvement | mémoire max (Mo) |"
echo "|---|---|---|---|---|---|---|---|---|---|"
# Virgule décimale dans le tableau, comme dans le reste de la documentation.
virgule() { sed -E 's/([0-9])\.([0-9])/\1,\2/g'; }
for p in "${programmes[@]}"; do
    read -r accueil principale < <(demarrages "$build/$p/$p")
    ligne="$(processeur "${repos[$p]:-}" "${anime[$p]:-}" "$build/$p/$p")"
    controles="$(valeur controles "$ligne")"
    largeur="$(valeur largeur "$ligne")"
    hauteur="$(valeur hauteur "$ligne")"
    read -r _ nu < <(demarrages "$build/outils/programme_nu" "$controles" "$largeur" "$hauteur")
    nu_cpu="$(processeur "" "!marche" "$build/outils/programme_nu" "$controles" "$largeur" "$hauteur")"
    cpu_anime="$(valeur cpu_anime "$ligne")"
    [ "${anime[$p]:-}" = "" ] && cpu_anime="—"
    [ "$cpu_anime" = "—" ] || cpu_anime="$cpu_anime %"
    printf '| %s | %.0f | %.0f | %.0f | %.2f | %s | %s %% | %s | %s %% | %.1f |\n' \
        "$p" "$accueil" "$principale" "$nu" "$(awk -v a="$principale" -v b="$nu" 'BEGIN { print a / b }')" \
        "$controles" "$(valeur cpu_repos "$ligne")" "$cpu_anime" "$(valeur cpu_anime "$nu_cpu")" \
        "$(awk -v k="$(valeur memoire_ko "$ligne")" 'BEGIN { print k / 1024 }')" | virgule
done
