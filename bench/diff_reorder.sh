#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `velmora diff` of two capacity-sized lists that differ by 1000 moves
# and 100 renames, and `velmora reorder` of one like the other, as whole
# processes, against `cp` of the same file. Uses hyperfine when installed,
# else a timed loop.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
VELMORA=${VELMORA:-$BUILD/cli/velmora}
PAIR=${PAIR:-$BUILD/bench/make_diff_pair}
RUNS=${RUNS:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$PAIR" "$work/a.bin" "$work/b.bin" 1000 100
"$VELMORA" diff "$work/a.bin" "$work/b.bin" >"$work/diff.txt" || [ $? -eq 1 ]
echo "diff findings: $(grep -c ' moved ' "$work/diff.txt") moved, $(grep -c ' changed ' "$work/diff.txt") changed, $(wc -l <"$work/diff.txt") lines"
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs "$RUNS" -i \
    "cp $work/b.bin $work/copy.bin" \
    "$VELMORA diff $work/a.bin $work/b.bin" \
    "$VELMORA diff --json $work/a.bin $work/b.bin" \
    "$VELMORA reorder $work/b.bin --like $work/a.bin -o $work/out.bin" \
    "$VELMORA reorder $work/b.bin --like $work/a.bin --with-favorites -o $work/out.bin"
else
  t() { local s e; s=$(date +%s%N); for _ in $(seq "$RUNS"); do "$@" >/dev/null || true; done; e=$(date +%s%N); echo $(( (e - s) / RUNS / 1000 )); }
  cp_us=$(t cp "$work/b.bin" "$work/copy.bin")
  diff_us=$(t "$VELMORA" diff "$work/a.bin" "$work/b.bin")
  re_us=$(t "$VELMORA" reorder "$work/b.bin" --like "$work/a.bin" -o "$work/out.bin")
  echo "cp:      ${cp_us} us per run"
  echo "diff:    ${diff_us} us per run"
  echo "reorder: ${re_us} us per run"
  awk -v a="$re_us" -v b="$cp_us" 'BEGIN { printf "reorder / cp: %.2f\n", a / b }'
fi
