#!/usr/bin/env bash
# How quick and how light the game is as a player starts it: launches each
# Release game given N times under a private Xvfb screen, from the spawn of the
# process to its window mapped and visible, then reads its resident memory at
# the title, its CPU while it idles there, and its resident memory after a
# LEVEL4 game of 20 moves that bench/start_game.py plays in the real window.
# Several games are started in turn (before, after, before, ...), so that the
# load of a shared machine hits them alike.
#
#   bench/start.sh [-n N] [-g GAME_RUNS] [-d :DISPLAY] [-i IDLE_SECONDS] GAME...
#
# The game is played in the first GAME_RUNS runs only (all by default; 0 for
# none): under load each takes minutes. Prints for each GAME:
#   start_ms median M min A max B
#   rss_mb title R game G
#   idle_cpu_pct title C
# Each GAME starts in a fresh home of its own (settings, window place and
# cache), kept over its N starts, as a player's is: the first start of each is
# a first start, the others are not. Needs Xvfb, xdotool and imagemagick
# (scripts/install-deps.sh xdotool imagemagick), and python3 with libX11 for
# bench/start_wait.py.
set -euo pipefail

runs=5
display=:35
idle_s=10
game_runs=-1
games=()
while [ $# -gt 0 ]; do
    case "$1" in
        -n) runs=$2; shift 2 ;;
        -d) display=$2; shift 2 ;;
        -i) idle_s=$2; shift 2 ;;
        -g) game_runs=$2; shift 2 ;;
        -*) echo "usage: $0 [-n N] [-g GAME_RUNS] [-d :DISPLAY] [-i IDLE_SECONDS] GAME..." >&2; exit 2 ;;
        *) games+=("$(realpath "$1")"); shift ;;
    esac
done
[ ${#games[@]} -gt 0 ] || { echo "usage: $0 [-n N] [-d :DISPLAY] GAME..." >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/murokan-start.XXXXXX)
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=0
cleanup() {
    [ "$pid" -gt 0 ] && kill "$pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

# The audio device of a machine without one: SDL's own stand-in, which mixes
# in real time like a sound card.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# CPU ticks (user + system) the process has used.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# The settings a first start writes: the defaults, with the elapsed-time clock
# off so that the screen keeps still while the computer is waited for, and
# move guidance on so that the player's script sees where a piece may go.
write_settings() {
    printf '背景画=緑\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n' |
        iconv -f UTF-8 -t CP932 >"$1/Murokan.ini"
}

# One start of game $1 in home $2, with a game played when $3 is 1: prints
# "START_MS RSS_TITLE_KB IDLE_PCT RSS_GAME_KB" (0 for no game).
one_start() {
    local exe=$1 home=$2 play_game=$3 wid start_ms c0 c1 rss_title rss_game=0
    cd "$home/play"
    # start_wait.py spawns the game and waits for the X server's word that its
    # window is mapped: no polling delay, and no search competing for the CPU.
    read -r pid wid start_ms < <(HOME=$home XDG_CONFIG_HOME=$home/.config \
        XDG_CACHE_HOME=$home/.cache XDG_DATA_HOME=$home/.local/share \
        python3 "$here/start_wait.py" "$exe") || { echo "the game ended at start" >&2; exit 1; }
    sleep 2
    rss_title=$(rss_kb "$pid")
    c0=$(cpu_ticks "$pid")
    sleep "$idle_s"
    c1=$(cpu_ticks "$pid")
    if [ "$play_game" = 1 ]; then
        python3 "$here/start_game.py" "$pid" "$wid" 20 >&2
        rss_game=$(rss_kb "$pid")
    fi
    kill "$pid"
    # Not this shell's child (start_wait.py spawned it): waited for by polling.
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    pid=0
    echo "$start_ms $rss_title $(awk -v t=$((c1 - c0)) -v s="$idle_s" -v hz="$(getconf CLK_TCK)" \
        'BEGIN {printf "%.2f", 100 * t / hz / s}') $rss_game"
}

for i in "${!games[@]}"; do
    mkdir -p "$work/$i/play"
    write_settings "$work/$i/play"
    # The wave files the game finds beside itself are found there still.
    : >"$work/$i/results"
done
for run in $(seq "$runs"); do
    for i in "${!games[@]}"; do
        play=0
        [ "$game_runs" -lt 0 ] || [ "$run" -le "$game_runs" ] && play=1
        one_start "${games[$i]}" "$work/$i" "$play" >>"$work/$i/results"
        echo "run $run ${games[$i]}: $(tail -n1 "$work/$i/results")" >&2
    done
done

for i in "${!games[@]}"; do
    echo "${games[$i]}"
    sort -n -k1,1 "$work/$i/results" | awk '{a[NR] = $1} END {
        printf "start_ms median %d min %d max %d\n", a[int((NR + 1) / 2)], a[1], a[NR]}'
    sort -n -k2,2 "$work/$i/results" | awk '{t[NR] = $2} END {printf "%d", t[int((NR + 1) / 2)]}' >"$work/t"
    awk '$4 > 0' "$work/$i/results" | sort -n -k4,4 |
        awk '{g[NR] = $4} END {printf "%d", NR ? g[int((NR + 1) / 2)] : 0}' >"$work/g"
    awk -v t="$(cat "$work/t")" -v g="$(cat "$work/g")" 'BEGIN {
        printf "rss_mb title %.1f game %.1f\n", t / 1024, g / 1024}'
    sort -n -k3,3 "$work/$i/results" | awk '{c[NR] = $3} END {
        printf "idle_cpu_pct title %.2f\n", c[int((NR + 1) / 2)]}'
done
