#!/usr/bin/env bash
# Builds both trees and runs every test: Windows tests under Wine (private
# prefix, own Xvfb display, one persistent wineserver), native tests under
# AddressSanitizer/UBSan, and each fuzz target for a bounded time.
# Exits non-zero when a test fails or when no test ran.
#   ./test.sh [extra ctest arguments, e.g. -R Skin]
#   HEXMOOR_I686=1 ./test.sh   also compile-checks the 32-bit Windows build
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
wineserver_pid=
cleanup() {
  if [ -n "$wineserver_pid" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wait "$wineserver_pid" 2>/dev/null || true
  fi
  hexmoor_stop_display
}
trap cleanup EXIT

hexmoor_start_display
hexmoor_prepare_prefix
# One persistent wineserver: each test process then starts in milliseconds.
wineserver -p >/dev/null 2>&1 </dev/null &
wineserver_pid=$!

# One CTest run over both trees, so that one summary covers every test.
cat > build/CTestTestfile.cmake <<CTEST
subdirs("native")
subdirs("win64")
CTEST
ctest --test-dir build --output-on-failure --no-tests=error -j "$(nproc)" "$@"
