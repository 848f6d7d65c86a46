#!/usr/bin/env bash
# build.sh DIR [--game] [extra cmake args...]: configures (once) and builds the project into DIR,
# with warnings as errors: everything (the tests need it all), or with --game only the game
# (velkor and the assets beside it; velkor-sim in a build without Qt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
game=0
args=()
for a in "$@"; do
  if [ "$a" = --game ]; then game=1; else args+=("$a"); fi
done
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKOR_WERROR=ON "${args[@]}" > /dev/null
targets=()
if [ "$game" = 1 ]; then
  if ninja -C "$dir" -t query velkor > /dev/null 2>&1; then targets=(--target velkor); else targets=(--target velkor-sim); fi
fi
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
