#!/usr/bin/env bash
# Builds the song-file fuzzer with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer, coverage) and runs it for the given number of seconds (default 60)
# from the seed corpus in fuzz/corpus. New inputs go to a scratch folder, not
# into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
seconds=${1:-60}
build_dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLSONG_FUZZ=ON -DQUILLSONG_TESTS=OFF -DQUILLSONG_BENCHMARKS=OFF -DQUILLSONG_WERROR=ON \
    -DQUILLSONG_SANITIZE=address,undefined,fuzzer-no-link > /dev/null
cmake --build "$build_dir" --target song_fuzzer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"./$build_dir/song_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 "$work" fuzz/corpus
