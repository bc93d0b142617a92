# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the build scripts: compile through ccache when it is installed.
# Paths are taken relative to the checkout, so another clone of the
# repository (CI's, a second work tree) reuses the same objects.
CACHE_LAUNCHER=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  CACHE_LAUNCHER=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
