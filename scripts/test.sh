#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests, then the
# Windows tests under Wine on an Xvfb display with a persistent wineserver.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh host windows windows-i686 wintest

ctest --preset host -j"$(nproc)" --output-on-failure
host_rc=0

. scripts/wine-env.sh
unset DISPLAY
quellon_display
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "${QUELLON_XVFB_PID:-}" ] && kill "$QUELLON_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
quellon_wine_prefix
quellon_wine_start
ctest --preset wintest --output-on-failure "$@"
