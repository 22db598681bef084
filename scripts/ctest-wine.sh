#!/usr/bin/env bash
# Runs CTest for a Windows test build under Wine: own prefix (WINEPREFIX, or
# build/wineprefix), an Xvfb display when DISPLAY is unset, a persistent
# wineserver.   ctest-wine.sh <build-dir> [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
. scripts/wine-env.sh
quellon_display
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ -n "${QUELLON_XVFB_PID:-}" ] && kill "$QUELLON_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
quellon_wine_prefix
quellon_wine_start
ctest --test-dir "$dir" --output-on-failure "$@"
