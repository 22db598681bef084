# Sourced by the scripts that run Windows programs: the project's own Wine
# prefix under the build tree, quiet, never asking for Mono or Gecko.
QUELLON_ROOT=${QUELLON_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$QUELLON_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export WINEARCH=win64
WINE_BIN=/usr/lib/wine/wine64
[ -x "$WINE_BIN" ] || WINE_BIN=$(command -v wine64 || command -v wine)

# Creates the prefix once: Wine's own set-up, window decorations drawn by
# Wine (there is no window manager under Xvfb).
quellon_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.quellon-ready" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE_BIN" wineboot -i >/dev/null 2>&1 || true
    "$WINE_BIN" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINE_BIN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    quellon_install_records
    wineserver -w
    touch "$WINEPREFIX/.quellon-ready"
  fi
}

# Gives a display: the user's, or an Xvfb of our own (QUELLON_XVFB_PID set).
quellon_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 120); do
      [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
      Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      QUELLON_XVFB_PID=$!
      export DISPLAY=:$n
      for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
      return 0
    done
    echo "no free display number for Xvfb" >&2; return 1
  fi
}

# Keeps the wineserver up between test processes and starts Wine's own
# background processes now, detached from our output: started later from
# inside a test they would inherit CTest's pipe and keep it open.
quellon_wine_start() {
  wineserver -p >/dev/null 2>&1 </dev/null
  "$WINE_BIN" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# Until the program has installed itself in the prefix, writes exactly the
# machine records its installer writes for the special programs, which the
# start-up checks (the same rows as the installer's built-in table).
quellon_install_records() {
  local key='HKLM\SOFTWARE\Tarnwick\YARB\SpecPrograms' row cls name
  for row in "PIXELFMCLASS|PixelView Station FM" "PIXELTVCLASS|PixelView Station TV" \
             "IVCAP|PixelView Station TV" "PV878FMCLASS|PixelView FM Radio" \
             "PV878TVCLASS|PixelView TV Application"; do
    cls=${row%%|*}; name=${row#*|}
    "$WINE_BIN" reg add "$key" /v "$cls" /t REG_SZ /d "$name" /f >/dev/null 2>&1
    "$WINE_BIN" reg add "$key\\TrueWindows" /v "$cls" /t REG_SZ /d "ActiveMovie Window" /f >/dev/null 2>&1
  done
}
