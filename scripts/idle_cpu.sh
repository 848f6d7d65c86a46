#!/usr/bin/env bash
# idle_cpu.sh [BUILD_DIR] [title|swing]: starts the real program on a virtual X display with a
# fresh settings folder and prints the CPU it takes over 20 s, as a percentage of one core.
# title (default): it stays on the title screen (the demonstration starts only after 30 s).
# swing: "Solo Play" is clicked first, so the aim swings before the break while it is measured.
# Audio goes to SDL's dummy driver, which still synthesises the music; SDL_AUDIODRIVER=none
# leaves the game silent, to measure the screen's own cost. Needs xvfb and xdotool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
what=${2:-title}
seconds=20
for tool in Xvfb xdotool; do
  command -v "$tool" > /dev/null || { echo "missing $tool (apt-get install xvfb xdotool)"; exit 2; }
done
case "$what" in title|swing) ;; *) echo "usage: $0 [BUILD_DIR] [title|swing]"; exit 2 ;; esac

source "$root/scripts/xvfb_session.sh"
start_xvfb_session 200

(cd "$build" && XDG_CONFIG_HOME="$config" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} LANG=C.UTF-8 exec ./velkor) &
app_pid=$!

# The main window shows when the opening window closes (after 6 s).
timeout 20 xdotool search --sync --onlyvisible --name "^VELKOR Ver" > /dev/null
sleep 1
if [ "$what" = swing ]; then
  win=$(xdotool search --onlyvisible --name "^VELKOR Ver" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + 97)) $((Y + HEIGHT - 372 + 76)) click 1
  sleep 1
  xdotool mousemove 1000 750  # off the window, so no hover repaints count
  sleep 0.5
fi

ticks() { awk '{print $14 + $15}' "/proc/$app_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
awk -v d=$((after - before)) -v hz="$hz" -v s="$seconds" -v w="$what" \
  'BEGIN { printf "%s: %.2f %% CPU over %d s\n", w, 100 * d / hz / s, s }'
