#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With --sanitize the
# build uses AddressSanitizer and UndefinedBehaviorSanitizer (folder
# build-asan).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$here/build
# Tests are asked for explicitly: the run command configures the same build
# folder without them.
args=(-DDVR_BUILD_TESTS=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=$here/build-asan
  args+=(-DDVR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DDVR_BUILD_BENCH=OFF)
fi
"$here/scripts/deps.sh"
"$here/scripts/build.sh" "$dir" "${args[@]}"
cd "$dir"
# A run that found no test fails instead of passing.
ctest --output-on-failure --no-tests=error -j"$(nproc)"
