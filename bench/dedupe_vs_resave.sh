#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares `velmora dedupe` of a capacity-sized file holding 2000 duplicate
# channels, as a whole process, with `velmora resave` of the same file.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMORA=${VELMORA:-build/cli/velmora}
BENCH=${BENCH:-build/bench/filter_bench}
RUNS=${RUNS:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$BENCH" --write-file "$work/copies.bin"
"$VELMORA" dedupe "$work/copies.bin" --dry-run | tail -1
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs "$RUNS" \
    "$VELMORA resave $work/copies.bin -o $work/resaved.bin" \
    "$VELMORA dedupe $work/copies.bin -o $work/deduped.bin"
else
  t() { local s e; s=$(date +%s%N); for _ in $(seq "$RUNS"); do "$@" >/dev/null; done; e=$(date +%s%N); echo $(( (e - s) / RUNS / 1000 )); }
  rs_us=$(t "$VELMORA" resave "$work/copies.bin" -o "$work/resaved.bin")
  dd_us=$(t "$VELMORA" dedupe "$work/copies.bin" -o "$work/deduped.bin")
  echo "resave: ${rs_us} us per run"
  echo "dedupe: ${dd_us} us per run"
  awk -v a="$dd_us" -v b="$rs_us" 'BEGIN { printf "ratio:  %.2f\n", a / b }'
fi
