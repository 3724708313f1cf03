#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest and passes its exit code on.
# A test that CTest gave a display slot (window tests, see test.sh) runs on
# that slot's own display and Wine prefix; other tests use the environment's.
# Output goes through a scratch file: Wine's helper processes (explorer,
# services) that the program happens to start inherit its output handles and
# outlive it, and would otherwise keep CTest waiting on an open pipe.
# When Wine fails without a word, the reason found is printed instead
# (exit 125 when the program could not be started at all).
if [ -n "${CTEST_RESOURCE_GROUP_0_DISPLAY:-}" ]; then
  slot=${CTEST_RESOURCE_GROUP_0_DISPLAY#id:}
  slot=${slot%%,*}
  display_var=HEXMOOR_SLOT_DISPLAY_$slot prefix_var=HEXMOOR_SLOT_PREFIX_$slot
  if [ -z "${!display_var:-}" ] || [ -z "${!prefix_var:-}" ]; then
    echo "wine-exec.sh: no display or prefix for slot '$slot' (run the tests through ./test.sh)" >&2
    exit 125
  fi
  export DISPLAY=${!display_var} WINEPREFIX=${!prefix_var}
fi

# What stands in the way of a Wine start, or nothing.
obstacles() {
  local n=${DISPLAY#:}
  n=${n%%.*}
  if [[ "${DISPLAY:-}" == :* ]] && [ ! -S "/tmp/.X11-unix/X$n" ]; then
    echo "display $DISPLAY has no X server"
  fi
  if [ -n "${slot:-}" ] && [ ! -f "$WINEPREFIX/.hexmoor-clone" ]; then
    echo "the slot's prefix $WINEPREFIX is missing or not fully copied"
  fi
}

problem=$(obstacles)
if [ -n "$problem" ]; then
  echo "wine-exec.sh: cannot run $1: $problem" >&2
  exit 125
fi
if ! out=$(mktemp "${TMPDIR:-/tmp}/hexmoor-wine.XXXXXX"); then
  echo "wine-exec.sh: cannot make a scratch file in ${TMPDIR:-/tmp} (is it full?)" >&2
  exit 125
fi
# What the prefix's wineserver wrote (test.sh keeps its messages beside the
# prefix): the server reports a client it drops only there.
server_log=${WINEPREFIX:+$WINEPREFIX.wineserver.log}
log_size() { [ -n "$server_log" ] && [ -f "$server_log" ] && stat -c %s "$server_log" || echo 0; }
# A start that fails at once and without a word is Wine failing to bring the
# process up, not the program: the fastest real program takes longer (a bare
# "return 1" needs 28 ms and more under load, a test program far more). Such
# a start is tried again, twice at most, and said so: in the file
# HEXMOOR_WINE_RETRY_LOG names (test.sh shows it at the end of the run), so
# that the program's own output stays as it is, or else on stderr.
note() {
  if [ -n "${HEXMOOR_WINE_RETRY_LOG:-}" ]; then printf '%s\n' "$*" >>"$HEXMOOR_WINE_RETRY_LOG"; else printf '%s\n' "$*" >&2; fi
}
quick_ms=100
for attempt in 1 2 3; do
  logged=$(log_size)
  start=$(date +%s%N)
  wine "$@" >"$out" 2>&1 </dev/null
  rc=$?
  took=$((($(date +%s%N) - start) / 1000000))
  shown=$(grep -v -e 'wine32 is missing' -e 'multiarch needs to be enabled' -e 'dpkg --add-architecture' \
    -e 'apt-get install wine32' "$out")
  if [ "$rc" != 0 ] && [ -z "$shown" ] && [ "$took" -lt "$quick_ms" ] && [ "$attempt" -lt 3 ]; then
    note "wine-exec.sh: wine exited $rc after ${took} ms with no output; starting $* again" \
      "(display ${DISPLAY:-none}, prefix ${WINEPREFIX:-default}, load $(cut -d' ' -f1-3 /proc/loadavg))"
    server_said=$(tail -c +$((logged + 1)) "$server_log" 2>/dev/null | tail -n 5)
    [ -n "$server_said" ] && note "wineserver: $server_said"
    continue
  fi
  break
done
[ -n "$shown" ] && printf '%s\n' "$shown"
if [ "$rc" != 0 ] && [ -z "$shown" ]; then
  server="no wineserver recorded for the prefix"
  if [ -s "${WINEPREFIX:-}/wineserver" ]; then
    server="its wineserver folder /tmp/$(cat "$WINEPREFIX/wineserver")"
    socket=/tmp/$(cat "$WINEPREFIX/wineserver")/$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))/socket
    [ -S "$socket" ] || server="$server has no socket"
  fi
  echo "wine-exec.sh: wine exited $rc after ${took} ms with no output;" \
    "display ${DISPLAY:-none}, prefix ${WINEPREFIX:-default}, $server;" \
    "free in /tmp: $(df -Pk /tmp | awk 'NR==2 {print $4}') KiB" $(obstacles) >&2
  server_said=$(tail -c +$((logged + 1)) "$server_log" 2>/dev/null | tail -n 5)
  [ -n "$server_said" ] && printf 'wineserver: %s\n' "$server_said" >&2
fi
rm -f "$out"
exit $rc
