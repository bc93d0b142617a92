#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares `velmora resave` of a capacity-sized file, as a whole process,
# with `cp` of the same file. Uses hyperfine when installed, else a timed loop.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMORA=${VELMORA:-build/cli/velmora}
RUNS=${RUNS:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$VELMORA" sample -o "$work/max.bin" --max
ls -l "$work/max.bin" | awk '{print "file size:", $5, "bytes"}'
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs "$RUNS" \
    "cp $work/max.bin $work/copy.bin" \
    "$VELMORA resave $work/max.bin -o $work/out.bin"
else
  t() { local s e; s=$(date +%s%N); for _ in $(seq "$RUNS"); do "$@" >/dev/null; done; e=$(date +%s%N); echo $(( (e - s) / RUNS / 1000 )); }
  cp_us=$(t cp "$work/max.bin" "$work/copy.bin")
  rs_us=$(t "$VELMORA" resave "$work/max.bin" -o "$work/out.bin")
  echo "cp:     ${cp_us} us per run"
  echo "resave: ${rs_us} us per run"
  awk -v a="$rs_us" -v b="$cp_us" 'BEGIN { printf "ratio:  %.2f\n", a / b }'
fi
