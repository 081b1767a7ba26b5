#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, builds build/ (the
# same configuration the tests run on) and leaves
# kestralune_<version>_<arch>.deb in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --package
bash tools/configure.sh
cmake --build build -j"$(nproc)"
rm -f build/kestralune_*.deb
(cd build && cpack -G DEB >/dev/null)
ls build/kestralune_*.deb
