#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. With
# --sanitize the instrumented build with its fuzzers follows
# (tools/sanitize.sh, in build-asan/). Under CI the Debian package is tested
# too (tools/package-test.sh), beside the instrumented stage: it mostly waits
# on downloads and unpacking while that one keeps the processors busy.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/configure.sh
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ -n "${CI:-}" ]; then
  # Both stages install what they need first, one after the other: apt
  # takes one caller at a time.
  bash tools/deps.sh --sanitize
  bash tools/deps.sh --package
  start=$(date +%s)
  bash tools/package-test.sh >build/package-test.log 2>&1 &
  package=$!
  status=0
  bash tools/sanitize.sh || status=$?
  package_status=0
  wait "$package" || package_status=$?
  echo "== package test ($(( $(date +%s) - start )) s from the start of both stages):"
  cat build/package-test.log
  [ "$package_status" = 0 ] || status=1
  exit "$status"
elif [ "${1:-}" = --sanitize ]; then
  bash tools/sanitize.sh
fi
