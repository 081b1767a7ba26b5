#!/usr/bin/env bash
# Installs what the build, the tests and the program need on Debian 12 (as root).
# libical-dev: the tests read the companion's iCalendar files back with a real
# iCalendar parser instead of comparing strings. dpkg-dev: Debian's build
# flags (tools/configure.sh) and the package's library dependencies.
# qt6-wayland: the program on a Wayland desktop; weston: the headless
# compositor the test of the shaped face on Wayland runs it in.
# libfontconfig-dev, pkg-config: the command line gives fontconfig the views'
# own font configuration (platform/drawingapp.cpp). zlib1g-dev: PNG files are
# deflated row by row and packed pictures checked by their CRC (the toolkit
# loads the same library).
# qt6-translations-l10n: Qt's own texts (file, print, font and colour dialogs,
# message box buttons) in the language the user picked; the tests check they load.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation fonts-dejavu-core xvfb xauth poppler-utils
          python3 python3-fonttools libical-dev libfontconfig-dev zlib1g-dev pkg-config dpkg-dev qt6-wayland weston qt6-translations-l10n)
# --sanitize: also clang with its sanitizer and fuzzer runtimes, and the
# symbolizer that makes their reports readable (tools/sanitize.sh).
if [ "${1:-}" = --sanitize ]; then
  packages+=(clang libclang-rt-14-dev llvm)
fi
# --package: what tests the Debian package (tools/package-test.sh): a clean
# Debian 12 to install it in, lintian, the desktop entry check, and the
# means to drive and photograph the program on the X server.
if [ "${1:-}" = --package ]; then
  packages+=(debootstrap lintian desktop-file-utils xdotool imagemagick)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
