#!/usr/bin/env bash
# CI's instrumented stage: builds the program and its tests with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang) in build-asan/, runs
# every test there, then the fuzz targets, the longest for 20 seconds
# (tools/fuzz.sh; KL_FUZZ_SECONDS sets another time).
# Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --sanitize
source tools/sanitizer-options.sh
jobs="$(nproc)"
stage() { echo "== $1: $(( $(date +%s) - $2 )) s"; }
t=$(date +%s)
# -O1 and line tables only: what the sanitizers need for their reports (every
# frame with its file and line), at a good part less build time than -O2 -g.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKL_FUZZ=ON \
      "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" "${launcher[@]}" \
      -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null  # speed figures come from build/ only
cmake --build build-asan -j"$jobs"
stage "instrumented build" "$t"
t=$(date +%s)
ctest --test-dir build-asan --output-on-failure -j"$jobs"
stage "instrumented tests" "$t"
t=$(date +%s)
bash tools/fuzz.sh "${KL_FUZZ_SECONDS:-20}"
stage "fuzzing" "$t"
