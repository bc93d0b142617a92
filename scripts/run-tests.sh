#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs the whole test suite:
#  1. every unit, widget and end-to-end test (CTest);
#  2. the unit tests once more under AddressSanitizer + UndefinedBehaviorSanitizer;
#  3. the Qt-free tests (serial watcher thread included) under ThreadSanitizer;
#  4. the reader, transfer and list fuzzers for a bounded time each (clang only).
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
JOBS=$(nproc)

step() { printf '\n==== %s ====\n' "$*"; }

step "build"
scripts/setup.sh
. scripts/compiler-cache.sh

step "tests"
ctest --test-dir build --output-on-failure --parallel "$JOBS" --timeout 300

step "tests under AddressSanitizer + UndefinedBehaviorSanitizer"
if [ ! -f build-asan/build.ninja ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF "${CACHE_LAUNCHER[@]}"
fi
cmake --build build-asan --parallel "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$JOBS" --timeout 600

step "Qt-free tests under ThreadSanitizer (the serial watcher thread, transfers over pseudo-terminals)"
if [ ! -f build-tsan/build.ninja ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_TSAN=ON -DVELMORA_GUI=OFF -DVELMORA_BENCH=OFF "${CACHE_LAUNCHER[@]}"
fi
cmake --build build-tsan --parallel "$JOBS"
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure --parallel "$JOBS" --timeout 900

step "fuzzing the reader and the transfer state machines (${FUZZ_SECONDS:-30} s each), the list reader (${CSV_FUZZ_SECONDS:-20} s)"
if command -v clang++-14 >/dev/null; then
  if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVELMORA_FUZZ=ON -DVELMORA_SANITIZE=ON -DVELMORA_GUI=OFF -DVELMORA_BENCH=OFF "${CACHE_LAUNCHER[@]}"
  fi
  cmake --build build-fuzz --target reader_fuzz transfer_fuzz csv_fuzz --parallel "$JOBS"
  work=$(mktemp -d)
  cp fuzz/corpus/*.bin tests/data/damaged/*.bin "$work"/
  (cd "$work" && "$OLDPWD/build-fuzz/fuzz/reader_fuzz" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=20000 \
      -print_final_stats=1 "$work" 2>&1 | tail -n 12)
  rm -rf "$work"
  # An upload holds at most about a megabyte (the check aborts past that); no
  # single allocation may come near the malloc limit. The RSS is mostly
  # AddressSanitizer's quarantine.
  work=$(mktemp -d)
  (cd "$work" && "$OLDPWD/build-fuzz/fuzz/transfer_fuzz" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=4096 \
      -malloc_limit_mb=16 -rss_limit_mb=1024 -print_final_stats=1 "$work" 2>&1 | tail -n 12)
  rm -rf "$work"
  # The list reader is small: 20 s covers it and keeps CI short.
  work=$(mktemp -d)
  cp fuzz/corpus-csv/* "$work"/
  (cd "$work" && "$OLDPWD/build-fuzz/fuzz/csv_fuzz" -max_total_time="${CSV_FUZZ_SECONDS:-20}" -max_len=4096 \
      -print_final_stats=1 "$work" 2>&1 | tail -n 12)
  rm -rf "$work"
else
  echo "clang++-14 not found: fuzzing skipped"
fi

step "all tests passed"
