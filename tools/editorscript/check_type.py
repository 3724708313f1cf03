#!/usr/bin/env python3
"""Types into a property-grid row through editorscript: a new custom frame's
top side gets "Size" 17 and the saved file holds number 478 = 17 in that
element; a path naming no row is a script error (exit 3).

    check_type.py EMULATOR EDITORSCRIPT SKINDUMP SKIN SCRATCH_DIR
"""
import os
import shutil
import subprocess
import sys

from script_kit import winpath, run_script


def main():
    emulator, editorscript, skindump, skin, scratch = sys.argv[1:6]
    os.makedirs(scratch, exist_ok=True)
    source = os.path.join(scratch, 'type_in.twf')
    saved = os.path.join(scratch, 'type_out.twf')
    shutil.copyfile(skin, source)
    if os.path.exists(saved):
        os.remove(saved)
    opening = ['file "%s"' % winpath(source), 'command 32775', 'select custom Buttons', 'command 32821',
               'select custom "Buttons/CustomFrame/Frame Sides/Top Side"']
    code, out = run_script(emulator, editorscript, scratch, 'script',
                           opening + ['type Size 17', 'file "%s" 1' % winpath(saved), 'command 32777'])
    failures = []
    if code != 0:
        failures.append('typing exited %d:\n%s' % (code, out))
    listing = subprocess.run([emulator, skindump, winpath(saved)], stdout=subprocess.PIPE).stdout.decode('latin-1')
    frame = listing.split('CustomFrame', 1)[-1].split('scheme ', 1)[0]
    if 'element 2 ' not in frame or 'number 478 17' not in frame:
        failures.append('the saved frame lacks its typed size:\n' + listing)
    code, out = run_script(emulator, editorscript, scratch, 'script', opening + ['type "No such row" 1'])
    if code != 3:
        failures.append('a missing row exited %d, not 3:\n%s' % (code, out))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
