#!/usr/bin/env bash
# Installs the Debian packages the recorder program needs to build, run and be
# tested, when they are missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config
      qtbase5-dev qttools5-dev-tools qttools5-dev
      libhangul-dev fonts-dejavu-core fonts-wqy-microhei fonts-nanum)
# Thai: none of the Latin, Chinese and Korean faces above has Thai glyphs.
pkgs+=(fonts-tlwg-garuda)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
