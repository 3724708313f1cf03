#!/usr/bin/env python3
"""Runs pagedump under the emulator: the command-line contract (64 for a
wrong command line, 65 for a missing row, the loader's code for a skin that
does not load), the listing's grammar for every good generated skin, every
row's value text against skindump's listing of the same skin (images,
colours, numbers, choices, fonts, regions and the halves of pairs), and the
roads: --set into a side's "Size", into the push button's signed text offset
and the MDI close button's width, --fill on static text's normal colour, all
seen in skindump's listing of the saved skin; on the skin with values under
every id of the control pages, each page shows stored values, the month
calendar's pressed buttons join their normal images' series and --fill on
the combo box's text colour (a row of no series) changes nothing.

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


# --- skindump's listing -------------------------------------------------------

class Entries:
    def __init__(self):
        self.images = set()
        self.colors = {}
        self.numbers = {}
        self.font = None
        self.regions = set()
        self.arrow_width = 0


def parse_skindump(text):
    """{scheme: {type: {'self'|'top'|'right'|'bottom'|'left'|'menubar': Entries}}}"""
    skins = {}
    scheme = element = part = None
    for line in text.split('\n'):
        body = line.strip()
        indent = len(line) - len(line.lstrip(' '))
        words = body.split(' ')
        if indent == 0 and words[0] == 'scheme':
            scheme = skins.setdefault(body[len('scheme '):], {})
        elif indent == 2 and words[0] == 'element':
            element = scheme.setdefault(int(words[1]), {'self': Entries()})
        elif indent == 4 and words[0] in ('side', 'menubar'):
            part = element.setdefault(words[-1], Entries())
        elif indent == 4:
            add_entry(element['self'], words, body)
        elif indent == 6 and part is not None:
            add_entry(part, words, body)
    return skins


def add_entry(part, words, body):
    if words[0] in ('image', 'value'):
        part.images.add(int(words[1]))
    elif words[0] == 'color':
        part.colors[int(words[1])] = int(words[2], 16)
    elif words[0] == 'number':
        part.numbers[int(words[1])] = int(words[2])
    elif words[0] == 'font':
        part.font = body[len('font '):].rsplit(' height=', 1)[0]
    elif words[0] == 'regionoption':
        part.regions.add(int(words[1]))
    elif words[0] == 'arrowwidth':
        part.arrow_width = int(words[1])


# --- pagedump's listing -----------------------------------------------------------

ROW_FIELDS = re.compile(r'^( *)row (\d+) (\d+) (\d+) "((?:\\.|[^"\\])*)" "((?:\\.|[^"\\])*)"'
                        r'(?: choices="((?:\\.|[^"\\])*)")?')


def unescape(text):
    return re.sub(r'\\(.)', r'\1', text)


class Row:
    def __init__(self, match):
        self.depth = len(match.group(1)) // 2
        self.kind, self.id, self.base = int(match.group(2)), int(match.group(3)), int(match.group(4))
        self.label, self.value = unescape(match.group(5)), unescape(match.group(6))
        self.choices = unescape(match.group(7)) if match.group(7) is not None else ''
        self.children = []


def parse_rows(lines):
    """Top-level rows with their children, from 'row' lines."""
    top, stack = [], []
    for line in lines:
        m = ROW_FIELDS.match(line)
        if not m:
            continue
        row = Row(m)
        del stack[row.depth:]
        (stack[-1].children if stack else top).append(row)
        stack.append(row)
    return top


def parse_pagedump(text):
    """[(scheme, type, class, {state: rows}, {state: [(key, id) or row]})]"""
    links = []
    block = None
    for line in text.split('\n'):
        if line.startswith('link '):
            words = line.split(' ')
            block = {'scheme': ' '.join(words[1:-2]), 'type': int(words[-2]), 'class': words[-1],
                     'states': {}, 'exports': {}}
            links.append(block)
            lines = None
        elif line.startswith('state '):
            lines = block['states'].setdefault(int(line.split(' ')[1]), [])
        elif line.startswith('export '):
            lines = block['exports'].setdefault(int(line.split(' ')[1]), [])
        elif lines is not None and line:
            lines.append(line)
    return links


# Where a page's pairs are shown under a choice, by the choice's label: the
# export keys that carry the pair (the frame's, the tabs').
CHOICE_PAIR_KEYS = {'Text Location': ['text_offset'], 'Icon Location': ['icon_offset', 'hicon_offset', 'vicon_offset'],
                    'Region': ['datargn_size']}
SIDE_CLASSES = {'CTopSideFrame', 'CBottomSideFrame', 'CLeftSideFrame', 'CRightSideFrame', 'CUserDataLink'}


def pair_ids(export_lines):
    """The pair id of each group (by label) an export hands over: the key
    before it, keys taken in order by the groups that follow them."""
    pending, found, keys = [], {}, {}
    for line in export_lines:
        if line.startswith('key '):
            m = re.match(r'^key "((?:\\.|[^"\\])*)" (\d+) (\d+)$', line)
            pending.append(int(m.group(3)))
            keys[unescape(m.group(1))] = int(m.group(3))
            continue
        m = ROW_FIELDS.match(line)
        if m and not m.group(1) and int(m.group(2)) == 6 and pending:
            found[unescape(m.group(5))] = pending.pop(0)
    for label, names in CHOICE_PAIR_KEYS.items():
        for key in names:
            if key in keys:
                found[label] = keys[key]
    return found


def expected_value(row, part):
    if row.kind == 1 and row.label == 'Arrow width':
        return str(part.arrow_width)
    if row.kind == 4:
        return 'Inserted' if row.id in part.images else 'No image'
    if row.kind == 2:
        c = part.colors.get(row.id, 0)
        return 'Invert Color' if c == 0xFFFFFFFF else 'RGB(%d,%d,%d)' % (c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)
    if row.kind == 9:
        n = part.numbers.get(row.id, 0)
        return str(n - (1 << 32) if n >= 1 << 31 else n)
    if row.kind == 0:
        entries = row.choices.split('|') if '|' in row.choices else []
        n = part.numbers.get(row.id, 0)
        return entries[n] if n < len(entries) else ''
    if row.kind == 3:
        return part.font if part.font is not None else 'Default Font'
    if row.kind == 5:
        return 'Region' if row.id in part.regions else 'No Region'
    return None


def half_value(row, low, pair, part):
    n = part.numbers.get(pair, 0)
    half = n & 0xFFFF if low else n >> 16
    if row.kind == 8 and half >= 0x8000:
        half -= 0x10000
    return str(half)


def check_values(name, pagedump_text, skindump_text):
    skins = parse_skindump(skindump_text)
    checked = 0
    for link in parse_pagedump(pagedump_text):
        if link['class'] in SIDE_CLASSES:
            continue
        element = skins.get(link['scheme'], {}).get(link['type'])
        if element is None:
            fail('%s: %s %s %s has no element in skindump' % (name, link['scheme'], link['type'], link['class']))
            continue
        where = 'menubar' if link['class'].startswith('CMB') else 'top' if link['class'] == 'CFrameFixedLink' else 'self'
        part = element.get(where, Entries())
        for state, lines in link['states'].items():
            pairs = pair_ids(link['exports'].get(state, []))

            def visit(rows, parent):
                nonlocal checked
                for index, row in enumerate(rows):
                    expected = expected_value(row, part)
                    if row.kind in (1, 8) and parent is not None and len(rows) == 2:
                        pair = row.id if row.id else pairs.get(parent.label)
                        expected = half_value(row, index == 0, pair, part) if pair else None
                    if expected is not None:
                        checked += 1
                        if row.value != expected:
                            fail('%s: %s %s state %d "%s" shows %r, skindump gives %r' %
                                 (name, link['class'], link['scheme'], state, row.label, row.value, expected))
                    visit(row.children, row)

            visit(parse_rows(lines), None)
    return checked


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
    values = 0
    for rel in good:
        path = winpath(os.path.join(fixtures, rel))
        r = run(emulator, pagedump, [path, '--export'])
        if r.returncode != 0:
            fail('%s: exit %d' % (rel, r.returncode))
            continue
        check_grammar(rel, r.stdout)
        if b'link Default 2 CTopSideFrame' not in r.stdout:
            fail('%s: no top side link' % rel)
        listing = run(emulator, skindump, [path]).stdout.decode('latin-1')
        values += check_values(rel, r.stdout.decode('utf-8'), listing)
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
    check_pair_roads(emulator, pagedump, skindump, skin, work)
    check_every_page(emulator, pagedump, skindump, os.path.join(fixtures, 'good', 'every_page.twf'), work)
    print('%d good skins listed, %d values checked, %d failures' % (len(good), values, failures))
    return 1 if failures else 0


def element_block(listing, scheme, etype):
    """skindump's entries of one element of a scheme."""
    return parse_skindump(listing).get(scheme, {}).get(etype, {})


def check_pair_roads(emulator, pagedump, skindump, skin, work):
    """Typed halves of pairs: the push button's signed X "-3" and a lone "-"
    in Y, each keeping the other half; the MDI close button's width 70000,
    stored and shown as 4464; and the button's offset key in an export."""
    before = element_block(run(emulator, skindump, [skin]).stdout.decode('latin-1'), 'Default', 4)
    old = before['self'].numbers.get(34, 0) if before else 0
    saved = os.path.join(work, 'pagedump_pairs.twf')
    r = run(emulator, pagedump, [skin, '--export',
                                 '--set', 'Default', '4', 'CButtonLink', '1', 'Text Offset/X Offset', '-3',
                                 '--save', winpath(saved)])
    after = element_block(run(emulator, skindump, [winpath(saved)]).stdout.decode('latin-1'), 'Default', 4)
    n = after['self'].numbers.get(34, 0) if after else 0
    if r.returncode != 0 or n != ((old & 0xFFFF0000) | 0xFFFD):
        fail('X offset "-3": exit %d, 34 holds 0x%08X (was 0x%08X)' % (r.returncode, n, old))
    r = run(emulator, pagedump, [winpath(saved), '--set', 'Default', '4', 'CButtonLink', '1', 'Text Offset/Y Offset', '-',
                                 '--save', winpath(saved)])
    after = element_block(run(emulator, skindump, [winpath(saved)]).stdout.decode('latin-1'), 'Default', 4)
    m = after['self'].numbers.get(34, 0) if after else 0
    if r.returncode != 0 or m != (n & 0xFFFF):
        fail('Y offset "-": exit %d, 34 holds 0x%08X (was 0x%08X)' % (r.returncode, m, n))
    r = run(emulator, pagedump, [winpath(saved), '--set', 'Default', '2', 'CMBCloseLink', '0', 'Size/Width', '70000',
                                 '--save', winpath(saved)])
    frame = element_block(run(emulator, skindump, [winpath(saved)]).stdout.decode('latin-1'), 'Default', 2)
    width = frame['menubar'].numbers.get(649, 0) & 0xFFFF if frame else None
    shown = re.search(r'link Default 2 CMBCloseLink\nstate 0 [^\n]*\n(?:(?!state )[^\n]*\n)*?  row 1 0 0 "Width" "(\d+)"',
                      r.stdout.decode('utf-8'))
    if r.returncode != 0 or width != 4464 or not shown or shown.group(1) != '4464':
        fail('MDI close width 70000: exit %d, stored %r, shown %r' % (r.returncode, width, shown and shown.group(1)))
    r = run(emulator, pagedump, [winpath(saved), '--export'])
    text = r.stdout.decode('utf-8')
    button = text.split('link Default 4 CButtonLink\n')[1].split('\nlink ')[0] if 'link Default 4 CButtonLink\n' in text else ''
    if 'export 1\n' not in button or 'key "Text Offset" 8 34' not in button.split('export 1\n')[1].split('export 3')[0]:
        fail('export of the push button: no key "Text Offset" 8 34 for state 1')


CONTROL_PAGES = ['CEditLink', 'CButtonLink', 'CCheckLink', 'CRadioLink', 'CCheckButtonLink', 'CGroupLink',
                 'CSliderHLink', 'CSliderVLink', 'CTabHLink', 'CTabVLink', 'CToolBrLink', 'CStatusLink',
                 'CComboBoxLink', 'CListBoxLink', 'CListViewLink', 'CTreeViewLink', 'CToolTipLink', 'CSplitterLink',
                 'CDateTimeLink', 'CMonthCalLink']


def walk(rows):
    for row in rows:
        yield row
        yield from walk(row.children)


def check_every_page(emulator, pagedump, skindump, skin, work):
    """The skin with values under every id of the control pages: each page
    is listed with stored values shown, the month calendar's pressed buttons
    join their normal images' series, and "Fill all states" on the combo
    box's text colour (a row of no series) changes nothing."""
    r = run(emulator, pagedump, [winpath(skin)])
    text = r.stdout.decode('utf-8')
    links = {(l['scheme'], l['class']): l for l in parse_pagedump(text)}
    for name in CONTROL_PAGES:
        link = links.get(('Default', name))
        if link is None:
            fail('every_page: no page %s' % name)
            continue
        values = [r.value for lines in link['states'].values() for r in walk(parse_rows(lines))]
        if not any(v not in ('', 'No image', 'RGB(0,0,0)', '0', 'False', 'Standard') for v in values):
            fail('every_page: %s shows no stored value' % name)
    for scheme, name in [('Pages', 'CComboBoxLink'), ('Pages', 'CTabVLink')]:
        if not any(l['class'] == name and l['scheme'].endswith(scheme) for l in links.values()):
            fail('every_page: no page %s for the custom control %s' % (name, scheme))
    month = links.get(('Default', 'CMonthCalLink'))
    pressed = [(r.label, r.id, r.base) for r in parse_rows(month['states'].get(2, []))] if month else []
    if pressed != [('Previous Button', 632, 631), ('Next Button', 635, 634)]:
        fail('every_page: the month calendar\'s pressed rows are %r' % pressed)
    saved = os.path.join(work, 'pagedump_fill_base0.twf')
    r = run(emulator, pagedump, [winpath(skin), '--fill', 'Default', '13', 'CComboBoxLink', '0', 'Text Color',
                                 '--save', winpath(saved)])
    before = run(emulator, skindump, [winpath(skin)]).stdout.decode('latin-1')
    after = run(emulator, skindump, [winpath(saved)]).stdout.decode('latin-1')
    block = lambda listing: listing.split('scheme Default\n', 1)[-1].split('  element 13 ', 1)[-1].split('  element ')[0]
    if r.returncode != 0 or block(before) != block(after) or '  element 13 ' not in after:
        fail('--fill on the combo box\'s text colour: exit %d, the element changed' % r.returncode)


if __name__ == '__main__':
    sys.exit(main())
