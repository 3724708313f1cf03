#!/usr/bin/env python3
"""Editor behaviours a designer relies on, through editorscript and skindump:
'.' in the grid refills the page for the state it checks (a colour typed
after it lands in the Disabled colour 495, the one typed before in the
Normal colour 494); Delete asks first, No keeps the item and Yes removes it;
`shot properties` shows every row the grid lists for an item of each tree
(default, custom and user data) drawn on its own line: ink in its label cell and, where it has a value, in
its value cell.

    check_mends.py EMULATOR EDITORSCRIPT SKINDUMP SKIN SCRATCH_DIR
"""
import os
import shutil
import subprocess
import sys

from script_kit import winpath, run_script, element

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from png_read import read_png  # noqa: E402


def grid_rows(out):
    """The rows of a dump-grid: (index, label cell, value cell, label, value)."""
    rows = []
    for line in out.splitlines():
        if not line.startswith('row '):
            continue
        head, label, value = line.split(' | ', 2)
        words = head.split()
        cells = [int(v) for v in words[3:7]], [int(v) for v in words[8:12]]
        rows.append((int(words[1]), cells[0], cells[1], label, value))
    return rows


def inked(pixels, cell):
    """Whether the cell, inside its one-pixel rules, holds pixels of more
    than its ground colour (text drawn on it)."""
    left, top, right, bottom = cell
    seen = {}
    for y in range(top + 2, bottom - 1):
        for x in range(left + 2, right - 1):
            seen[pixels[y][x]] = seen.get(pixels[y][x], 0) + 1
    if not seen:
        return False
    ground = max(seen.values())
    return sum(seen.values()) - ground >= 2


def page_drawn(png, out):
    """What is wrong with the page's picture against its rows, or ''."""
    rows = grid_rows(out)
    if not rows:
        return 'the grid lists no rows:\n' + out
    with open(png, 'rb') as f:
        width, height, pixels = read_png(f.read())
    wrong = []
    for index, label_cell, value_cell, label, value in rows:
        for name, cell, text in (('label', label_cell, label), ('value', value_cell, value)):
            if not text.strip():
                continue
            if cell[0] < 0 or cell[1] < 0 or cell[2] > width or cell[3] > height:
                wrong.append('row %d\'s %s cell %r lies outside the %dx%d picture' % (index, name, cell, width, height))
            elif not inked(pixels, cell):
                wrong.append('row %d (%s = %s) has no %s drawn' % (index, label, value, name))
    return '\n'.join(wrong)


def main():
    emulator, editorscript, skindump, skin, scratch = sys.argv[1:6]
    os.makedirs(scratch, exist_ok=True)
    source = os.path.join(scratch, 'mends_in.twf')
    saved = os.path.join(scratch, 'mends_out.twf')
    shutil.copyfile(skin, source)
    for f in (saved,):
        if os.path.exists(f):
            os.remove(f)
    opening = ['file "%s"' % winpath(source), 'command 32775']
    failures = []

    # The state keys: Normal typed, '.', Disabled typed, saved.
    code, out = run_script(emulator, editorscript, scratch, 'state_keys', opening + [
        'select default "Controls/Static Text"',
        'type "Text Color" "RGB(1,2,3)"',
        'key Period',
        'shot properties "%s"' % winpath(os.path.join(scratch, 'disabled_page.png')),
        'type "Text Color" "RGB(9,8,7)"',
        'file "%s" 1' % winpath(saved), 'command 32777'])
    if code != 0:
        failures.append('the state-key script exited %d:\n%s' % (code, out))
    listing = subprocess.run([emulator, skindump, winpath(saved)], stdout=subprocess.PIPE).stdout.decode('latin-1')
    text = element(listing, 'Default', 21)
    for want in ('color 494 0x00030201', 'color 495 0x00070809'):
        if want not in text:
            failures.append('static text lacks "%s": %s' % (want, text))

    # Delete asks: No keeps the item, Yes removes it. A frame's page has no
    # state buttons, so showing it selects the normal state, which focuses
    # the grid; selecting the item again gives the focus back to its tree,
    # where Delete acts.
    code, out = run_script(emulator, editorscript, scratch, 'delete', opening + [
        'select custom Buttons', 'command 32821', 'select custom "Buttons/CustomFrame"',
        'select custom "Buttons/CustomFrame"',
        'answer no', 'command 32918', 'dump-trees',
        'answer yes', 'command 32918', 'dump-trees'])
    if code != 0:
        failures.append('the delete script exited %d:\n%s' % (code, out))
    question = 'message "Are you sure you want to delete the selected item?"'
    if out.count(question) != 2 or out.count('-> no') != 1 or out.count('-> yes') != 1:
        failures.append('Delete did not ask twice:\n' + out)
    dumps = out.split('tree default')[1:]
    if len(dumps) != 2 or 'CustomFrame' not in dumps[0] or 'CustomFrame' in dumps[1]:
        failures.append('No did not keep or Yes did not remove the item:\n' + out)

    # What the Properties pane shows for an item of each tree, against the
    # rows its grid lists.
    # The user-data item is added at the tree's root (32902), as the skin
    # has none.
    made = ['select custom Buttons', 'command 32821', 'select userdata ""', 'command 32902']
    shots = {'default': 'Windows/Window Frame', 'custom': 'Buttons/CustomFrame', 'userdata': 'UserData'}
    for tree, item in shots.items():
        png = os.path.join(scratch, 'properties_%s.png' % tree)
        if os.path.exists(png):
            os.remove(png)
        lines = opening + made + ['select %s "%s"' % (tree, item), 'shot properties "%s"' % winpath(png), 'dump-grid']
        if tree == 'custom':
            lines.append('shot frame "%s"' % winpath(os.path.join(scratch, 'frame.png')))
        code, out = run_script(emulator, editorscript, scratch, 'shot_' + tree, lines)
        if code != 0:
            failures.append('the %s shot script exited %d:\n%s' % (tree, code, out))
        elif not os.path.exists(png):
            failures.append('no picture of the %s item\'s page' % tree)
        else:
            wrong = page_drawn(png, out)
            print('%s item: %d rows listed' % (tree, len(grid_rows(out))))
            if wrong:
                failures.append('the %s item\'s page is not drawn:\n%s' % (tree, wrong))
    code, out = run_script(emulator, editorscript, scratch, 'bad_shot', ['shot nowhere x.png'])
    if code != 3:
        failures.append('a shot of no pane exited %d, not 3:\n%s' % (code, out))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
