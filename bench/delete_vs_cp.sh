#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares `velmora delete` of a satellite that carries a quarter of all
# channels of a capacity-sized file, as a whole process, with `cp` of the same
# file, and with `velmora resave` (the same load and save without the edit).
# Uses hyperfine when installed, else a timed loop.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMORA=${VELMORA:-build/cli/velmora}
EDIT_BENCH=${EDIT_BENCH:-build/bench/edit_bench}
RUNS=${RUNS:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$EDIT_BENCH" --write-file "$work/max.bin"
ls -l "$work/max.bin" | awk '{print "file size:", $5, "bytes"}'
"$VELMORA" delete "$work/max.bin" satellite 1 -o "$work/out.bin"
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs "$RUNS" \
    "cp $work/max.bin $work/copy.bin" \
    "$VELMORA resave $work/max.bin -o $work/out.bin" \
    "$VELMORA delete $work/max.bin satellite 1 -o $work/out.bin"
else
  t() { local s e; s=$(date +%s%N); for _ in $(seq "$RUNS"); do "$@" >/dev/null; done; e=$(date +%s%N); echo $(( (e - s) / RUNS / 1000 )); }
  cp_us=$(t cp "$work/max.bin" "$work/copy.bin")
  del_us=$(t "$VELMORA" delete "$work/max.bin" satellite 1 -o "$work/out.bin")
  echo "cp:     ${cp_us} us per run"
  echo "delete: ${del_us} us per run"
  awk -v a="$del_us" -v b="$cp_us" 'BEGIN { printf "ratio:  %.2f\n", a / b }'
fi
