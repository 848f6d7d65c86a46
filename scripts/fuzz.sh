#!/usr/bin/env bash
# fuzz.sh SECONDS: installs what is missing (clang and its fuzzer runtime among it), builds the
# profile-file fuzzer from CMake with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer on the fuzzer and the core library) into build-fuzz/ and runs it
# for SECONDS seconds on FUZZ_JOBS jobs (default 4).
# Starts from fuzz/corpus/profile; new inputs go to fuzz-corpus-new/profile (not kept in git;
# copy the small interesting ones into fuzz/corpus/profile). Crashes land in build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: fuzz.sh SECONDS}
"$root/scripts/setup.sh" clang libclang-rt-dev
out="$root/build-fuzz"
# CXX only counts on the first configure; the folder keeps clang after that.
CXX=clang++ cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELKOR_FUZZ=ON -DVELKOR_WERROR=ON > /dev/null
cmake --build "$out" --target profile_fuzzer -j "$(nproc)"
mkdir -p "$root/fuzz-corpus-new/profile"
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
