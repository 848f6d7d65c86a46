#!/usr/bin/env bash
# xvfb_sound_check.sh [BUILD_DIR] [OUT_DIR]: starts the program on a virtual X display with
# SDL's disk audio driver, waits on the title screen, starts a solo game and breaks, then
# reads the written audio back: the title screen must carry music and the break its hits.
# Leaves OUT_DIR/audio.wav (the whole run) and the two parts as WAV files.
# Needs xvfb, xdotool and sox (test tools only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/build/sound-check}
mkdir -p "$out"
for tool in Xvfb xdotool sox; do
  command -v "$tool" > /dev/null || { echo "missing $tool (apt-get install xvfb xdotool sox)"; exit 2; }
done

source "$root/scripts/xvfb_session.sh"
start_xvfb_session 90

raw="$out/audio.raw"
start_game_with_disk_audio "$build" "$raw"
title_end=$(since)
click 97 76    # Solo Play
sleep 1.5
shot_at=$(since)
click 272 349  # SHOT!: the break
sleep 4
end=$(since)
stop_game

sox -t raw -r 44100 -e signed -b 16 -c 2 "$raw" "$out/audio.wav"
rm -f "$raw"
sox "$out/audio.wav" "$out/title.wav" trim 1 "=$title_end"
sox "$out/audio.wav" "$out/break.wav" trim "$shot_at" "=$end"
level() { sox "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {p=$3} /RMS +amplitude/ {r=$3} END {print p, r}'; }
read -r title_peak title_rms < <(level "$out/title.wav")
read -r break_peak break_rms < <(level "$out/break.wav")
echo "caption: $caption"
echo "title screen: peak $title_peak rms $title_rms ($out/title.wav)"
echo "break: peak $break_peak rms $break_rms ($out/break.wav)"
status=0
# The music stays well under the ball clicks: a full-power break peaks near 0.6.
awk -v r="$title_rms" 'BEGIN { exit !(r > 0.01) }' || { echo "FAIL: the title screen is silent"; status=1; }
awk -v p="$break_peak" 'BEGIN { exit !(p > 0.45) }' || { echo "FAIL: no hit sounds in the break"; status=1; }
[[ "$caption" == *'BGM:"'* ]] || { echo "FAIL: the caption names no track"; status=1; }
[ $status -eq 0 ] && echo "sound check passed"
exit $status
