#!/usr/bin/env bash
# Prepares the runtime root for a run and prints its absolute path.
# A root given in DVR_ROOT belongs to the user: its folders are made when
# missing, and nothing in it is ever removed. Without DVR_ROOT the root is
# the folder given as the argument; it is made fresh when this script made
# it before (it carries the marker file), and kept as it is otherwise.
# Every program running on a root holds a shared lock on the root's folder
# for its whole run: a root this script cannot lock alone is not emptied,
# and the script ends with 1.
set -euo pipefail
default=${1:?usage: mkroot.sh DEFAULT_ROOT}
marker=.made-by-run-script
if [ -n "${DVR_ROOT:-}" ]; then
  root=$(realpath -m -- "$DVR_ROOT")
else
  root=$(realpath -m -- "$default")
  if [ -f "$root/$marker" ]; then
    # Held alone while the root is emptied and made again: the folder
    # itself stays, so a program starting meanwhile waits for its lock and
    # then runs in the new root.
    exec 9<"$root"
    if ! flock -n -x 9; then
      echo "Runtime root $root is used by a running program: not made afresh; stop that program first." >&2
      exit 1
    fi
    find "$root" -mindepth 1 -maxdepth 1 ! -name "$marker" -exec rm -rf -- {} +
  elif [ -e "$root" ]; then
    echo "Runtime root $root was not made by the run command: using it as it is." >&2
  else
    mkdir -p -- "$root"
    touch -- "$root/$marker"
  fi
fi
mkdir -p -- "$root"/{dvr,tmp,data,backup,var/volatile,dev,etc,app}
echo "$root"
