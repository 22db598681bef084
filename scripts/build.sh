#!/usr/bin/env bash
# Configures (when needed) and builds the given presets.
set -euo pipefail
cd "$(dirname "$0")/.."
for p in "$@"; do
  [ -f "build/$p/CMakeCache.txt" ] || cmake --preset "$p" >/dev/null
  cmake --build --preset "$p"
done
