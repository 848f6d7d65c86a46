#!/usr/bin/env bash
# xvfb_music_loop.sh [BUILD_DIR] [OUT_DIR]: plays the program on a virtual X display with
# SDL's disk audio driver through three restarts of the title track and two of the solo
# game's track, with every ball at rest, and prints for each restart the longest stretch of
# 10 ms windows below -35 dBFS around it, then the level of each track as the game plays it.
# Fails when a stretch lasts longer than 0.4 s. Leaves OUT_DIR/loop.wav (the whole run).
# The disk driver sleeps a whole number of milliseconds per buffer and mixes on top of that,
# so its file runs a little slower than the clock (about 1.5 %); the restart times are scaled
# by the measured rate, and a real device, which plays the track at its true speed, reaches
# a restart about 0.45 s later into the track than this render does.
# Needs xvfb, xdotool, sox and python3 (test tools only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/build/music-loop}
mkdir -p "$out"
for tool in Xvfb xdotool sox python3; do
  command -v "$tool" > /dev/null || { echo "missing $tool (apt-get install xvfb xdotool sox python3)"; exit 2; }
done

source "$root/scripts/xvfb_session.sh"
start_xvfb_session 90

raw="$out/loop.raw"
start_game_with_disk_audio "$build" "$raw"
wait_until() { sleep "$(echo "$1 - $(since)" | bc | awk '{print ($1 > 0) ? $1 : 0}')"; }
# The title track's first restart comes 31 s after it starts, the later ones every 30.5 s.
# The demonstration starts after 30 idle seconds on the title and rolls balls, which holds a
# restart back; a click on the empty table ends it (on the title itself the spot is empty).
title_from=$(since)
wait_until "$title_from + 35"
click 270 175
wait_until "$title_from + 69"
click 270 175
sleep 1
wait_until "$title_from + 93"
click 97 76  # Solo Play: nothing rolls until a shot
solo_from=$(since)
wait_until "$solo_from + 65"
end=$(since)
stop_game

sox -t raw -r 44100 -e signed -b 16 -c 2 "$raw" "$out/loop.wav"
mono="$out/loop.f32"
sox "$out/loop.wav" -t raw -e float -b 32 -c 1 "$mono" remix 1,2
rm -f "$raw"

status=0
python3 - "$mono" "$solo_from" "$end" << 'EOF' || status=$?
import array, math, sys

path, solo_from, end = sys.argv[1], float(sys.argv[2]), float(sys.argv[3])
samples = array.array("f")
with open(path, "rb") as f:
    samples.frombytes(f.read())
rate, win = 44100, 441
levels = []  # dBFS of each 10 ms window of the mono mix
for i in range(0, len(samples) - win + 1, win):
    s = sum(x * x for x in samples[i:i + win]) / win
    levels.append(10 * math.log10(s) if s > 0 else -200.0)

rate_of_file = len(samples) / rate / end  # seconds of sound per second of the clock
print(f"the file runs at {rate_of_file:.4f} of the clock")

def first_sound():
    return next(k for k, v in enumerate(levels) if v > -35) / 100

def longest_quiet(lo, hi):
    best, best_at, run = 0, lo, 0
    for k in range(max(0, int(lo * 100)), min(len(levels), int(hi * 100))):
        run = run + 1 if levels[k] < -35 else 0
        if run > best:
            best, best_at = run, (k + 1 - run) / 100
    return best / 100, best_at

def level(lo, hi):
    part = samples[int(lo * rate):int(hi * rate)]
    rms = math.sqrt(sum(x * x for x in part) / len(part))
    peak = max(abs(x) for x in part)
    return 20 * math.log10(rms), 20 * math.log10(peak)

failed = False
# The solo track starts on the music timer's next tick after the click, within 0.5 s.
for name, began, restarts in (("title", first_sound(), 3),
                              ("solo", (solo_from + 0.25) * rate_of_file, 2)):
    print(f"{name} track starts at {began:.2f} s")
    for n in range(restarts):
        due = began + (31 + 30.5 * n) * rate_of_file
        quiet, at = longest_quiet(due - 2, due + 1.5)
        print(f"  restart {n + 1} due at {due:.2f} s: longest below -35 dBFS {quiet:.2f} s"
              f" (from {at:.2f} s)")
        failed = failed or quiet > 0.4
    rms, peak = level(began + 0.5, began + 30.5)
    print(f"  first 30 s: rms {rms:.1f} dBFS, peak {peak:.1f} dBFS")
sys.exit(1 if failed else 0)
EOF
rm -f "$mono"
[ $status -eq 0 ] && echo "music loop check passed" || echo "FAIL: the music falls silent at a restart"
exit $status
