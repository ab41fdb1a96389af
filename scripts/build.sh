#!/usr/bin/env bash
# Configures and builds into the folder given (default: build), passing any
# further arguments to CMake; "--target NAME" builds only that target. Jobs:
# CMAKE_BUILD_PARALLEL_LEVEL when set, else one per core.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build}
shift || true
config=()
build=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--target" ] && [ $# -ge 2 ]; then
    build+=(--target "$2")
    shift 2
  else
    config+=("$1")
    shift
  fi
done
cmake -S "$here" -B "$dir" -G Ninja ${config[@]+"${config[@]}"} >/dev/null
cmake --build "$dir" ${build[@]+"${build[@]}"} --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
