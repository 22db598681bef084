#!/usr/bin/env bash
# A watch with the shutdown action really calls ExitWindowsEx. Under Wine
# that ends every process of the prefix, so this runs in a prefix of its own:
# a witness process is started there, then ZUB.exe counts down three seconds,
# and afterwards the witness must be gone and ZUB.exe's log must show the
# action without an ExitWindowsEx failure.
#   shutdown_witness.sh <shutdown_helper.exe>      (needs DISPLAY)
set -euo pipefail
helper=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/quellon-shutdown.XXXXXX)
export WINEPREFIX=$work/prefix
. "$root/scripts/wine-env.sh"

witness_pid=
cleanup() {
  [ -n "$witness_pid" ] && kill "$witness_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

quellon_wine_prefix
quellon_wine_start

# The witness is started from a subshell, so it is not this script's child
# and leaves no zombie that would still answer kill -0.
marker=$WINEPREFIX/drive_c/witness.started
( "$WINE_BIN" "$helper" witness 'C:\witness.started' >/dev/null 2>&1 </dev/null &
  echo $! >"$work/witness.pid" )
witness_pid=$(cat "$work/witness.pid")
for _ in $(seq 200); do [ -e "$marker" ] && break; sleep 0.1; done
[ -e "$marker" ] || fail "the witness did not start"

"$WINE_BIN" "$helper" begin </dev/null || fail "the watch did not start"

for _ in $(seq 300); do kill -0 "$witness_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$witness_pid" 2>/dev/null; then fail "the witness still runs 30 s after the watch began"; fi
witness_pid=

log=$(find "$WINEPREFIX/drive_c/users" -path '*Brightlode/ZUB.log' | head -1)
[ -n "$log" ] || fail "no log file"
grep -q "Executing the action scmdShutdownComputer" "$log" || fail "no action in the log: $(cat "$log")"
if grep -q "Error" "$log"; then fail "an error in the log: $(cat "$log")"; fi
echo "the witness ended with the shutdown; log:"
cat "$log"
