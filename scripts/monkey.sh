#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A long seeded random walk through the editor window (tests/gui/monkey_test.cpp),
# built into build/ as the README builds it.
# Usage: scripts/monkey.sh [--seed S] [--steps N]     (defaults: seed 1, 20000 steps)
# Exits 0 when the walk ran clean, 1 on a fault (an invariant broken, a crash,
# a sanitizer report), 2 on bad arguments or a failed build. A fault prints
# the seed and the last steps: `--seed S --steps N` replays the same walk.
set -euo pipefail
cd "$(dirname "$0")/.."

seed=1
steps=20000
while (($#)); do
  case "$1" in
    --seed) seed=${2:-}; shift 2 || true ;;
    --steps) steps=${2:-}; shift 2 || true ;;
    -h|--help) sed -n 2,7p "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "monkey.sh: unknown argument '$1' (try --help)" >&2; exit 2 ;;
  esac
done
if ! [[ $seed =~ ^[0-9]{1,9}$ && $steps =~ ^[0-9]{1,9}$ ]]; then
  echo "monkey.sh: --seed and --steps take whole numbers below 10^9" >&2
  exit 2
fi

BUILD_DIR=${BUILD_DIR:-build}
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  scripts/setup.sh || exit 2
fi
cmake --build "$BUILD_DIR" --target monkey_test --parallel "$(nproc)" >/dev/null || exit 2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
start=$(date +%s)
if QT_QPA_PLATFORM=offscreen MONKEY_SEED=$seed MONKEY_STEPS=$steps MONKEY_LOG="$work/steps" \
    "$BUILD_DIR/tests/gui/monkey_test" --gtest_filter='*RandomActions*' >"$work/out" 2>&1; then
  echo "monkey: $steps steps from seed $seed ran clean in $(($(date +%s) - start)) s"
  exit 0
fi
tail -n 80 "$work/out"
echo
echo "monkey: FAULT in the walk from seed $seed ($steps steps); replay: scripts/monkey.sh --seed $seed --steps $steps"
echo "the last steps, as they began (the last one is where it broke):"
tail -n 30 "$work/steps"
exit 1
