#!/usr/bin/env bash
# Sets up, builds and runs Quillsong. Arguments are passed to the program;
# without any it opens the editor window (on a machine without a display it
# says so and points at the conversions).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLSONG_WERROR=ON > /dev/null
cmake --build build --target quillsong
exec ./build/quillsong "$@"
