#!/usr/bin/env bash
# Cross-builds libjpeg-turbo and libpng for Windows from Debian's source
# packages, with zlib from libz-mingw-w64-dev. The result is cached under
# DEPS_ROOT/<arch>; a second call with the stamp present does nothing.
#   deps.sh <deps-root> <x86_64|i686>
set -euo pipefail
ROOT=$(realpath -m "$1"); ARCH=$2
TRIPLET=$ARCH-w64-mingw32
PREFIX=$ROOT/$ARCH
STAMP=$PREFIX/.done
[ -f "$STAMP" ] && exit 0

SRC=$ROOT/src
mkdir -p "$SRC" "$PREFIX"

# Debian source packages, fetched once through a private deb-src list.
if [ ! -f "$SRC/.fetched" ]; then
  APT=$ROOT/apt
  mkdir -p "$APT/lists/partial"
  . /etc/os-release
  cat > "$APT/sources.list" <<SRCS
deb-src http://deb.debian.org/debian ${VERSION_CODENAME} main
deb-src http://deb.debian.org/debian ${VERSION_CODENAME}-updates main
SRCS
  opts=(-o Dir::Etc::SourceList="$APT/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$APT/lists" -o Debug::NoLocking=1)
  apt-get "${opts[@]}" update -qq
  (cd "$SRC" && apt-get "${opts[@]}" source -qq --download-only libjpeg-turbo libpng1.6)
  (cd "$SRC" && for d in *.dsc; do dpkg-source -q --no-check -x "$d" >/dev/null; done)
  touch "$SRC/.fetched"
fi

JPEG_SRC=$(find "$SRC" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)
PNG_SRC=$(find "$SRC" -maxdepth 1 -type d -name 'libpng1.6-*' | head -1)
ZLIB_DIR=/usr/$TRIPLET

TC=$(dirname "$0")/../cmake/toolchain-$ARCH-win32.cmake
TC=$(realpath "$TC")
GEN=(); command -v ninja >/dev/null && GEN=(-G Ninja)

cmake -S "$JPEG_SRC" -B "$PREFIX/build-jpeg" "${GEN[@]}" -DCMAKE_TOOLCHAIN_FILE="$TC" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DCMAKE_POLICY_DEFAULT_CMP0091=NEW >/dev/null
cmake --build "$PREFIX/build-jpeg" --target install >/dev/null

cmake -S "$PNG_SRC" -B "$PREFIX/build-png" "${GEN[@]}" -DCMAKE_TOOLCHAIN_FILE="$TC" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_INCLUDE_DIR="$ZLIB_DIR/include" -DZLIB_LIBRARY="$ZLIB_DIR/lib/libz.a" >/dev/null
cmake --build "$PREFIX/build-png" --target install >/dev/null

touch "$STAMP"
