#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With --sanitize the
# build uses AddressSanitizer and UndefinedBehaviorSanitizer (folder
# build-asan). With --tsan it uses ThreadSanitizer (folder build-tsan) and
# builds and runs only the tests of the code that runs on several threads:
# the device-layer stand-in, the device facade, the message handler, the
# search timeline's worker, the main window's apply-thread (setup), search
# and layout thread tests, remote setup meeting the menu, and the stop
# requests' watcher.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$here/build
# Tests are asked for explicitly: the run command configures the same build
# folder without them.
args=(-DDVR_BUILD_TESTS=ON)
target=()
tests=()
case "${1:-}" in
--sanitize)
  dir=$here/build-asan
  args+=(-DDVR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DDVR_BUILD_BENCH=OFF)
  ;;
--tsan)
  dir=$here/build-tsan
  args+=(-DDVR_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDVR_BUILD_BENCH=OFF)
  target=(--target device-tests)
  tests=(-R '^(dal|common/dvr)/|^common/sys/(townerthread|tmessages)$|^ui/search/tdatasetth$|^app/(tmain-setup|tmain-setupstore|tmain-search|tmain-play|tsplitth|tmain-remotemenu|startup)$')
  # The remote-setup packet tests flood the facade from several device
  # threads at once; Debian's uninstrumented Qt then shows its own signal
  # hand-offs as races now and then (frames inside QtCore without names, so
  # no suppression can name them). They run in the other two builds.
  tests+=(-E '^common/dvr/tdvrapi-netpack$')
  ;;
esac
"$here/scripts/deps.sh"
"$here/scripts/build.sh" "$dir" "${args[@]}" ${target[@]+"${target[@]}"}
cd "$dir"
# A run that found no test fails instead of passing.
ctest --output-on-failure --no-tests=error -j"$(nproc)" ${tests[@]+"${tests[@]}"}
