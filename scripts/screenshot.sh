#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the main window with a generated sample channel file loaded into
# docs/images/main-window.png, and the first page of that file's printout into
# docs/images/printout.png. Runs without a display (Qt's offscreen platform).
#   scripts/screenshot.sh [BUILD_DIR]      (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac

cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target shell_screenshot velmora velmoraedit

# A fixed, short path: the form shows it.
work=${TMPDIR:-/tmp}/velmoraedit-demo
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
"$build/cli/velmora" sample -o "$work/channels.bin"
mkdir -p "$root/docs/images"
# The form reads or creates its config.ini in the current folder: keep that
# out of the source tree.
(cd "$work" && QT_QPA_PLATFORM=offscreen "$build/tests/gui/shell_screenshot" channels.bin "$root/docs/images/main-window.png")
echo "wrote $root/docs/images/main-window.png"
(cd "$work" && "$build/app/velmoraedit" channels.bin --print-pdf printout.pdf)
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/printout.pdf" "$root/docs/images/printout"
echo "wrote $root/docs/images/printout.png"
