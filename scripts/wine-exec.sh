#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest and passes its exit code on.
# Output goes through a scratch file: Wine's helper processes (explorer,
# services) that the program happens to start inherit its output handles and
# outlive it, and would otherwise keep CTest waiting on an open pipe.
out=$(mktemp)
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
grep -v -e 'wine32 is missing' -e 'multiarch needs to be enabled' -e 'dpkg --add-architecture' -e 'apt-get install wine32' "$out"
rm -f "$out"
exit $rc
