#!/usr/bin/env bash
# Installs what is missing, builds, and starts the recorder program against the
# device-layer stand-in in a runtime root (scripts/mkroot.sh): in a window when a display is
# there, otherwise headless (offscreen). Arguments go to the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
# The root first: one a running program holds is refused before any time
# goes to a build. From here on this run holds it on descriptor 9 without a
# gap: a root made afresh alone until it is whole (built, marked, the image
# sheet copied), so that a second run command refuses it and a program
# started on it meanwhile waits; then shared, as every program holds its
# root, and the program this run becomes takes the hold over.
. "$here/scripts/mkroot.sh" "$here/build/run-root"
"$here/scripts/deps.sh"
"$here/scripts/build.sh" "$here/build" -DDVR_BUILD_TESTS=OFF -DDVR_BUILD_BENCH=OFF
# A root the run command made stands for a recorder that passed its factory
# test; without the marker the program takes the board-test branch.
if [ -f "$root/.made-by-run-script" ] && [ ! -e "$root/dvr/board_ok.txt" ]; then
  printf 'ok\0' > "$root/dvr/board_ok.txt"
fi
if [ -d "$here/build/res/sheet" ]; then
  cp "$here"/build/res/sheet/img_res.png* "$root/app/" 2>/dev/null || true
fi
chmod 700 "$root/tmp"
# Whole: shared from now on.
flock -s 9
export DVR_ROOT=$root
if [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=xcb
  else
    export QT_QPA_PLATFORM=offscreen
    echo "No display found: running headless (offscreen)."
  fi
fi
# The program's own debug lines (the dvr.* categories) stay off unless asked
# for: QT_LOGGING_RULES="dvr.*.debug=true" ./scripts/run.sh shows them all.
export QT_LOGGING_RULES=${QT_LOGGING_RULES:-"dvr.*.debug=false"}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$root/tmp}
# Named as the root script names it: escaped, never raw on the terminal.
printf 'Runtime root: %q\n' "$root"
# Ctrl-C (SIGINT) or SIGTERM ends the program through its clean shutdown.
exec "$here/build/app/dvrui" "$@"
