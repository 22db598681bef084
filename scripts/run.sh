#!/usr/bin/env bash
# Builds ZUB.exe when needed and runs it under Wine in the project's prefix,
# with the given parameters. Without a display it runs on an Xvfb display,
# saves a screenshot after a few seconds and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >/dev/null
./scripts/build.sh windows >/dev/null
. scripts/wine-env.sh
quellon_wine_prefix
EXE=build/windows/bin/ZUB.exe
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE_BIN" "$EXE" "$@"
fi
quellon_display
trap 'wineserver -k 2>/dev/null; [ -n "${QUELLON_XVFB_PID:-}" ] && kill $QUELLON_XVFB_PID 2>/dev/null; true' EXIT
quellon_wine_start
"$WINE_BIN" "$EXE" "$@" &
pid=$!
sleep "${QUELLON_SHOT_DELAY:-4}"
shot=$PWD/build/screenshot.png
import -window root "$shot" && echo "screenshot: $shot"
# Nobody can use a window on a private display: without parameters the
# program ends after the screenshot; a watch from the command line runs on.
if [ $# -gt 0 ]; then wait $pid || true; fi
