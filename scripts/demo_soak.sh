#!/usr/bin/env bash
# The full demonstration soak: GAMES demonstration games (default 1000) at each of the levels
# 1, 6 and 11, every one played to its end with the checks between ticks. CI runs a few.
# Usage: bash scripts/demo_soak.sh [BUILD_DIR] [GAMES]
set -euo pipefail
build=${1:-build}
games=${2:-1000}
VELKOR_DEMO_SOAK_GAMES=$games nice -n 10 "$build/velkor_tests" --gtest_filter='Levels/DemoSoak.*'
