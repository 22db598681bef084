#!/usr/bin/env bash
# Configures (when needed) and builds the given presets.
set -euo pipefail
cd "$(dirname "$0")/.."
# Compiles through ccache when it is there; paths below the checkout are
# hashed relative to it, so checkouts side by side share their objects.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
fi
for p in "$@"; do
  [ -f "build/$p/CMakeCache.txt" ] || cmake --preset "$p" >/dev/null
  cmake --build --preset "$p"
done
