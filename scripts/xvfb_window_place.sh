#!/usr/bin/env bash
# xvfb_window_place.sh [BUILD_DIR] [OUT_DIR]: starts the program under a window manager
# (openbox on a 1280x1024 virtual display) with a fresh settings folder, leaves the title
# screen alone until the demonstration starts, ends it with a click on the table, turns the
# music off and on with its switch, changes the track (a solo game, then "Menu"), and fails
# when the main window's place changes at any time from its first map on. The place (the
# window's own X window and the frame around it) is sampled every 0.2 s; OUT_DIR gets the log
# (place.log) and a screenshot of the demonstration in its frame (demonstration.png).
# About 50 s. Needs xvfb, openbox, xdotool, x11-utils and imagemagick (test tools only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/build/window-place}
mkdir -p "$out"
for tool in Xvfb openbox xdotool xwininfo import; do
  command -v "$tool" > /dev/null || { echo "missing $tool (apt-get install xvfb openbox xdotool x11-utils imagemagick)"; exit 2; }
done

sampler_pid=""
extra_cleanup() {
  [ -z "$sampler_pid" ] || kill "$sampler_pid" 2> /dev/null || true
}
source "$root/scripts/xvfb_session.sh"
start_xvfb_session 60 1280x1024x24
kill -0 "$xvfb_pid" 2> /dev/null || { echo "FAIL: Xvfb did not start"; exit 2; }
start_window_manager

log="$out/place.log"
: > "$log"
start=$EPOCHREALTIME
elapsed() { awk -v now="$EPOCHREALTIME" -v t0="$start" 'BEGIN { printf "%6.2f", now - t0 }'; }
note() { echo "$(elapsed) $*" | tee -a "$log"; }
# moves: the samples whose place differs from the first map's.
moves() { awk -v first="$first" '$2 == "sample" && $3 " " $4 " " $5 " " $6 " " $7 " " $8 != first' "$log"; }
fail() {
  note "FAIL: $*"
  [ -z "${first:-}" ] || moves
  exit 1
}

# The suite runs with QT_QPA_PLATFORM=offscreen; this run needs the X display.
(cd "$build" && XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy LANG=C.UTF-8 \
  exec ./velkor 2> /dev/null) &
app_pid=$!

# The opening window (untitled) shows first; the main window maps when it closes, after 6 s.
win=""
for _ in $(seq 200); do
  win=$(xdotool search --onlyvisible --name "^VELKOR Ver" 2> /dev/null | head -1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "the main window did not show"

# place: "client X,Y WIDTHxHEIGHT frame X,Y WIDTHxHEIGHT", the main window's own X window and
# the frame that the window manager put around it, in screen pixels. (xdotool's
# getwindowgeometry adds the window's offset in its frame once more, so xwininfo is asked.)
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {printf "%s,%s %sx%s", x, y, w, h}'
}
place() {
  local frame
  frame=$(xwininfo -children -id "$win" | awk '/Parent window id/ {print $4}')
  echo "client $(geometry "$win") frame $(geometry "$frame")"
}
caption() { xdotool getwindowname "$win"; }
first=$(place)
note "first map: $first \"$(caption)\""

# Logs every sample whose place or caption differs from the one before.
sample() {
  local last="" now
  while kill -0 "$app_pid" 2> /dev/null; do
    now="$(place 2> /dev/null || echo gone) \"$(caption 2> /dev/null || true)\""
    [ "$now" = "$last" ] || { echo "$(elapsed) sample $now" >> "$log"; last=$now; }
    sleep 0.2
  done
}
sample &
sampler_pid=$!

# The client area (540 x 372) lies below the menu bar in the window's own X window.
client_top() { xwininfo -id "$win" | awk '/Height:/ {print $2 - 372}'; }
click() {  # x y in client-area pixels
  xdotool mousemove --window "$win" "$1" $(($(client_top) + $2))
  sleep 0.3
  xdotool click 1
}
# wait_caption_change BEFORE SECONDS: waits until the caption (it names the track) is no
# longer BEFORE.
wait_caption_change() {
  for _ in $(seq $(($2 * 5))); do
    [ "$(caption)" = "$1" ] || { note "caption: \"$(caption)\""; return 0; }
    sleep 0.2
  done
  return 1
}
# title_hidden: the title picture no longer covers the bottom left, where the table screen's
# cue-ball picture is light and the title dark.
title_hidden() {
  local X Y light
  eval "$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print "X=" $4} /Absolute upper-left Y/ {print "Y=" $4}')"
  light=$(import -window root -crop "3x3+$((X + 23))+$((Y + $(client_top) + 361))" +repage \
    -format "%[fx:mean]" info: 2> /dev/null || echo 0)
  awk -v l="$light" 'BEGIN { exit !(l > 0.4) }'
}

# Left alone for 30 s, the title screen starts the demonstration; the title track restarts
# about then (after its 30.5 s), which sets the caption anew.
until title_hidden; do
  awk -v t="$(elapsed)" 'BEGIN { exit !(t > 60) }' && fail "the demonstration did not start"
  sleep 0.2
done
note "the demonstration started"
sleep 4
import -window root "$out/demonstration.png"
note "screenshot $out/demonstration.png"
click 270 175  # a click on the table ends the demonstration: the title screen again
sleep 2
title_hidden && fail "the click on the table did not end the demonstration"
note "back on the title screen"
# The switch writes its state to the settings file, which shows that the click landed.
bgm_setting() { awk -F= 'toupper($1) == "BGM" {print $2 + 0}' "$config/velkor/VELKOR.INI"; }
click 60 140  # the music switch: off
sleep 2
[ "$(bgm_setting)" = 0 ] || fail "the music switch did not turn the music off"
note "music off"
click 60 140  # and on: the title track starts anew
sleep 2
[ "$(bgm_setting)" = -1 ] || fail "the music switch did not turn the music on"
note "music on"
before=$(caption)
click 97 76  # "Solo Play": the game's track
wait_caption_change "$before" 10 || fail "the game's track did not start"
note "a solo game, its track started"
sleep 2
before=$(caption)
click 500 12  # "Menu": the title track again
wait_caption_change "$before" 10 || fail "the title track did not start again"
note "the title screen, its track started"
sleep 2

kill "$sampler_pid" 2> /dev/null || true
wait "$sampler_pid" 2> /dev/null || true
sampler_pid=""
note "last: $(place)"
stop_game

moved=$(moves)
if [ -n "$moved" ]; then
  echo "FAIL: the main window left its first place ($first):"
  echo "$moved"
  exit 1
fi
echo "the main window stayed where it first mapped ($first); log $log"
