#!/usr/bin/env bash
# fuzz.sh SECONDS: builds the profile-file fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs it for SECONDS seconds on 4 jobs.
# Starts from fuzz/corpus/profile; new inputs go to fuzz-corpus-new/profile (not kept in git;
# copy the small interesting ones into fuzz/corpus/profile). Crashes land in build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: fuzz.sh SECONDS}
out="$root/build-fuzz"
mkdir -p "$out" "$root/fuzz-corpus-new/profile"
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer -ffp-contract=off \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Wall -Wextra -Werror -I "$root" \
  "$root/fuzz/profile_fuzzer.cpp" "$root/platform/profile.cpp" "$root/platform/text.cpp" \
  -o "$out/profile_fuzzer"
cd "$out"
jobs=${FUZZ_JOBS:-4}
rm -f fuzz-*.log
./profile_fuzzer -max_total_time="$seconds" -max_len=8192 -timeout=10 -print_final_stats=1 \
  -jobs="$jobs" -workers="$jobs" -artifact_prefix="$out/" \
  "$root/fuzz-corpus-new/profile" "$root/fuzz/corpus/profile"
# With -jobs each worker logs to fuzz-N.log; sum the executions they made.
total=0
for log in fuzz-*.log; do
  n=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
  total=$((total + ${n:-0}))
done
echo "executions: $total"
