#!/usr/bin/env python3
"""Opens every good generated skin file in the editor through editorscript
and saves it under a new name (one editor session for all files, as a
designer opens one after another), then compares skindump's listings: the saved
file lists as the input except the version line, elements and schemes left
empty, folder objects made for missing folder levels and custom controls
switched on; saving the saved file again changes nothing. Also checks the
script contract on bad input: a bad file is named in a message and the open
skin saves unchanged; a box with no answer queued exits 3.

    check_round_trip.py EMULATOR EDITORSCRIPT SKINDUMP FIXTURE_DIR SCRATCH_DIR
"""
import concurrent.futures
import os
import shutil
import subprocess
import sys


from script_kit import winpath, run_script


def listing(emulator, skindump, path):
    run = subprocess.run([emulator, skindump, winpath(path)], stdout=subprocess.PIPE)
    return run.returncode, run.stdout.decode('latin-1').split('\n')


def parse(lines):
    """The listing as (head lines, {scheme: {element line sans enabled:
    (enabled, [entries])}})."""
    head, schemes = [], {}
    scheme = element = None
    for line in lines:
        if line.startswith('scheme '):
            scheme = line[len('scheme '):]
            schemes[scheme] = {}
            element = None
        elif line.startswith('  element ') and scheme is not None:
            words = line.split()
            enabled = [w for w in words if w.startswith('enabled=')]
            key = ' '.join(w for w in words if not w.startswith('enabled='))
            element = key
            schemes[scheme][key] = (enabled[0] if enabled else '', [])
        elif line.startswith('    ') and element is not None:
            schemes[scheme][element][1].append(line)
        elif line and not line.startswith('version '):
            head.append(line)
    return head, schemes


def round_trip_problem(before, after):
    """What the editor changed beyond what a round may change, or None: the
    version line, schemes and elements left empty, folder objects (type 33)
    made for missing folder levels, custom controls switched on (which gives
    a switched-off element its default colours)."""
    head_b, b = parse(before)
    head_a, a = parse(after)
    if head_a != head_b:
        return 'head %r -> %r' % (head_b, head_a)
    for name, elements in a.items():
        if name not in b:
            if any(not key.startswith('element 33 ') for key in elements):
                return 'new scheme %s holds more than a folder' % name
            continue
        for key, (enabled, entries) in elements.items():
            if key not in b[name]:
                # Opening a skin keeps the default scheme's element objects
                # of the skin before (emptied and off), which windows still
                # hold: one the new file lacks is saved empty and off.
                if entries or enabled != 'enabled=0':
                    return '%s: new %s' % (name, key)
                continue
            was_enabled, was_entries = b[name][key]
            if entries != was_entries and not (was_enabled == 'enabled=0' and set(was_entries) <= set(entries)):
                return '%s %s: entries changed' % (name, key)
    for name, elements in b.items():
        for key, (enabled, entries) in elements.items():
            if entries and (name not in a or key not in a[name]):
                return '%s: lost %s' % (name, key)
    return None


def main():
    emulator, editorscript, skindump, root, scratch = sys.argv[1:6]
    shutil.rmtree(scratch, ignore_errors=True)
    os.makedirs(scratch)
    failures = 0
    good = sorted(n for n in os.listdir(os.path.join(root, 'good')) if n.endswith(('.twf', '.twfx')))
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        befores = list(pool.map(lambda n: listing(emulator, skindump, os.path.join(root, 'good', n)), good))
    rounds = []  # (name, source, first, second, filter, listing before)
    for index, (name, (code, before)) in enumerate(zip(good, befores)):
        if code != 0:
            print('%s: skindump cannot read a good file (exit %d)' % (name, code))
            failures += 1
            continue
        compressed = 'compressed 1' in before
        ext = '.twfx' if compressed else '.twf'
        rounds.append((name, os.path.join(root, 'good', name), os.path.join(scratch, 'first%d%s' % (index, ext)),
                       os.path.join(scratch, 'second%d%s' % (index, ext)), '2' if compressed else '1', before))

    def open_and_save(pairs):
        """One editor opens and saves each (source, target, filter) in turn,
        as a designer would in one session. Saving clears the modified flag,
        so the next Open asks nothing; a save that left the skin modified
        shows as a question with no answer (exit 3)."""
        lines = []
        for source, target, filt in pairs:
            lines += ['file "%s"' % winpath(source), 'command 32775', 'file "%s" %s' % (winpath(target), filt),
                      'command 32777']
        return run_script(emulator, editorscript, scratch, 'script', lines)

    def run_round(pairs):
        code, out = open_and_save(pairs)
        if code == 0 and 'modified 0' in out and all(os.path.exists(t) for _, t, _ in pairs):
            return []
        # Something failed: one editor per file names the culprit.
        bad = []
        for pair in pairs:
            alone_code, alone_out = open_and_save([pair])
            if alone_code != 0 or 'modified 0' not in alone_out or not os.path.exists(pair[1]):
                bad.append((pair, alone_code, alone_out))
        return bad or [(None, code, out)]

    for pair, code, out in run_round([(source, first, filt) for _, source, first, _, filt, _ in rounds]):
        print('%s: first round exit %d\n%s' % (pair[0] if pair else 'all files', code, out))
        failures += 1
    for pair, code, out in run_round([(first, second, filt) for _, _, first, second, filt, _ in rounds
                                      if os.path.exists(first)]):
        print('%s: second round exit %d, or modified after saving\n%s' % (pair[0] if pair else 'all files', code, out))
        failures += 1

    def compare(entry):
        name, _, first, second, _, before = entry
        if not os.path.exists(first):
            return None
        code, after = listing(emulator, skindump, first)
        problem = round_trip_problem(before, after) if code == 0 else 'skindump cannot read the saved file (exit %d)' % code
        if problem:
            return '%s: %s' % (name, problem)
        dump_code, again = listing(emulator, skindump, second)
        if dump_code != 0 or again != after:
            return '%s: second round changed the file (skindump exit %d)' % (name, dump_code)
        return None

    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        for problem in pool.map(compare, rounds):
            if problem:
                print(problem)
                failures += 1
    checked = len(rounds)

    # A bad file: named in a message, the open skin saves unchanged.
    good_file = os.path.join(root, 'good', 'v531.twf')
    bad_file = os.path.join(root, 'bad', 'header_short.twf')
    saved = os.path.join(scratch, 'kept.twf')
    reference = os.path.join(scratch, 'reference.twf')
    run_script(emulator, editorscript, scratch, 'script', [
        'file "%s"' % winpath(good_file), 'command 32775',
        'file "%s"' % winpath(reference), 'command 32777'])
    # Opening the good file makes the folder objects it lacks, which marks
    # it modified: the second Open asks to save first (answered No).
    code, out = run_script(emulator, editorscript, scratch, 'script', [
        'file "%s"' % winpath(good_file), 'command 32775',
        'answer no', 'file "%s"' % winpath(bad_file), 'answer ok', 'command 32775',
        'file "%s"' % winpath(saved), 'command 32777'])
    if code != 0 or ('message "%s is invalid or corrupted." -> ok' % winpath(bad_file)) not in out:
        print('bad file: exit %d\n%s' % (code, out))
        failures += 1
    else:
        saved_code, saved_listing = listing(emulator, skindump, saved)
        reference_code, reference_listing = listing(emulator, skindump, reference)
        if saved_code != 0 or reference_code != 0 or saved_listing != reference_listing:
            print('bad file: the open skin did not save unchanged (skindump exit %d and %d)' %
                  (saved_code, reference_code))
            failures += 1

    # A failed save: a message naming the file, the flag kept, no recent entry.
    missing = os.path.join(scratch, 'no', 'such', 'x.twf')
    code, out = run_script(emulator, editorscript, scratch, 'script', [
        'file "%s"' % winpath(good_file), 'command 32775',
        'select custom ""', 'command 32916',
        'file "%s"' % winpath(missing), 'answer ok', 'command 32777', 'dump-trees'])
    if (code != 0 or 'message "%s was not saved.' % winpath(missing) not in out or 'modified 1' not in out
            or 'recent "%s"' % winpath(good_file) not in out or '  Folder [72]' not in out):
        print('failed save: exit %d\n%s' % (code, out))
        failures += 1

    # The menu commands add with their fixed names; Clear is disabled on a
    # folder, which has nothing to clear, and runs on a window frame (every
    # part of it has a page) and on its sides. A frame's page has no state
    # buttons: showing it selects the normal state, which focuses the grid,
    # so the frame is selected again to give the focus back to its tree,
    # where Clear acts. (Names typed into the item-name dialog come from the
    # pane toolbar's buttons, tested in the editor's window tests.)
    code, out = run_script(emulator, editorscript, scratch, 'script', [
        'file "%s"' % winpath(good_file), 'command 32775',
        'select custom ""', 'command 32916', 'command 32823',
        'select custom Folder', 'command 57632',
        'select default "Windows/Window Frame"', 'select default "Windows/Window Frame"', 'command 57632',
        'select default "Windows/Window Frame/Frame Sides"', 'command 57632', 'dump-trees'])
    shown = [l.rstrip('\r') for l in out.split('\n')]
    if (code != 0 or '    Folder [72]' not in shown or 'disabled 57632' not in out
            or out.count('disabled 57632') != 1 or 'modified 1' not in out):
        print('menu adders and clear: exit %d\n%s' % (code, out))
        failures += 1

    # The default tree: a selected item's box toggled by Space switches the
    # element off and marks the skin modified; the tree lists it off.
    code, out = run_script(emulator, editorscript, scratch, 'script', [
        'file "%s"' % winpath(good_file), 'command 32775',
        'select default "Controls/Static Text"', 'dump-trees',
        'select default "Controls/Button"', 'key Space', 'dump-trees'])
    dumps = out.split('tree default')

    def line_of(dump, text):
        return next((l.strip() for l in dump.splitlines() if l.strip().startswith(text + ' [')), '')
    before, after = (line_of(d, 'Button') for d in dumps[1:3]) if len(dumps) == 3 else ('', '')
    flipped = {before, after} == {'Button [11] on', 'Button [11] off'}
    if (code != 0 or not flipped or line_of(dumps[1], 'Static Text') != line_of(dumps[-1], 'Static Text')
            or 'modified 1' not in out):
        print('default tree: exit %d\n%s' % (code, out))
        failures += 1

    # A message with no answer queued: exit 3.
    code, out = run_script(emulator, editorscript, scratch, 'script', [
        'file "%s"' % winpath(bad_file), 'command 32775'])
    if code != 3 or '-> none' not in out:
        print('unanswered box: exit %d\n%s' % (code, out))
        failures += 1

    print('%d files round-tripped, %d failures' % (checked, failures))
    return 1 if failures or not checked else 0


if __name__ == '__main__':
    sys.exit(main())
