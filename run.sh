#!/usr/bin/env bash
# Builds the editor and starts it under Wine in the project's private prefix.
#   ./run.sh [skin-file]                    on the user's display
#   ./run.sh --screenshot FILE [skin-file]  start, write a PNG of the screen, quit
# With no display at all it does the screenshot run into build/hexmoor.png.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
shot=
if [ "${1:-}" = "--screenshot" ]; then
  [ $# -ge 2 ] || { echo "usage: ./run.sh --screenshot FILE [skin-file]" >&2; exit 2; }
  shot=$(realpath -m "$2"); shift 2
fi
skin=${1:-}
[ -z "$skin" ] || [ -f "$skin" ] || { echo "no such skin file: $skin" >&2; exit 2; }

cd "$root"
scripts/install-deps.sh
# The editor and the tools only; the tests build with ./test.sh.
HEXMOOR_TARGETS="hexmoor tools/all" scripts/build.sh windows
exe="$root/build/win64/editor/hexmoor.exe"

source scripts/wine-env.sh run
source scripts/display.sh
if [ -z "$shot" ] && [ -z "${DISPLAY:-}" ]; then
  shot="$root/build/hexmoor.png"
  echo "No display: taking a screenshot instead."
fi

args=()
[ -n "$skin" ] && args+=("$(winepath -w "$(realpath "$skin")" 2>/dev/null)")

if [ -z "$shot" ]; then
  hexmoor_prepare_prefix
  exec wine "$exe" "${args[@]}"
fi

# Screenshot run: our own display and wineserver, stopped again at the end.
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  hexmoor_stop_display
}
trap cleanup EXIT
hexmoor_start_display
hexmoor_prepare_prefix
wine "$exe" "${args[@]}" >/dev/null 2>&1 </dev/null &
found=
for _ in $(seq 1 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Hexmoor'; then found=1; break; fi
  sleep 0.2
done
[ -n "$found" ] || { echo "the editor's main window did not appear" >&2; exit 1; }
sleep 2 # let the first paint finish
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
echo "Screenshot: $shot"
