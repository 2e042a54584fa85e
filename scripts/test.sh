#!/usr/bin/env bash
# Sets up, builds and runs every test. Pass a build directory and extra CMake
# options to build a variant, e.g. scripts/test.sh build-asan -DQUILLSONG_SANITIZE=address,undefined
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j2
