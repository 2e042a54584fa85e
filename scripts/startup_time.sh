#!/bin/bash
# Measures start-up: from the process's start to the first painted score and
# to the MIDI output being open, once with each SoundFont in
# /usr/share/sounds/sf2 (FluidR3_GM, TimGM6mb) and once with none. Runs the
# program built in build/ on a virtual display (Xvfb), RUNS times each, and
# prints the median of each figure.
#
#   ./scripts/startup_time.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
program=build/quillsong
[ -x "$program" ] || { echo "build the program first (./scripts/run.sh or cmake --build build)"; exit 1; }
work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb :97 -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1

median() { sort -n | awk '{a[NR]=$1} END {if (NR == 0) print "-"; else print a[int((NR + 1) / 2)]}'; }

measure() {  # $1 label, $2 SoundFont folder
    local paint=() device=()
    for _ in $(seq "$runs"); do
        rm -rf "$work/run" "$work/config" && mkdir -m 700 "$work/run" "$work/config"
        DISPLAY=:97 XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
            QUILLSONG_REPORT_STARTUP=1 QUILLSONG_SOUNDFONT_DIR="$2" \
            "$program" 2>"$work/err" &
        local pid=$!
        for _ in $(seq 100); do
            grep -q "MIDI output open\|No MIDI output\|not be opened" "$work/err" 2>/dev/null && \
                grep -q "first score painted" "$work/err" && break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
        paint+=("$(sed -n 's/.*first score painted after \([0-9]*\) ms.*/\1/p' "$work/err")")
        device+=("$(sed -n 's/.*MIDI output open after \([0-9]*\) ms.*/\1/p' "$work/err")")
    done
    printf '%-22s first score painted %6s ms   MIDI output open %6s ms\n' "$1" \
        "$(printf '%s\n' "${paint[@]}" | grep . | median)" \
        "$(printf '%s\n' "${device[@]}" | grep . | median)"
}

for font in FluidR3_GM TimGM6mb; do
    if [ -f "/usr/share/sounds/sf2/$font.sf2" ]; then
        mkdir -p "$work/$font"
        ln -sf "/usr/share/sounds/sf2/$font.sf2" "$work/$font/$font.sf2"
        measure "$font" "$work/$font"
    fi
done
mkdir -p "$work/none"
measure "no SoundFont" "$work/none"
