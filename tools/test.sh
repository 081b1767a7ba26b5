#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. With
# --sanitize, or under CI, the instrumented build with its fuzzers follows
# (tools/sanitize.sh, in build-asan/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "${1:-}" = --sanitize ] || [ -n "${CI:-}" ]; then
  bash tools/sanitize.sh
fi
