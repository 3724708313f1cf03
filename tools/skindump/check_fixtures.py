#!/usr/bin/env python3
"""Runs skindump over the generated skin files: every good file must print
exactly its expected listing and exit 0; every malformed file that is not a
mere truncation (those are covered in-process by the model tests) must exit
with its expected code and still print a listing that starts with its result,
holds the nine information lines (no trailing blank when a text is empty) and
the "Default" scheme of a new skin. A wrong command line exits 64 with the
usage text.

    check_fixtures.py EMULATOR SKINDUMP FIXTURE_DIR
"""
import os
import subprocess
import sys


USAGE_ERROR = 64


def listing_problem(text, code):
    """What is wrong with the frame of a listing, or None."""
    lines = text.decode('latin-1').split('\n')
    if not lines or lines[0] != 'result %d' % code:
        return 'first line %r, expected result %d' % (lines[0] if lines else '', code)
    for k in range(1, 10):
        info = [l for l in lines if l == 'info %d' % k or l.startswith('info %d ' % k)]
        if len(info) != 1:
            return 'info %d appears %d times' % (k, len(info))
        if info[0].endswith(' '):
            return 'info %d ends in a blank' % k
    if 'scheme Default' not in lines:
        return 'no "scheme Default"'
    return None


def check_usage(emulator, skindump):
    """Failures of the command-line contract (none: 0). The emulator may join
    standard error to standard output, so both are read together."""
    failures = 0
    for args in ([], ['a.twf', 'b.twf']):
        run = subprocess.run([emulator, skindump] + args, stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT)
        if run.returncode != USAGE_ERROR or b'usage: skindump FILE' not in run.stdout:
            print('skindump %s: exit %d, expected %d with the usage text' %
                  (' '.join(args), run.returncode, USAGE_ERROR))
            failures += 1
        if any(line.startswith(b'result ') for line in run.stdout.splitlines()):
            print('skindump %s: printed a listing for a wrong command line' % ' '.join(args))
            failures += 1
    return failures


def main():
    emulator, skindump, root = sys.argv[1:4]
    failures = check_usage(emulator, skindump)
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
        problem = listing_problem(run.stdout, int(code))
        if problem:
            print('%s: listing: %s' % (rel, problem))
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
