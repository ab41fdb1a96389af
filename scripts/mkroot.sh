#!/usr/bin/env bash
# Prepares the runtime root for a run and prints its absolute path.
# A root given in DVR_ROOT belongs to the user: its folders are made when
# missing, and nothing in it is ever removed. Without DVR_ROOT the root is
# the folder given as the argument; it is made fresh when this script made
# it before (it carries the marker file), and kept as it is otherwise. A
# program running on the root holds a lock on its tmp folder (the device
# layer's control channel): such a root is not emptied, and the script ends
# with 1.
set -euo pipefail
default=${1:?usage: mkroot.sh DEFAULT_ROOT}
marker=.made-by-run-script
if [ -n "${DVR_ROOT:-}" ]; then
  root=$(realpath -m -- "$DVR_ROOT")
else
  root=$(realpath -m -- "$default")
  if [ -f "$root/$marker" ]; then
    if [ -d "$root/tmp" ] && ! flock -n "$root/tmp" true; then
      echo "Runtime root $root is used by a running program: not made afresh; stop that program first." >&2
      exit 1
    fi
    rm -rf -- "$root"
  elif [ -e "$root" ]; then
    echo "Runtime root $root was not made by the run command: using it as it is." >&2
  fi
  if [ ! -e "$root" ]; then
    mkdir -p -- "$root"
    touch -- "$root/$marker"
  fi
fi
mkdir -p -- "$root"/{dvr,tmp,data,backup,var/volatile,dev,etc,app}
echo "$root"
