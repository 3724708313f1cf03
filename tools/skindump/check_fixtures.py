#!/usr/bin/env python3
"""Runs skindump over the generated skin files: every good file must print
exactly its expected listing and exit 0; every malformed file that is not a
mere truncation (those are covered in-process by the model tests) must exit
with its expected code.

    check_fixtures.py EMULATOR SKINDUMP FIXTURE_DIR
"""
import os
import subprocess
import sys


def main():
    emulator, skindump, root = sys.argv[1:4]
    failures = 0
    checked = 0
    with open(os.path.join(root, 'cases.txt')) as f:
        cases = [line.split() for line in f if line.strip()]
    for kind, rel, code in cases:
        if kind == 'bad' and '_cut_' in rel:
            continue
        path = os.path.join(root, rel)
        run = subprocess.run([emulator, skindump, path], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
        checked += 1
        if run.returncode != int(code):
            print('%s: exit %d, expected %s' % (rel, run.returncode, code))
            failures += 1
            continue
        if kind == 'good':
            with open(os.path.splitext(path)[0] + '.expected', 'rb') as f:
                expected = f.read()
            if run.stdout != expected:
                got = run.stdout.decode('latin-1').splitlines()
                want = expected.decode('latin-1').splitlines()
                for i, (a, b) in enumerate(zip(got, want)):
                    if a != b:
                        print('%s: line %d\n  got:  %s\n  want: %s' % (rel, i + 1, a, b))
                        break
                else:
                    print('%s: %d lines, expected %d' % (rel, len(got), len(want)))
                failures += 1
    print('%d files checked, %d failed' % (checked, failures))
    return 1 if failures or checked == 0 else 0


if __name__ == '__main__':
    sys.exit(main())
