#!/usr/bin/env bash
# screenshot.sh [OUT.png] [seconds]: builds, starts the game on a virtual screen with its own
# settings folder, waits, and saves a picture of the whole screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/velkor-screen.png}")
wait=${2:-3}
"$root/scripts/build.sh" "$root/build"
cfg=$(mktemp -d)
trap 'rm -rf "$cfg"' EXIT
cd "$root/build"
XDG_CONFIG_HOME="$cfg" xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  "./velkor & pid=\$!; sleep $wait; import -window root '$out'; kill \$pid"
echo "$out"
