#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/configure.sh
cmake --build build -j"$(nproc)"
exec build/run/kestralune
