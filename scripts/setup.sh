#!/usr/bin/env bash
# setup.sh [PACKAGE...]: installs the Debian packages the build, the game and the tests need,
# and those named (a script's own extra needs), only those missing.
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libsdl2-mixer-dev timgm6mb-soundfont
  fonts-liberation2 fonts-ipafont-gothic xvfb xauth imagemagick xdotool sox openbox x11-utils)
missing=()
packages+=("$@")
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
