#!/usr/bin/env python3
"""The control pages in the editor, through editorscript and skindump: each
button and common control of the default tree is selected, its page is
switched to the next state its state bar offers ('.'), and a row of each
kind (numbers, colours, choices, offsets, the combo box's arrow width,
images loaded through the "..." button) is edited on both; the saved skin
holds each value under its id, Ctrl+W on a row of no series (the combo
box's text colour) copies nothing, and the saved skin opens again with
every page shown in each state it offers and nothing modified.

    check_control_pages.py EMULATOR EDITORSCRIPT SKINDUMP SKIN SCRATCH_DIR
"""
import os
import shutil
import struct
import subprocess
import sys

from script_kit import element, run_script, winpath


def write_bmp(path, width, height):
    """A 24-bit bitmap of one colour."""
    stride = (width * 3 + 3) & ~3
    pixels = (b'\x40\x80\xc0' * width + b'\0' * (stride - width * 3)) * height
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(pixels), 0, 0, 54) + header + pixels)


def number(lines, pid):
    for line in lines:
        words = line.split(' ')
        if words[0] == 'number' and int(words[1]) == pid:
            return int(words[2])
    return 0


# Per item: its tree path, its element type, the script lines on its normal
# page, how many times '.' moves on to the next state offered, the lines on
# that page, and the entries the saved skin must hold ("image ID" is an image
# of the loaded bitmap's size).
IMAGE = 'IMAGE'
ITEMS = [
    ('Controls/Edit', 3, ['type "Borders/Top Border" 5'], 1, ['type "Text Color" "RGB(1,2,3)"'],
     ['number 18 5', 'color 15 0x00030201']),
    ('Controls/Check Box', 6, [], 1, ['type "Text Color" "RGB(1,2,4)"'], ['color 117 0x00040201']),
    ('Controls/Radio Button', 7, [], 1, ['type "Text Color" "RGB(1,2,5)"'], ['color 141 0x00050201']),
    ('Controls/Push-like Radio and Check Box', 39, [], 1, ['type "Text Offset/X Offset" -3'], []),
    ('Controls/Group Box', 8, [], 1, ['type "Dark Line Color" "RGB(1,2,6)"'], ['color 162 0x00060201']),
    ('Controls/List Box', 14, ['type "Borders/Left Border" 7'], 1, ['type "Text Color" "RGB(1,2,7)"'],
     ['number 359 7', 'color 357 0x00070201']),
    # Ctrl+W on the text colour, a row of no series, copies it nowhere.
    ('Controls/Combo Box', 13, ['type "Text Color" "RGB(9,9,9)"', 'key Ctrl+W', 'type "Transparent Edit" True',
                                'type "Arrow width" 12'], 0, [],
     ['arrowwidth 12', 'color 347 0x00090909', 'number 662 1']),
    ('Common Controls/Tab Controls/Horizontal Tab Control', 10,
     ['type "Icon Location" "Use Offset"', 'type "Icon Location/X Offset" -4'], 1, ['type "Text Offset/Y Offset" 7'],
     ['number 229 1']),
    ('Common Controls/Tab Controls/Vertical Tab Control', 10, ['type "Text Color" "RGB(2,2,2)"'], 0, [],
     ['color 240 0x00020202']),
    ('Common Controls/Slider Controls/Horizontal Slider', 9, ['type "Horizontal Thumb" IMAGE'], 1,
     ['type "Horizontal Thumb" IMAGE'], ['image 170', 'image 176']),
    ('Common Controls/Slider Controls/Vertical Slider', 9, [], 2, ['type "Vertical Line" IMAGE'], ['image 198']),
    ('Common Controls/Toolbar', 11, ['type "Vertical center alignment" True', 'type "Borders/Right Border" 9'], 1,
     ['type Image IMAGE'], ['number 802 9', 'number 684 1', 'image 313']),
    ('Common Controls/Status Bar', 12, [], 1, ['type "Text Color" "RGB(3,3,3)"'], ['color 331 0x00030303']),
    ('Common Controls/Tooltip', 28, ['type "Text Color" "RGB(4,4,4)"'], 0, [], ['color 528 0x00040404']),
    ('Common Controls/Tree Control', 19, ['type "Borders/Bottom Border" 4'], 1,
     ['type "Selection Color" "RGB(5,5,5)"'], ['number 400 4', 'color 617 0x00050505']),
    ('Common Controls/Splitter Control', 34, ['type "Vert Splitter Box" IMAGE'], 0, [], ['image 604']),
    ('Common Controls/List Control', 15, ['type "Hot Item Color" "RGB(6,6,6)"'], 1, ['type "Grid Color" "RGB(7,7,7)"'],
     ['color 628 0x00060606', 'color 373 0x00070707']),
    ('Common Controls/Datetime Picker', 22, ['type "Borders/Left Border" 3'], 1, ['type "Arrow Button" IMAGE'],
     ['number 678 3', 'image 414']),
    ('Common Controls/MonthCalendar Control', 38, ['type "Weekdays Color" "RGB(8,8,8)"'], 1,
     ['type "Next Button" IMAGE'], ['color 645 0x00080808', 'image 635']),
]
# How many states each item's state bar offers (the splitter none).
OFFERED = {'Controls/Edit': 2, 'Controls/Check Box': 5, 'Controls/Radio Button': 5,
           'Controls/Push-like Radio and Check Box': 5, 'Controls/Group Box': 2, 'Controls/List Box': 2,
           'Controls/Combo Box': 5, 'Common Controls/Tab Controls/Horizontal Tab Control': 5,
           'Common Controls/Tab Controls/Vertical Tab Control': 5,
           'Common Controls/Slider Controls/Horizontal Slider': 5,
           'Common Controls/Slider Controls/Vertical Slider': 5, 'Common Controls/Toolbar': 4,
           'Common Controls/Status Bar': 2, 'Common Controls/Tooltip': 1, 'Common Controls/Tree Control': 2,
           'Common Controls/Splitter Control': 1, 'Common Controls/List Control': 2,
           'Common Controls/Datetime Picker': 3, 'Common Controls/MonthCalendar Control': 3}
# Selecting the tooltip, which offers the normal state only, puts the state
# bar back on Normal: each item starts there.
NORMAL = 'select default "Common Controls/Tooltip"'


def item_lines(path, normal, periods, later, image):
    """The next state's edits first ('.' in the grid, which Ctrl+Tab
    reaches from the tree, moves on), then the normal state's."""
    lines = []
    if periods:
        lines += [NORMAL, 'select default "%s"' % path, 'key Ctrl+Tab'] + ['key Period'] * periods + later
    lines += [NORMAL, 'select default "%s"' % path] + normal
    return [line.replace(IMAGE, '"%s"' % winpath(image)) for line in lines]


def main():
    emulator, editorscript, skindump, skin, scratch = sys.argv[1:6]
    os.makedirs(scratch, exist_ok=True)
    source = os.path.join(scratch, 'pages_in.twf')
    saved = os.path.join(scratch, 'pages_out.twf')
    image = os.path.join(scratch, 'pages_image.bmp')
    shutil.copyfile(skin, source)
    if os.path.exists(saved):
        os.remove(saved)
    write_bmp(image, 5, 3)
    failures = []
    before = subprocess.run([emulator, skindump, winpath(source)], stdout=subprocess.PIPE).stdout.decode('latin-1')

    lines = ['file "%s"' % winpath(source), 'command 32775']
    for path, _, normal, periods, later, _ in ITEMS:
        lines += item_lines(path, normal, periods, later, image)
    lines += ['file "%s" 1' % winpath(saved), 'command 32777']
    code, out = run_script(emulator, editorscript, scratch, 'edit_pages', lines)
    if code != 0:
        failures.append('editing the pages exited %d:\n%s' % (code, out))
    listing = subprocess.run([emulator, skindump, winpath(saved)], stdout=subprocess.PIPE).stdout.decode('latin-1')
    for path, etype, _, _, _, wanted in ITEMS:
        entries = element(listing, 'Default', etype)
        for want in wanted:
            if want.startswith('image '):
                found = any(e.startswith(want + ' 5x3 ') for e in entries)
            else:
                found = want in entries
            if not found:
                failures.append('%s: the saved element %d lacks "%s"' % (path, etype, want))
    # Offsets go to their own half; the other half stays.
    old, new = element(before, 'Default', 10), element(listing, 'Default', 10)
    if number(new, 230) != (number(old, 230) & 0xFFFF0000) | 0xFFFC or \
            number(new, 232) != (7 << 16) | (number(old, 232) & 0xFFFF):
        failures.append('tab offsets: 230 0x%08X -> 0x%08X, 232 0x%08X -> 0x%08X' %
                        (number(old, 230), number(new, 230), number(old, 232), number(new, 232)))
    old, new = element(before, 'Default', 39), element(listing, 'Default', 39)
    if number(new, 679) != (number(old, 679) & 0xFFFF0000) | 0xFFFD:
        failures.append('push-like X offset "-3": 679 0x%08X -> 0x%08X' % (number(old, 679), number(new, 679)))
    # Ctrl+W on the combo box's text colour (no series) copied it nowhere.
    combo = element(listing, 'Default', 13)
    if any(e.startswith('color ') and e.endswith(' 0x00090909') and e != 'color 347 0x00090909' for e in combo):
        failures.append('Ctrl+W on the combo box\'s text colour copied it: %r' % combo)

    # Opened again, every page shows in each state it offers and nothing
    # changes.
    lines = ['file "%s"' % winpath(saved), 'command 32775']
    for path, _, _, _, _, _ in ITEMS:
        lines += [NORMAL, 'select default "%s"' % path, 'key Ctrl+Tab'] + ['key Period'] * (OFFERED[path] - 1)
    code, out = run_script(emulator, editorscript, scratch, 'reopen_pages', lines)
    if code != 0 or 'modified 0' not in out:
        failures.append('reopening exited %d:\n%s' % (code, out))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
