#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first two lines, so that a new
# file cannot come in without it. Build trees (build*) are not sources.
# Usage: check_spdx.sh SOURCE_DIR
set -eu
cd "$1"
missing=$(find . -path './build*' -prune -o -path './.git' -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.cmake' \
       -o -name CMakeLists.txt -o -path ./.ci/run \) -print |
  while read -r f; do
    head -n 2 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
if [ -n "$missing" ]; then
  echo "no SPDX-License-Identifier line at the top of:"
  echo "$missing"
  exit 1
fi
