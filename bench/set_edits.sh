#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `velmora delete` of every second TV channel (5000 positions) and `move` of
# the same 5000 to the top, on a capacity-sized file, as whole processes,
# against `velmora resave` (the same load and save without the edit).
# Uses hyperfine when installed, else a timed loop.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMORA=${VELMORA:-build/cli/velmora}
RUNS=${RUNS:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$VELMORA" sample -o "$work/max.bin" --max
every_second=$(seq -s, 1 2 9999)
"$VELMORA" delete "$work/max.bin" tv "$every_second" -o "$work/out.bin"
"$VELMORA" move "$work/max.bin" tv "$every_second" top -o "$work/out.bin"
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs "$RUNS" \
    -n "resave" "$VELMORA resave $work/max.bin -o $work/out.bin" \
    -n "delete tv 1,3,...,9999" "$VELMORA delete $work/max.bin tv $every_second -o $work/out.bin" \
    -n "move tv 1,3,...,9999 top" "$VELMORA move $work/max.bin tv $every_second top -o $work/out.bin"
else
  t() { local s e; s=$(date +%s%N); for _ in $(seq "$RUNS"); do "$@" >/dev/null; done; e=$(date +%s%N); echo $(( (e - s) / RUNS / 1000 )); }
  echo "resave: $(t "$VELMORA" resave "$work/max.bin" -o "$work/out.bin") us per run"
  echo "delete: $(t "$VELMORA" delete "$work/max.bin" tv "$every_second" -o "$work/out.bin") us per run"
  echo "move:   $(t "$VELMORA" move "$work/max.bin" tv "$every_second" top -o "$work/out.bin") us per run"
fi
