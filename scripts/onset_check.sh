#!/usr/bin/env bash
# What the ear gets from the built-in synthesizer: plays a click track of
# sixteenths at 208 in real time into FluidSynth's file driver with 64- and
# 1024-frame periods and prints how far the clicks in the recording lie from
# the beat grid. Pass a build directory (default build) and the number of
# bars (default 16); set ONSET_RUNS to repeat each period size.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
bars=${2:-16}
cmake --build "$build_dir" --target quillsong_onset_check > /dev/null
for run in $(seq "${ONSET_RUNS:-1}"); do
    for period in 64 1024; do
        "$build_dir/quillsong_onset_check" --period "$period" --bars "$bars" || true
    done
done
