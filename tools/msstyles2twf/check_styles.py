#!/usr/bin/env python3
"""Runs msstyles2twf over the generated visual styles. Every good case must
print exactly its expected output, exit 0 and write an OUT that skindump
loads, whose listing holds exactly the expected blocks of the element kinds
the style's strips fill; every refused case must exit with its code, print
its message and write no OUT. Importing into a base skin keeps every scheme and element
kind the import does not cover, leaves the month calendar empty and off,
and never changes the base file. A wrong command line exits 1.

    check_styles.py EMULATOR MSSTYLES2TWF SKINDUMP STYLE_DIR SKIN_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

# The element kinds the import fills (the month calendar is only emptied).
IMPORTED = {2, 25, 4, 6, 7, 39, 8, 5, 27, 3, 14, 13, 21, 10, 18, 17, 9, 34, 20, 15, 19, 11, 28, 12, 16, 22, 38}


def run(cmd):
    # The emulator joins standard error to standard output.
    p = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return p.returncode, p.stdout.decode('utf-8', 'replace').replace('\r\n', '\n')


def listing_blocks(text):
    """{scheme: {element type: (header, [lines])}} of a skindump listing."""
    schemes, scheme, element = {}, None, None
    for line in text.split('\n'):
        if line.startswith('scheme '):
            scheme = line[7:]
            schemes[scheme] = {}
            element = None
        elif line.startswith('  element ') and scheme is not None:
            element = int(line.split()[1])
            schemes[scheme][element] = (line, [])
        elif line.startswith('    ') and element is not None:
            schemes[scheme][element][1].append(line)
    return schemes


def listed_blocks(text, expected):
    """The skin information and the default scheme's blocks of the element
    kinds an expected listing names, each header cut to its type and enabled flag (folder and order
    come from the skin imported into, not from the style)."""
    wanted = {l.split(' enabled=')[0] for l in expected.split('\n') if l.startswith('  element ')}
    out, in_default, keep = [], False, False
    for line in text.split('\n'):
        if line.startswith('info '):
            out.append(line)
        elif line.startswith('scheme '):
            in_default, keep = line == 'scheme Default', False
        elif in_default and line.startswith('  element '):
            keep = line.split(' enabled=')[0] in wanted
            if keep:
                out.append(line.split(' folder=')[0])
        elif keep and line.startswith('    '):
            out.append(line)
    return '\n'.join(out) + '\n'


def as_the_file_keeps(listing):
    """The listing after a save and a load: the skin file keeps no region
    options without a region (its reader drops them)."""
    return '\n'.join(l for l in listing.split('\n') if not (l.strip().startswith('regionoption ') and
                                                            ' size=0x0 rects=0' in l))


def without_element(listing, element):
    out, skip = [], False
    for line in listing.split('\n'):
        if line.startswith('  element '):
            skip = int(line.split()[1]) == element
        elif not line.startswith('    '):
            skip = False
        if not skip:
            out.append(line)
    return '\n'.join(out)


def main():
    emulator, tool, skindump, styles, skins = sys.argv[1:6]
    failures = 0

    def fail(text):
        nonlocal failures
        failures += 1
        print(text)

    for args in ([], ['a.msstyles'], ['a', 'b', '--bogus']):
        code, _ = run([emulator, tool] + args)
        if code != 1:
            fail('usage %r: exit %d, expected 1' % (args, code))

    work = tempfile.mkdtemp()
    try:
        with open(os.path.join(styles, 'cases.txt'), encoding='utf-8') as f:
            cases = [line.rstrip('\n').split('|') for line in f if line.strip()]
        for name, scheme, code, expected, message in cases:
            out = os.path.join(work, 'out.twf')
            if os.path.exists(out):
                os.remove(out)
            cmd = [emulator, tool, os.path.join(styles, name), out]
            if scheme:
                cmd += ['--scheme', scheme]
            got, text = run(cmd)
            label = '%s --scheme %r' % (name, scheme)
            if got != int(code):
                fail('%s: exit %d, expected %s\n%s' % (label, got, code, text))
                continue
            if expected != '-':
                with open(os.path.join(styles, expected), encoding='utf-8') as f:
                    want = f.read()
                if text != want:
                    fail('%s: output\n%s\nexpected\n%s' % (label, text, want))
            if message and message not in text:
                fail('%s: message %r missing from\n%s' % (label, message, text))
            if int(code) == 0:
                dump_code, dump = run([emulator, skindump, out])
                if dump_code != 0:
                    fail('%s: skindump gives %d on OUT' % (label, dump_code))
                listed = os.path.join(styles, '%s.%s.listing' % (name, scheme or 'first'))
                if not os.path.exists(listed):
                    fail('%s: no expected listing' % label)
                else:
                    with open(listed, encoding='utf-8') as f:
                        # The month calendar is checked below: the skin reader
                        # gives an element without colours the system ones.
                        want = as_the_file_keeps(without_element(f.read(), 38))
                    got_blocks = listed_blocks(dump, want)
                    if got_blocks != want:
                        fail('%s: listing\n%s\nexpected\n%s' % (label, got_blocks, want))
            elif os.path.exists(out):
                fail('%s: OUT written on error' % label)

        # OUT in a folder that does not exist cannot be written.
        missing = os.path.join(work, 'no such folder', 'out.twf')
        code, text = run([emulator, tool, os.path.join(styles, 'full.msstyles'), missing])
        if code != 5 or os.path.exists(missing):
            fail('unwritable OUT: exit %d, expected 5\n%s' % (code, text))

        # Into a base skin with custom controls, user data and strip elements.
        base_src = os.path.join(skins, 'good', 'v768.twf')
        base = os.path.join(work, 'base.twf')
        shutil.copyfile(base_src, base)
        with open(base, 'rb') as f:
            base_bytes = f.read()
        out = os.path.join(work, 'into.twf')
        for name, want in (('loop.msstyles', 2), ('full.msstyles', 0)):
            got, text = run([emulator, tool, os.path.join(styles, name), out, '--into', base])
            if got != want:
                fail('--into with %s: exit %d, expected %d\n%s' % (name, got, want, text))
            with open(base, 'rb') as f:
                if f.read() != base_bytes:
                    fail('--into with %s changed BASE' % name)
        _, before = run([emulator, skindump, base])
        _, after = run([emulator, skindump, out])
        b, a = listing_blocks(before), listing_blocks(after)
        default = 'Default'
        for scheme in b:
            if scheme != default and b[scheme] != a.get(scheme):
                fail('--into: scheme %r changed' % scheme)
        for element, block in b.get(default, {}).items():
            if element not in IMPORTED and a[default].get(element) != block:
                fail('--into: element %d outside the import changed' % element)
        # The skin reader gives a month calendar without colours the system
        # colours, so only images and numbers can show what the import left.
        month = a[default].get(38)
        if not month or 'enabled=0' not in month[0] or any(not l.strip().startswith('color ') for l in month[1]):
            fail('--into: month calendar not empty and off: %r' % (month,))
        for element in IMPORTED - {38}:
            got = a[default].get(element)
            if not got or 'enabled=1' not in got[0]:
                fail('--into: element %d not switched on' % element)
            old = b.get(default, {}).get(element)
            if old and got and old[0].split()[3:] != got[0].split()[3:]:
                fail('--into: element %d lost its place in the tree' % element)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print('%d failure(s)' % failures)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
