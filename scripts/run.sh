#!/usr/bin/env bash
# Sets up, builds and runs Quillsong. Arguments are passed to the program
# (default: --help).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLSONG_WERROR=ON > /dev/null
cmake --build build --target quillsong
if [ $# -eq 0 ]; then
    set -- --help
fi
exec ./build/quillsong "$@"
