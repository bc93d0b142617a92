#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts the editor on a channel file: the one given,
# or a demo file written to demo/velmora-demo.bin.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
mkdir -p demo
[ -f demo/velmora-demo.bin ] || build/cli/velmora sample -o demo/velmora-demo.bin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "VelmoraEdit needs a graphical display, and none is available here (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Run this from a desktop session, or with a virtual display: xvfb-run -a scripts/run-editor.sh" >&2
  echo "The command-line tool works without one: build/cli/velmora --help" >&2
  exit 1
fi
if [ $# -eq 0 ]; then
  set -- demo/velmora-demo.bin
  echo "Opening the demo channel file $(pwd)/demo/velmora-demo.bin"
fi
exec build/app/velmoraedit "$@"
