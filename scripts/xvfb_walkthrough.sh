#!/usr/bin/env bash
# xvfb_walkthrough.sh [BUILD_DIR] [OUT_DIR]: plays the program on a virtual X display and
# takes screenshots: the opening window, the title screen, a solo game before and after a
# shot, the version window, the title again after "Menu", a match against the computer with
# quib taking its turns and its remarks, the demonstration after 30 idle seconds with quib
# shooting (WALKTHROUGH_DEMO=0 skips it), and checks that the exit picture ends the program.
# Needs xvfb, xdotool and imagemagick (test tools only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/build/walkthrough}
mkdir -p "$out"
for tool in Xvfb xdotool import; do
  command -v "$tool" > /dev/null || { echo "missing $tool (apt-get install xvfb xdotool imagemagick)"; exit 2; }
done

frames=""
extra_cleanup() {
  [ -z "$frames" ] || rm -rf "$frames"
}
source "$root/scripts/xvfb_session.sh"
start_xvfb_session 90

shot() { import -window root "$out/$1.png"; echo "screenshot $out/$1.png"; }

# quib's remark is yellow on black over the left of the status strip, whose own text is
# green: keeps up to four frames of folder $1 with yellow pixels there as $2-N.png.
keep_remark_frames() {
  local n=0 f yellow
  for f in "$1"/*.png; do
    yellow=$(convert "$f" -crop "357x25+$((cx + 88))+$cy" +repage \
      -fx "(r > 0.7 && g > 0.7 && b < 0.4) ? 1 : 0" -format "%[fx:mean]" info:)
    if awk -v y="$yellow" 'BEGIN { exit !(y > 0.01) }'; then
      n=$((n + 1))
      cp "$f" "$out/$2-$n.png"
      echo "screenshot $out/$2-$n.png"
      [ $n -ge 4 ] && break
    fi
  done
  [ $n -gt 0 ] || echo "no frame showed quib's remark"
}

# A fresh settings folder: the run starts with the built-in pictures and writes its own INI.
(cd "$build" && XDG_CONFIG_HOME="$config" SDL_AUDIODRIVER=dummy LANG=C.UTF-8 exec ./velkor) &
app_pid=$!

# The opening window (untitled) comes first; the main window shows when it closes, after
# 6 s or at a click.
sleep 2
shot 01-opening
xdotool search --sync --onlyvisible --name "^VELKOR Ver" > /dev/null
sleep 1
win=$(xdotool search --onlyvisible --name "^VELKOR Ver" | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
# The client area is 540 x 372 under the menu bar; without a window manager the window
# has no frame, so the menu bar takes the rest of the height.
cx=$X
cy=$((Y + HEIGHT - 372))
click() {  # x y in client pixels
  xdotool mousemove $((cx + $1)) $((cy + $2))
  sleep 0.3
  xdotool click 1
  sleep 0.7
}
hover() {
  xdotool mousemove $((cx + $1)) $((cy + $2))
  sleep 0.5
}
shot 02-title

hover 97 76  # over "Solo Play": it lights
shot 03-title-hover-solo
click 97 76
shot 04-solo-rack

click 272 349  # SHOT! while the aim point swings before the break
sleep 6
shot 05-solo-after-break

xdotool key alt+h
sleep 0.5
xdotool key v
sleep 1
shot 06-version-window
xdotool key Escape
sleep 1.5
# The version window may close by itself or by a click; make sure it is gone.
if [ "$(xdotool search --onlyvisible --name "." | wc -l)" -gt 1 ]; then
  xdotool key Return
  sleep 1
fi

hover 500 12
click 500 12  # "Menu"
shot 07-back-to-title

# A match against the computer: "You" breaks; whenever "You" is on turn again, a shot into
# an empty corner of the cloth hands the turn (often ball in hand) to quib. While quib plays,
# the table and the shot button are locked, so these clicks do nothing. A frame every 0.4 s;
# the frames in which quib's remark is up are kept as 11-vscpu-remark-N.png.
hover 283 76
click 283 76  # the "quib" button: the match set-up window (untitled "Velkor") opens
setup=$(xdotool search --onlyvisible --name "^Velkor$" | head -1 || true)
if [ -n "$setup" ]; then
  shot 10-vscpu-setup
  eval "$(xdotool getwindowgeometry --shell "$setup")"
  # OK (picOK at 58, 152, 66 x 34 of its 201 x 187 inner area) keeps "You", "quib" and 3 wins.
  xdotool mousemove $((X + 91)) $((Y + HEIGHT - 187 + 169))
  sleep 0.3
  xdotool click 1
  sleep 1
fi
shot 10-vscpu-rack
click 272 349  # "Your Shot": the break, along the swinging aim
frames=$(mktemp -d)
for i in $(seq -w 1 75); do
  import -window root "$frames/$i.png"
  if [ $((10#$i % 5)) = 0 ]; then
    xdotool key Escape  # closes a foul or result window if one is up
    sleep 0.2
    click 40 65      # aim into the cloth's corner
    click 272 349    # and shoot, when "You" may
  fi
  sleep 0.4
done
keep_remark_frames "$frames" 11-vscpu-remark
rm -rf "$frames"
xdotool key Escape
sleep 0.3
shot 12-vscpu-later
hover 500 12
click 500 12  # "Menu" (ignored while a shot runs: try again)
sleep 6
click 500 12
shot 13-back-to-title

if [ "${WALKTHROUGH_DEMO:-1}" = 1 ]; then
  # Left alone on the title for more than 30 s, the demonstration starts: quib breaks with
  # its remark, then plays both sides. A frame every 0.4 s from the 24th second; the ones
  # with a remark are kept. A click on the table ends it.
  sleep 24
  frames=$(mktemp -d)
  for i in $(seq -w 1 45); do
    import -window root "$frames/$i.png"
    sleep 0.4
  done
  keep_remark_frames "$frames" 08-demonstration-remark
  rm -rf "$frames"
  shot 08-demonstration-shooting
  click 270 175
  shot 09-after-demonstration-click
fi

hover 491 347
click 491 347  # the exit picture
for _ in $(seq 20); do
  kill -0 "$app_pid" 2> /dev/null || break
  sleep 0.25
done
if kill -0 "$app_pid" 2> /dev/null; then
  echo "the program did not end at the exit picture"
  exit 1
fi
app_pid=""
echo "the exit picture ended the program"
