#!/usr/bin/env bash
# Reads the manifest written by dvr_link_check() (target|objects|library|file)
# and fails for every target that links a shared library without using a
# symbol it defines.
set -uo pipefail
bad=0
total=0
while IFS='|' read -r tgt objects dep lib; do
  total=$((total + 1))
  IFS=',' read -r -a objs <<< "$objects"
  used=$(nm -u --format=just-symbols "${objs[@]}" 2>/dev/null | grep -v ':$' | sort -u)
  defined=$(nm -D --defined-only --format=just-symbols "$lib" | sed 's/@.*//' | sort -u)
  if [ -z "$(comm -12 <(echo "$used") <(echo "$defined") | grep -v '^$' | head -1)" ]; then
    echo "$tgt links $dep without using it"
    bad=$((bad + 1))
  fi
done < "$1"
echo "links: $((total - bad)) passed, $bad failed"
[ "$bad" -eq 0 ]
