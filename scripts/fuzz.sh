#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (folder build-fuzz) and runs each briefly
# through CTest. Longer runs by hand: see tests/*/fuzz/fuzz.cmake.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$here/build-fuzz
"$here/scripts/deps.sh"
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
CC=clang CXX=clang++ cmake -S "$here" -B "$dir" -G Ninja -DDVR_FUZZ=ON -DDVR_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug -DDVR_BUILD_BENCH=OFF >/dev/null
targets=$(cmake --build "$dir" --target help | sed -n 's/^\([a-z]*fuzz\): .*/\1/p')
# Jobs as for every build the scripts make (scripts/build.sh).
cmake --build "$dir" --target $targets --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cd "$dir"
ctest --output-on-failure --no-tests=error -R libfuzzer
