#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `velmora export` of a capacity-sized file against `velmora resave` of
# it, and `velmora reorder --like` a capacity-sized list (CSV) against
# `--like` the channel file it was exported from, as whole processes.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
VELMORA=${VELMORA:-$BUILD/cli/velmora}
RUNS=${RUNS:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$VELMORA" sample --max -o "$work/cap.bin" >/dev/null
# The reference: half the TV list and most of the radio list moved to the end.
"$VELMORA" move "$work/cap.bin" tv 1-5000 bottom -o "$work/r1.bin" >/dev/null
"$VELMORA" move "$work/r1.bin" radio 2-3000 bottom -o "$work/ref.bin" >/dev/null
"$VELMORA" export "$work/ref.bin" -o "$work/ref.csv" >/dev/null
echo "list: $(wc -c <"$work/ref.csv") bytes, $(wc -l <"$work/ref.csv") lines"
hyperfine -N --warmup 5 --runs "$RUNS" \
  "$VELMORA resave $work/cap.bin -o $work/out.bin" \
  "$VELMORA export $work/cap.bin -o $work/out.csv" \
  "$VELMORA reorder $work/cap.bin --like $work/ref.bin -o $work/out.bin" \
  "$VELMORA reorder $work/cap.bin --like $work/ref.csv -o $work/out.bin" \
  "$VELMORA reorder $work/cap.bin --like $work/ref.csv --names --with-favorites -o $work/out.bin"
