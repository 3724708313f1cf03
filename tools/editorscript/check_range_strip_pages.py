#!/usr/bin/env python3
"""The pages of the .NET strips, the scroll bars, the progress bars, the spin
controls and the header in the editor, through editorscript and skindump:
each item selected and its states switched; Ctrl+W on a ToolStrip image
row leaves the saved skin as it was; a thumb image loaded into the
standalone horizontal bar (the internal one has none); "Fill From Internal
HScrollbar" asks first, No changes nothing and Yes copies the internal
bar's images onto the standalone bar, emptying its thumb; after "Fill
From Standalone HScrollbar" every internal horizontal image matches its
standalone counterpart (same rgb-crc32, or both absent); a saved skin opens again with the same listing. Then
pagedump on the skins saved: --fill on the ToolStrip image row changes
nothing, --fill on the standalone horizontal thumb fills exactly the other
three thumb ids, and the header offers states 0-3 with its disabled rows.

    check_range_strip_pages.py EMULATOR EDITORSCRIPT SKINDUMP PAGEDUMP SKIN SCRATCH_DIR
"""
import os
import shutil
import struct
import subprocess
import sys

from check_mends import run_script, winpath

ITEMS = [
    'Controls/Scrollbars', 'Controls/Scrollbars/Standalone HScrollbar', 'Controls/Scrollbars/Standalone VScrollbar',
    'Controls/Scrollbars/Internal HScrollbar', 'Controls/Scrollbars/Internal VScrollbar',
    'Common Controls/Progress Bars/Horizontal Progress Bar', 'Common Controls/Progress Bars/Vertical Progress Bar',
    'Common Controls/Spin Controls/Horizontal Spin Control', 'Common Controls/Spin Controls/Vertical Spin Control',
    'Common Controls/Header', '.NET Controls/MenuStrip Control', '.NET Controls/ToolStrip Control',
    '.NET Controls/StatusStrip Control', '.NET Controls/DropDownMenu',
]
# (standalone, internal) horizontal image ids, state by state.
HORZ_PAIRS = [(42, 814), (101, 841), (43, 815), (45, 816), (47, 817), (49, 818), (51, 819), (53, 820), (55, 821),
              (57, 822), (59, 823), (61, 824), (63, 825), (65, 826)]


LISTINGS = {}


def skindump(emulator, program, path):
    """skindump's listing of a file, read once (each file is written once)."""
    if path not in LISTINGS:
        LISTINGS[path] = subprocess.run([emulator, program, winpath(path)],
                                        stdout=subprocess.PIPE).stdout.decode('latin-1')
    return LISTINGS[path]


def images(listing, scheme, kind):
    """{id: 'rgb-crc32=...' or the value's text} of one element."""
    part = listing.split('scheme %s\n' % scheme, 1)[-1].split('\nscheme ', 1)[0]
    found, inside = {}, False
    for line in part.splitlines():
        if line.startswith('  element '):
            inside = line.startswith('  element %d ' % kind)
            continue
        words = line.split()
        if inside and words and words[0] in ('image', 'value'):
            found[int(words[1])] = words[-1]
    return found


def write_bmp(path, width, height, bgr):
    row = (bytes(bgr) * width).ljust((width * 3 + 3) // 4 * 4, b'\0')
    pixels = row * height
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def main():
    emulator, editorscript, program, pagedump, skin, scratch = sys.argv[1:7]
    os.makedirs(scratch, exist_ok=True)
    source = os.path.join(scratch, 'pages_in.twf')
    shutil.copyfile(skin, source)
    opening = ['file "%s"' % winpath(source), 'command 32775']
    failures = []

    def saved(name):
        path = os.path.join(scratch, name + '.twf')
        if os.path.exists(path):
            os.remove(path)
        return path

    # Every item selected, its page taken by Enter, its states switched.
    lines = list(opening)
    for item in ITEMS:
        lines += ['select default "%s"' % item, 'key Enter'] + ['key Period'] * 5
    code, out = run_script(emulator, editorscript, scratch, 'states', lines)
    if code != 0:
        failures.append('selecting the items exited %d:\n%s' % (code, out))

    # Ctrl+W on a ToolStrip image row: an image loaded into "Background",
    # saved, Ctrl+W, saved again: the same listing.
    picture = os.path.join(scratch, 'red.bmp')
    write_bmp(picture, 4, 3, (0, 0, 255))
    before, after = saved('ctrlw_before'), saved('ctrlw_after')
    code, out = run_script(emulator, editorscript, scratch, 'ctrlw', opening + [
        'select default ".NET Controls/ToolStrip Control"', 'key Enter',
        'file "%s"' % winpath(picture), 'key Enter',
        'file "%s" 1' % winpath(before), 'command 32777',
        'key Ctrl+W',
        'file "%s" 1' % winpath(after), 'command 32777'])
    if code != 0:
        failures.append('the Ctrl+W script exited %d:\n%s' % (code, out))
    strip = images(skindump(emulator, program, before), 'Default', 40)
    if list(strip) != [760]:
        failures.append('the ToolStrip background was not loaded: %r' % strip)
    if skindump(emulator, program, before) != skindump(emulator, program, after):
        failures.append('Ctrl+W on a ToolStrip image row changed the skin: %r' %
                        images(skindump(emulator, program, after), 'Default', 40))

    # A thumb image on the standalone horizontal bar, which the internal bar
    # lacks: the fills below then have something to copy and something to
    # empty.
    thumb, thumb_filled = saved('thumb'), saved('pagedump_thumb')
    code, out = run_script(emulator, editorscript, scratch, 'thumb', opening + [
        'select default "Controls/Scrollbars/Standalone HScrollbar"', 'key Enter', 'key Down',
        'file "%s"' % winpath(picture), 'key Enter', 'file "%s" 1' % winpath(thumb), 'command 32777'])
    loaded = images(skindump(emulator, program, thumb), 'Default', 5)
    if code != 0 or 59 not in loaded:
        failures.append('no thumb image loaded (exit %d): %r\n%s' % (code, loaded, out))
    if 823 in loaded:
        failures.append('the fixture already holds an internal thumb: the fills would prove nothing')
    opening_thumb = ['file "%s"' % winpath(thumb), 'command 32775']
    # "Fill From Internal HScrollbar": No changes nothing; Yes copies, so the
    # standalone thumb is emptied like its internal counterpart.
    original = loaded
    refused, filled = saved('fill_no'), saved('fill_yes')
    code, out = run_script(emulator, editorscript, scratch, 'fill', opening_thumb + [
        'select default "Controls/Scrollbars/Standalone HScrollbar"',
        'answer no', 'command 32941', 'file "%s" 1' % winpath(refused), 'command 32777',
        'answer yes', 'command 32941', 'file "%s" 1' % winpath(filled), 'command 32777'])
    question = 'message "Are you sure you want to replace the content of Standalone HScrollbar?"'
    if code != 0 or out.count(question) != 2:
        failures.append('the fill script exited %d or did not ask twice:\n%s' % (code, out))
    if images(skindump(emulator, program, refused), 'Default', 5) != original:
        failures.append('No still filled the standalone bar')
    bars = images(skindump(emulator, program, filled), 'Default', 5)
    for standalone, internal in HORZ_PAIRS:
        if bars.get(standalone) != original.get(internal) or bars.get(internal) != original.get(internal):
            failures.append('after Yes, %d holds %r and %d %r; the internal bar held %r' %
                            (standalone, bars.get(standalone), internal, bars.get(internal), original.get(internal)))

    # "Fill From Standalone HScrollbar" on the internal bar, saved, reopened.
    internal_filled, reopened = saved('fill_internal'), saved('reopened')
    code, out = run_script(emulator, editorscript, scratch, 'fill_internal', opening_thumb + [
        'select default "Controls/Scrollbars/Internal HScrollbar"',
        'answer yes', 'command 32939', 'file "%s" 1' % winpath(internal_filled), 'command 32777',
        'file "%s"' % winpath(internal_filled), 'command 32775',
        'file "%s" 1' % winpath(reopened), 'command 32777'])
    if code != 0:
        failures.append('the internal fill script exited %d:\n%s' % (code, out))
    bars = images(skindump(emulator, program, internal_filled), 'Default', 5)
    for standalone, internal in HORZ_PAIRS:
        if bars.get(internal) != bars.get(standalone) or bars.get(standalone) != original.get(standalone):
            failures.append('after the internal fill, %d holds %r and %d %r' %
                            (internal, bars.get(internal), standalone, bars.get(standalone)))
    if skindump(emulator, program, internal_filled) != skindump(emulator, program, reopened):
        failures.append('the filled skin did not open again as it was saved')

    # pagedump's --fill: nothing on the ToolStrip's background; on the
    # standalone thumb the other three thumb ids.
    strip_filled = saved('pagedump_strip')
    r = subprocess.run([emulator, pagedump, winpath(before), '--fill', 'Default', '40', 'CToolStripLink', '0',
                        'Background', '--save', winpath(strip_filled)], stdout=subprocess.PIPE)
    if r.returncode != 0 or skindump(emulator, program, strip_filled) != skindump(emulator, program, before):
        failures.append('pagedump --fill on the ToolStrip background: exit %d, or the skin changed' % r.returncode)
    r = subprocess.run([emulator, pagedump, winpath(thumb), '--fill', 'Default', '5', 'CSBHLink', '0',
                        'Horizontal Thumb', '--save', winpath(thumb_filled)], stdout=subprocess.PIPE)
    thumbs = images(skindump(emulator, program, thumb_filled), 'Default', 5)
    expected = dict(loaded)
    for i in (61, 63, 65):
        expected[i] = loaded.get(59)
    if r.returncode != 0 or thumbs != expected:
        failures.append('pagedump --fill on the thumb: exit %d, %r, expected %r' % (r.returncode, thumbs, expected))
    listing = subprocess.run([emulator, pagedump, winpath(thumb)], stdout=subprocess.PIPE).stdout.decode('utf-8')
    header = listing.split('link Default 20 CHeaderLink\n', 1)[-1].split('\nlink ', 1)[0]
    disabled = header.split('state 3 ', 1)[-1].split('\nstate 4', 1)[0]
    if not disabled.startswith('shown=3 ') or 'buttons=0,1,2,3' not in disabled or \
            'row 4 379 376 "Image"' not in disabled or 'row 2 383 380 "Text Color"' not in disabled:
        failures.append('the header\'s disabled page: %r' % disabled)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
