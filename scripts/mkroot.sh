#!/usr/bin/env bash
# Prepares the runtime root for a run and prints its absolute path.
# A root given in DVR_ROOT belongs to the user: its folders are made when
# missing, and nothing in it is ever removed. Without DVR_ROOT the root is
# the folder given as the argument; it is made fresh when this script made
# it before (it carries the marker file), and kept as it is otherwise.
# Its messages name the root as printf %q writes it, so that a control
# byte or a byte that is not printable in it shows escaped, never raw (the
# path it prints as a command is the value itself, as it is).
# Every program running on a root holds a shared lock on the root's folder
# for its whole run: a root this script cannot lock alone is not emptied,
# and the script ends with 1.
# Sourced by the run command (". mkroot.sh DEFAULT_ROOT"), it prints nothing
# and leaves the root's path in $root and the root held on descriptor 9:
# alone when it was made afresh (the run command shares it once the root is
# whole), shared otherwise.
set -euo pipefail
default=${1:?usage: mkroot.sh DEFAULT_ROOT}
marker=.made-by-run-script
alone=0
if [ -n "${DVR_ROOT:-}" ]; then
  root=$(realpath -m -- "$DVR_ROOT")
else
  root=$(realpath -m -- "$default")
  if [ ! -e "$root" ]; then
    # Made with its marker in one step (a rename that never replaces), so
    # that a second run command starting at the same moment finds either
    # no folder or the run command's own.
    mkdir -p -- "$(dirname -- "$root")"
    fresh=$(mktemp -d -- "$root.XXXXXX")
    chmod "$(umask -S)" "$fresh"
    : > "$fresh/$marker"
    # A root made meanwhile by the other is kept: mv -n then skips, ending
    # with 0 or 1 as coreutils releases differ, and the folder is ours to
    # remove. Whose root it is comes next.
    if ! mv -T -n -- "$fresh" "$root" 2>/dev/null && [ ! -d "$root" ]; then
      rm -rf -- "$fresh"
      printf 'Runtime root %q cannot be made.\n' "$root" >&2
      exit 1
    fi
    rm -rf -- "$fresh"
  fi
  if [ -f "$root/$marker" ]; then
    # Held alone while the root is emptied and made again: the folder
    # itself stays, so a program starting meanwhile waits for its lock and
    # then runs in the new root.
    exec 9<"$root"
    if ! flock -n -x 9; then
      printf 'Runtime root %q is used by a running program or run command: not made afresh; stop it first.\n' "$root" >&2
      exit 1
    fi
    alone=1
    find "$root" -mindepth 1 -maxdepth 1 ! -name "$marker" -exec rm -rf -- {} +
  else
    printf 'Runtime root %q was not made by the run command: using it as it is.\n' "$root" >&2
  fi
fi
if [ "$alone" = 0 ]; then
  # A root used as it is: shared with the programs on it, and with a run
  # command making it afresh only once that one has made it whole.
  mkdir -p -- "$root"
  exec 9<"$root"
  if ! flock -n -s 9; then
    printf 'Runtime root %q is being made afresh: waiting.\n' "$root" >&2
    flock -s 9
  fi
fi
mkdir -p -- "$root"/{dvr,tmp,data,backup,var/volatile,dev,etc,app}
# Run as a command, the hold ends with this script.
[ "${BASH_SOURCE[0]}" != "$0" ] || echo "$root"
