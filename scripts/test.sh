#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: a normal build (and
# with it the main window's place under a window manager) and one under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
# The real program under a window manager: the main window keeps its place (about 50 s).
bash "$root/scripts/xvfb_window_place.sh" "$root/build" "$root/build/window-place"
"$root/scripts/build.sh" "$root/build-asan" -DVELKOR_SANITIZE=ON -DVELKOR_WITH_BENCH=OFF
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
