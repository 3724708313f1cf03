#!/usr/bin/env python3
"""The frame family and the push button edited through the editor's own
grid, under editorscript: each item selected in the default tree, states
switched with '.', choices chosen and offsets typed, the skin saved; the
values skindump lists for the saved skin are the ones typed (signed halves
as their 16-bit patterns, the other half kept, a width over 65535 cut to its
low 16 bits, offsets under a choice only while it holds UserOffset).

    check_frame_family.py EMULATOR EDITORSCRIPT SKINDUMP SKIN SCRATCH_DIR
"""
import os
import shutil
import subprocess
import sys

from script_kit import winpath, run_script


def parts(listing, scheme, kind):
    """{'self'|'menubar'|side: {'number'|'color': {id: value}}} of one
    element of one scheme in a skindump listing."""
    found = {}
    body = listing.split('scheme %s\n' % scheme, 1)[-1].split('\nscheme ', 1)[0]
    inside, part = False, None
    for line in body.splitlines():
        indent = len(line) - len(line.lstrip(' '))
        words = line.split()
        if indent == 2:
            inside = line.startswith('  element %d ' % kind)
            part = found.setdefault('self', {}) if inside else None
            continue
        if not inside or not words:
            continue
        if indent == 4 and words[0] in ('side', 'menubar'):
            part = found.setdefault(words[-1] if words[0] == 'side' else 'menubar', {})
            continue
        if indent == 4:
            part = found.setdefault('self', {})
        if words[0] in ('number', 'color') and len(words) >= 3:
            part.setdefault(words[0], {})[int(words[1])] = int(words[2], 0)
    return found


def value(found, part, what, pid):
    return found.get(part, {}).get(what, {}).get(pid)


def main():
    emulator, editorscript, skindump, skin, scratch = sys.argv[1:6]
    os.makedirs(scratch, exist_ok=True)
    source = os.path.join(scratch, 'family_in.twf')
    saved = os.path.join(scratch, 'family_out.twf')
    shutil.copyfile(skin, source)
    if os.path.exists(saved):
        os.remove(saved)
    frame = 'default "Windows/Window Frame'
    code, out = run_script(emulator, editorscript, scratch, 'frame_family', [
        'file "%s"' % winpath(source), 'command 32775',
        # The frame: offsets under a choice, a region with its size.
        'select %s"' % frame,
        'type "Titlebar Text/Text Location" UserOffset',
        'type "Titlebar Text/Text Location/X Offset" -5',
        'type "Titlebar Text/Text Location/Y Offset" 12',
        'type "Titlebar Text/Icon Location" UserOffset',
        'type "Titlebar Text/Icon Location/X Offset" 4',
        'type "Titlebar Text/Icon Location" WithText',
        'type Region RoundRectShape',
        'type Region/cx 8',
        'type Region/cy 9',
        'type "Caption button alignment" Left',
        # The minimized frame and the parts shown in the first state: a
        # caption button's size and offsets, another's offset alone, the MDI
        # close button (unsigned halves: 70000 keeps its low 16 bits), the
        # menu bar's offsets and height.
        'select %s/Minimized Frame"' % frame,
        'type "Close Button Offset/X Offset" 6',
        'type "Restore Button Offset/Y Offset" 7',
        'select %s/Caption Buttons/Close Button"' % frame,
        'type Size/Width 21',
        'type Size/Height 19',
        'type "Offsets/X Offset" -2',
        'select %s/Caption Buttons/Help Button"' % frame,
        'type "Offsets/Y Offset" 3',
        'select %s/Menubar/Close Button"' % frame,
        'type Size/Width 70000',
        'type Size/Height 9',
        'select %s/Menubar"' % frame,
        'type "Offsets/X Offset" -3',
        'type Height 22',
        # The next state, kept by the next selection: the menu bar's text
        # colour and the push button's text offset of that state.
        'key Period',
        'type "Text Color" "RGB(1,2,3)"',
        'select default Controls/Button',
        'type "Text Offset/X Offset" -3',
        'type "Text Offset/Y Offset" 2',
        'file "%s" 1' % winpath(saved), 'command 32777'])
    failures = []
    if code != 0:
        failures.append('the script exited %d:\n%s' % (code, out))
    listing = subprocess.run([emulator, skindump, winpath(saved)], stdout=subprocess.PIPE).stdout.decode('latin-1')
    frame_parts = parts(listing, 'Default', 2)
    button = parts(listing, 'Default', 4)
    expected = [
        ('frame', frame_parts, 'self', 'number', 484, 3),
        ('frame', frame_parts, 'self', 'number', 557, (12 << 16) | 0xFFFB),
        ('frame', frame_parts, 'self', 'number', 483, 1),
        ('frame', frame_parts, 'self', 'number', 553, (9 << 16) | 8),
        ('frame', frame_parts, 'self', 'number', 685, 1),
        ('frame', frame_parts, 'self', 'number', 493, (19 << 16) | 21),
        ('frame', frame_parts, 'self', 'number', 652, 22),
        ('frame', frame_parts, 'self', 'color', 425, 0x00030201),
        ('MDI close', frame_parts, 'menubar', 'number', 649, (9 << 16) | 4464),
        ('minimized', frame_parts, 'self', 'number', 554, 6),
        ('button', button, 'self', 'number', 34, (2 << 16) | 0xFFFD),
    ]
    for name, found, part, what, pid, want in expected:
        got = value(found, part, what, pid)
        if got != want:
            failures.append('%s: %s %d is %s, not 0x%08X' % (name, what, pid,
                                                             'missing' if got is None else '0x%08X' % got, want))
    # Halves typed alone keep the other half of what the skin held.
    for name, pid, low, high in (('close offsets', 489, 0xFFFE, None), ('help offsets', 492, None, 3),
                                 ('menu bar offsets', 657, 0xFFFD, None), ('icon offsets', 558, 4, None),
                                 ('restore offset', 556, None, 7)):
        got = value(frame_parts, 'self', 'number', pid)
        if got is None or (low is not None and got & 0xFFFF != low) or (high is not None and got >> 16 != high):
            failures.append('%s: number %d is %s' % (name, pid, 'missing' if got is None else '0x%08X' % got))
    for f in failures:
        print(f)
    if failures:
        print(listing)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
