#!/usr/bin/env bash
# build.sh DIR [extra cmake args...]: configures (once) and builds the project into DIR,
# with warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKOR_WERROR=ON "$@" > /dev/null
cmake --build "$dir" -j "$(nproc)"
