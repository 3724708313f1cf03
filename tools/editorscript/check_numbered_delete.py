#!/usr/bin/env python3
"""Deleting a numbered side image in the grid moves the later images up with
their own margins and modes. The skin is made by importing a controls XML
file whose top side has three images, each with margins and modes of its
own; the script opens it, picks image 0 of the Top Side page (the row's file
dialog answered with a fresh picture), runs Edit > Delete and saves; skindump
then shows image 0 holding what image 1 had, image 1 what image 2 had, and
no image 2.

    check_numbered_delete.py EMULATOR EDITORSCRIPT SKINDUMP XMLX BASE SCRATCH_DIR
"""
import os
import struct
import subprocess
import sys

from script_kit import winpath, run_script

# (width, height, colour, margins left/right/top/bottom, draw mode, margin mode)
IMAGES = [
    (6, 5, (200, 10, 10), (1, 1, 1, 1), 0, 0),
    (7, 6, (10, 200, 10), (2, 3, 1, 0), 1, 1),
    (9, 8, (10, 10, 200), (4, 0, 3, 2), 0, 1),
]


def write_bmp(path, width, height, rgb):
    stride = (width * 3 + 3) & ~3
    row = bytes((rgb[2], rgb[1], rgb[0])) * width + b'\0' * (stride - width * 3)
    pixels = row * height
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def write_xml(folder):
    records = []
    for n, (w, h, rgb, (ml, mr, mt, mb), mode, mrgmode) in enumerate(IMAGES):
        name = 'side_%d.bmp' % n
        write_bmp(os.path.join(folder, name), w, h, rgb)
        records.append('<Image Id="%d" Desc="topside" ml="%d" mr="%d" mt="%d" mb="%d" DrawMode="%d" '
                       'MrgDrawMode="%d" File="%s"/>' % (n, ml, mr, mt, mb, mode, mrgmode, name))
    xml = ('<?xml version="1.0"?>\n<TarnwickSkin Name="numbered"><Controls><wndframe Id="2"><topside>'
           '<ActiveState>%s<Data Id="478" Desc="side_size" Value="6"/></ActiveState></topside>'
           '</wndframe></Controls><CustomControls/></TarnwickSkin>\n' % ''.join(records))
    path = os.path.join(folder, 'numbered.xml')
    with open(path, 'w') as f:
        f.write(xml)
    return path


def top_side_images(listing):
    """{id: 'WxH margins=... mode=... mrgmode=...'} of the Default frame's top side."""
    part = listing.split('scheme Default\n', 1)[-1].split('\nscheme ', 1)[0]
    found, in_frame, in_top = {}, False, False
    for line in part.splitlines():
        if line.startswith('  element '):
            in_frame = line.startswith('  element 2 ')
            in_top = False
        elif in_frame and line.startswith('    side '):
            in_top = line.strip() == 'side top'
        elif in_frame and in_top and line.startswith('      image '):
            words = line.split()
            found[int(words[1])] = ' '.join(words[2:6])
    return found


def expected(n):
    w, h, _, (ml, mr, mt, mb), mode, mrgmode = IMAGES[n]
    return '%dx%d margins=%d,%d,%d,%d mode=%d mrgmode=%d' % (w, h, ml, mt, mr, mb, mode, mrgmode)


def main():
    emulator, editorscript, skindump, xmlx, base, scratch = sys.argv[1:7]
    os.makedirs(scratch, exist_ok=True)
    skin = os.path.join(scratch, 'numbered.twf')
    saved = os.path.join(scratch, 'numbered_out.twf')
    fresh = os.path.join(scratch, 'fresh.bmp')
    for f in (skin, saved):
        if os.path.exists(f):
            os.remove(f)
    write_bmp(fresh, 4, 4, (90, 90, 90))
    made = subprocess.run([emulator, xmlx, 'import', winpath(write_xml(scratch)), winpath(skin), '--into',
                           winpath(base)], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if made.returncode != 0:
        print('xmlx import exited %d:\n%s' % (made.returncode, made.stdout.decode('latin-1')))
        return 1
    failures = []
    before = top_side_images(subprocess.run([emulator, skindump, winpath(skin)],
                                            stdout=subprocess.PIPE).stdout.decode('latin-1'))
    if before != {n: expected(n) for n in range(3)}:
        failures.append('the imported top side is not the three images: %s' % before)

    code, out = run_script(emulator, editorscript, scratch, 'numbered_delete', [
        'file "%s"' % winpath(skin), 'command 32775',
        'select default "Windows/Window Frame/Frame Sides/Top Side"',
        'type "Images/Image - 0" "%s"' % winpath(fresh),
        'command 32798',
        'file "%s" 1' % winpath(saved), 'command 32777'])
    if code != 0:
        failures.append('the script exited %d:\n%s' % (code, out))
    after = top_side_images(subprocess.run([emulator, skindump, winpath(saved)],
                                           stdout=subprocess.PIPE).stdout.decode('latin-1'))
    if after != {0: expected(1), 1: expected(2)}:
        failures.append('after deleting image 0 the top side holds %s, not images 1 and 2 moved up with '
                        'their own margins and modes' % after)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
