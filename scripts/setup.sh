#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what VelmoraEdit needs from Debian 12's packages (only what is
# missing), then configures and builds incrementally into build/.
# Usage: scripts/setup.sh [extra cmake -D options]
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev            # Widgets, PrintSupport, Test
  qt6-l10n-tools          # lupdate, lrelease: the translations
  qt6-translations-l10n   # Qt's own dialogs in the same languages
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  clang-14 libclang-rt-14-dev   # libFuzzer and the sanitizers
  fonts-dejavu-core       # text in offscreen widget tests and screenshots
  fonts-liberation2       # the printout's Arial and Times New Roman, metric-compatible
  poppler-utils           # pdftotext/pdftoppm: printout tests and picture
  help2man                # the manual page of velmora, made at build time
  ccache                  # rebuilds, the sanitizer trees and other clones reuse objects
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

. scripts/compiler-cache.sh
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${CACHE_LAUNCHER[@]}" "$@"
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
