#!/usr/bin/env bash
# Installs every tool and library the builds need on a Debian machine.
# Idempotent and non-interactive: a second run only checks.
set -euo pipefail

PKGS=(
  cmake ninja-build g++ make pkg-config
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64
  libz-mingw-w64-dev
  wine64 wine xvfb xauth imagemagick fp-utils
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg-dev libpng-dev zlib1g-dev
  dpkg-dev ccache
)

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "setup: all packages present"
fi
