#!/usr/bin/env python3
"""Editor behaviours a designer relies on, through editorscript and skindump:
'.' in the grid refills the page for the state it checks (a colour typed
after it lands in the Disabled colour 495, the one typed before in the
Normal colour 494); Delete asks first, No keeps the item and Yes removes it;
`shot properties` writes what the Properties pane shows for an item of each
tree.

    check_mends.py EMULATOR EDITORSCRIPT SKINDUMP SKIN SCRATCH_DIR
"""
import os
import shutil
import subprocess
import sys

from script_kit import winpath, run_script, element


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

    # What the Properties pane shows for an item of each tree.
    shots = {'default': 'Controls/Static Text', 'custom': 'Buttons/CustomFrame/Frame Sides/Top Side'}
    lines = opening + ['select custom Buttons', 'command 32821']
    for tree, item in shots.items():
        png = os.path.join(scratch, 'properties_%s.png' % tree)
        if os.path.exists(png):
            os.remove(png)
        lines += ['select %s "%s"' % (tree, item), 'shot properties "%s"' % winpath(png)]
    code, out = run_script(emulator, editorscript, scratch, 'shots', lines + ['shot frame "%s"' % winpath(
        os.path.join(scratch, 'frame.png'))])
    if code != 0:
        failures.append('the shot script exited %d:\n%s' % (code, out))
    for tree in shots:
        png = os.path.join(scratch, 'properties_%s.png' % tree)
        if not os.path.exists(png) or os.path.getsize(png) < 100:
            failures.append('no picture of the %s item\'s page' % tree)
        else:
            with open(png, 'rb') as f:
                if f.read(8) != b'\x89PNG\r\n\x1a\n':
                    failures.append('%s is not a PNG' % png)
    code, out = run_script(emulator, editorscript, scratch, 'bad_shot', ['shot nowhere x.png'])
    if code != 3:
        failures.append('a shot of no pane exited %d, not 3:\n%s' % (code, out))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
