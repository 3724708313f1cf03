#!/usr/bin/env python3
"""Runs pagedump under the emulator: the command-line contract (64 for a
wrong command line, 65 for a missing row, the loader's code for a skin that
does not load), the listing's grammar for every good generated skin, and the
roads: --set into a side's "Size", --fill on static text's normal colour,
both seen in skindump's listing of the saved skin.

    check_pagedump.py EMULATOR PAGEDUMP SKINDUMP FIXTURE_DIR WORK_DIR
"""
import os
import re
import subprocess
import sys

ROW = re.compile(r'^( {2})*row \d+ \d+ \d+ "(\\.|[^"\\])*" "(\\.|[^"\\])*"( choices="(\\.|[^"\\])*")?( expanded| collapsed)?$')
LINE = [
    re.compile(r'^link \S.* \d+ C\w+$'),
    re.compile(r'^state [0-4] shown=-?\d caption="(\\.|[^"\\])*" buttons=([0-4](,[0-4])*)?$'),
    re.compile(r'^export [0-4]$'),
    re.compile(r'^key "(\\.|[^"\\])*" \d+ \d+$'),
    ROW,
]

failures = 0


def fail(message):
    global failures
    failures += 1
    print(message)


def run(emulator, program, args):
    return subprocess.run([emulator, program] + args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)


def winpath(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


def check_grammar(name, text):
    for line in text.decode('utf-8').split('\n'):
        if line and not any(p.match(line) for p in LINE):
            fail('%s: line out of the format: %r' % (name, line))
            return


def main():
    emulator, pagedump, skindump, fixtures, work = sys.argv[1:6]
    os.makedirs(work, exist_ok=True)
    for args in ([], ['a.twf', '--bogus'], ['a.twf', '--set', 'Default']):
        r = run(emulator, pagedump, args)
        if r.returncode != 64 or b'usage: pagedump' not in r.stdout:
            fail('pagedump %s: exit %d, expected 64 with the usage text' % (' '.join(args), r.returncode))
    with open(os.path.join(fixtures, 'cases.txt')) as f:
        cases = [line.split() for line in f if line.strip()]
    good = [rel for kind, rel, code in cases if kind == 'good']
    for rel in good:
        path = winpath(os.path.join(fixtures, rel))
        r = run(emulator, pagedump, [path, '--export'])
        if r.returncode != 0:
            fail('%s: exit %d' % (rel, r.returncode))
            continue
        check_grammar(rel, r.stdout)
        if b'link Default 2 CTopSideFrame' not in r.stdout:
            fail('%s: no top side link' % rel)
    bad = [(rel, int(code)) for kind, rel, code in cases if kind == 'bad' and '_cut_' not in rel][:40]
    for rel, code in bad:
        r = run(emulator, pagedump, [winpath(os.path.join(fixtures, rel))])
        if r.returncode != code:
            fail('%s: exit %d, expected the loader code %d' % (rel, r.returncode, code))

    skin = winpath(os.path.join(fixtures, good[-1]))
    saved = os.path.join(work, 'pagedump_saved.twf')
    r = run(emulator, pagedump, [skin, '--set', 'Default', '2', 'CTopSideFrame', '0', 'Size', '99999999999',
                                 '--set', 'Default', '2', 'CTopSideFrame', '0', 'Size', '',
                                 '--set', 'Default', '21', 'CStaticTextLink', '0', 'Text Color', 'RGB(1,2,3)',
                                 '--fill', 'Default', '21', 'CStaticTextLink', '0', 'Text Color',
                                 '--save', winpath(saved)])
    if r.returncode != 0:
        fail('--set/--fill/--save: exit %d: %s' % (r.returncode, r.stdout[-300:]))
    listing = run(emulator, skindump, [winpath(saved)]).stdout.decode('latin-1')
    if '    number 478 2147483647' not in listing:
        fail('--set "99999999999" into Size did not store 2147483647')
    text = listing.split('  element 21 ')[1].split('  element ')[0] if '  element 21 ' in listing else ''
    if 'color 494 0x00030201' not in text or 'color 495 0x00030201' not in text:
        fail('--fill on the normal text colour did not set 495: %r' % text)
    r = run(emulator, pagedump, [skin, '--set', 'Default', '2', 'CTopSideFrame', '0', 'Nope', '1'])
    if r.returncode != 65:
        fail('missing row: exit %d, expected 65' % r.returncode)
    r = run(emulator, pagedump, [winpath(os.path.join(work, 'no_such_file.twf'))])
    if r.returncode not in (1, 2, 3, 4):
        fail('missing file: exit %d, expected the loader code' % r.returncode)
    print('%d good skins listed, %d failures' % (len(good), failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
