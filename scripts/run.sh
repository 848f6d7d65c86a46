#!/usr/bin/env bash
# Installs what is missing, builds the game (not the test programs: scripts/build.sh without
# --game builds those) and starts it from the folder that holds its assets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" --game
cd "$root/build"
if [ -x ./velkor ]; then exec ./velkor "$@"; else exec ./velkor-sim --help; fi
