#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests, then the
# Windows tests under Wine on an Xvfb display with a persistent wineserver.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh host windows windows-i686 wintest

ctest --preset host -j"$(nproc)" --output-on-failure
unset DISPLAY
exec ./scripts/ctest-wine.sh build/wintest "$@"
