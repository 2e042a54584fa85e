#!/usr/bin/env bash
# Sets up, builds and runs every test. Pass a build directory and extra CMake
# options to build a variant, e.g. scripts/test.sh build-asan -DQUILLSONG_SANITIZE=address,undefined
# QUILLSONG_BUILD_TARGETS (space-separated) builds only those targets and
# QUILLSONG_TEST_REGEX runs only the tests whose names match it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLSONG_WERROR=ON "$@" > /dev/null
targets=()
for target in ${QUILLSONG_BUILD_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" "${targets[@]}"
filter=()
if [ -n "${QUILLSONG_TEST_REGEX:-}" ]; then
    filter=(-R "$QUILLSONG_TEST_REGEX")
fi
ctest --test-dir "$build_dir" --output-on-failure -j2 "${filter[@]}"
