#!/usr/bin/env bash
# Builds both trees and runs every test: Windows tests under Wine, native
# tests under AddressSanitizer/UBSan, and each fuzz target for a bounded time.
# Exits non-zero when a test fails or when no test ran.
#   ./test.sh [extra ctest arguments, e.g. -R Skin]
#   HEXMOOR_I686=1 ./test.sh   also compile-checks the 32-bit Windows build
#
# Windows tests without windows share one Xvfb display, one private Wine
# prefix and one persistent wineserver. Tests that put real windows up (they
# also write the registry and the clipboard) take a slot of a CTest resource
# pool instead: each slot is a display, a prefix and a wineserver of its own,
# so that window tests run side by side without seeing each other. The pool
# has half as many slots as the machine has cores, at least 2 and at most 6.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh native windows
# HEXMOOR_I686=1 also compiles the 32-bit Windows tree (nothing runs it:
# 32-bit Wine is not available here).
if [ "${HEXMOOR_I686:-0}" = 1 ]; then scripts/build.sh i686; fi

source scripts/wine-env.sh test
source scripts/display.sh
common_prefix=$WINEPREFIX
# scripts/wine-exec.sh notes here each Wine start it had to make again.
export HEXMOOR_WINE_RETRY_LOG="$root/build/wine-retries.log"
: >"$HEXMOOR_WINE_RETRY_LOG"
server_prefixes=()
cleanup() {
  # Each wineserver -k takes a couple of seconds to see its processes go:
  # stop the servers side by side.
  local prefix killers=()
  for prefix in "${server_prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 &
    killers+=($!)
  done
  wait "${killers[@]}" 2>/dev/null || true
  hexmoor_stop_display
  if [ -s "$HEXMOOR_WINE_RETRY_LOG" ]; then
    echo "test.sh: Wine starts that died at once without a word and were started again:" >&2
    cat "$HEXMOOR_WINE_RETRY_LOG" >&2
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# One persistent wineserver per prefix: each test process then starts in
# milliseconds. It is started and ready before any test runs: this Wine keeps
# a server's socket folder under a random name that the first starter records
# in the prefix (the file "wineserver"), and on a prefix without that record a
# test starting beside the server makes a second server of its own; tests
# then fail at once, without a word, on whichever of the two they reach.
# "wineserver -p" returns once its socket listens (2: one already runs).
start_wineserver() {
  local rc=0
  # Its messages (a client it drops, a protocol error) go beside the prefix,
  # where wine-exec.sh shows them when a program dies without a word.
  WINEPREFIX=$1 wineserver -p >"$1.wineserver.log" 2>&1 </dev/null || rc=$?
  server_prefixes+=("$1")
  if [ "$rc" != 0 ] && [ "$rc" != 2 ] || [ ! -s "$1/wineserver" ]; then
    echo "test.sh: no wineserver for $1 (wineserver -p exited $rc; is /tmp full?)" >&2
    exit 1
  fi
}

slots=$(($(nproc) / 2))
[ "$slots" -ge 2 ] || slots=2
[ "$slots" -le 6 ] || slots=6

hexmoor_start_display
common_display=$DISPLAY
hexmoor_prepare_prefix
spec="$root/build/test-resources.json"
entries=()
for i in $(seq 1 "$slots"); do
  prefix="$common_prefix-$i"
  hexmoor_clone_prefix "$prefix"
  hexmoor_start_display
  # The wine wrapper (scripts/wine-exec.sh) finds the slot's display and
  # prefix through these, by the slot id CTest hands the test.
  export "HEXMOOR_SLOT_DISPLAY_slot$i=$DISPLAY" "HEXMOOR_SLOT_PREFIX_slot$i=$prefix"
  start_wineserver "$prefix"
  entries+=("{\"id\": \"slot$i\", \"slots\": 1}")
done
export DISPLAY=$common_display WINEPREFIX=$common_prefix
start_wineserver "$common_prefix"
{
  echo '{"version": {"major": 1, "minor": 0}, "local": [{"display": ['
  (IFS=,; echo "${entries[*]}")
  echo ']}]}'
} >"$spec"

# One CTest run over both trees, so that one summary covers every test.
cat > build/CTestTestfile.cmake <<CTEST
subdirs("native")
subdirs("win64")
CTEST
ctest --test-dir build --output-on-failure --no-tests=error -j "$(nproc)" --resource-spec-file "$spec" "$@"
