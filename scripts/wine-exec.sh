#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest and passes its exit code on.
# A test that CTest gave a display slot (window tests, see test.sh) runs on
# that slot's own display and Wine prefix; other tests use the environment's.
# Output goes through a scratch file: Wine's helper processes (explorer,
# services) that the program happens to start inherit its output handles and
# outlive it, and would otherwise keep CTest waiting on an open pipe.
if [ -n "${CTEST_RESOURCE_GROUP_0_DISPLAY:-}" ]; then
  slot=${CTEST_RESOURCE_GROUP_0_DISPLAY#id:}
  slot=${slot%%,*}
  display_var=HEXMOOR_SLOT_DISPLAY_$slot prefix_var=HEXMOOR_SLOT_PREFIX_$slot
  if [ -z "${!display_var:-}" ] || [ -z "${!prefix_var:-}" ]; then
    echo "wine-exec.sh: no display or prefix for slot '$slot' (run the tests through ./test.sh)" >&2
    exit 1
  fi
  export DISPLAY=${!display_var} WINEPREFIX=${!prefix_var}
fi
out=$(mktemp)
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
grep -v -e 'wine32 is missing' -e 'multiarch needs to be enabled' -e 'dpkg --add-architecture' -e 'apt-get install wine32' "$out"
rm -f "$out"
exit $rc
