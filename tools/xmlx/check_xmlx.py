#!/usr/bin/env python3
"""Checks xmlx's contract with files written here from the format: a controls
file with PNG, BMP and region files (made with struct and zlib) is imported
into a new skin, whose skindump must hold every value, margin and pixel the
file carries; the skin is exported again, the document must pass the
format's RELAX NG schema (xmllint), and its records and the pixels of the
images it wrote (decoded here) must equal what went in, for every element;
the export is imported and exported once more, and must carry the same
records and pixels. Hostile files must be refused
with exit 2 and their message, writing nothing; wrong command lines exit 1,
outputs that cannot be written exit 3.

    check_xmlx.py EMULATOR XMLX SKINDUMP SCHEMA WORK_DIR
"""
import os
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from png_read import read_png  # noqa: E402

# --- image and region files, written and read from their layouts ------------


def png_bytes(width, height, rows):
    """An 8-bit RGBA PNG of rows of (r, g, b, a), top row first."""
    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b'')


def bmp_bytes(width, height, rows):
    """A 24-bit bottom-up BMP of rows of (r, g, b), top row first."""
    stride = (width * 3 + 3) & ~3
    data = b''.join(bytes(v for (r, g, b) in row for v in (b, g, r)).ljust(stride, b'\0') for row in reversed(rows))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0)
    return struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54) + info + data


def read_bmp(data):
    """(width, height, rows of (r, g, b)) of an uncompressed (or bit-field)
    24- or 32-bit BMP with any info header, bottom-up or top-down."""
    assert data[:2] == b'BM', 'no BMP signature'
    offset = struct.unpack_from('<I', data, 10)[0]
    size, width, height, _, bits, compression = struct.unpack_from('<IiiHHI', data, 14)
    assert bits in (24, 32) and compression in (0, 3), 'BMP form %d bits, compression %d' % (bits, compression)
    top_down = height < 0
    height = abs(height)
    stride = (width * bits // 8 + 3) & ~3
    rows = []
    for y in range(height):
        line = data[offset + y * stride:offset + (y + 1) * stride]
        step = bits // 8
        rows.append([(line[x * step + 2], line[x * step + 1], line[x * step]) for x in range(width)])
    if not top_down:
        rows.reverse()
    return width, height, rows


def region_bytes(width, height, rects):
    """The region-file layout: i32 width, i32 height, u32 N, then N bytes of
    RGNDATA (32-byte header, then 16-byte rectangles)."""
    left = min(r[0] for r in rects)
    top = min(r[1] for r in rects)
    right = max(r[2] for r in rects)
    bottom = max(r[3] for r in rects)
    block = struct.pack('<IIII4i', 32, 1, len(rects), 16 * len(rects), left, top, right, bottom)
    block += b''.join(struct.pack('<4i', *r) for r in rects)
    return struct.pack('<iiI', width, height, len(block)) + block


def read_region(data):
    width, height, n = struct.unpack_from('<iiI', data, 0)
    block = data[12:12 + n]
    assert len(block) == n, 'region data cut short'
    size, kind, count, rgn_size = struct.unpack_from('<IIII', block, 0)
    assert size == 32 and kind == 1 and len(block) >= 32 + 16 * count, 'region header'
    return width, height, [struct.unpack_from('<4i', block, 32 + 16 * i) for i in range(count)]


def pixel_crc(rows):
    """The skin listing's rgb-crc32: CRC-32 over B, G, R of every pixel."""
    return zlib.crc32(bytes(v for row in rows for px in row for v in (px[2], px[1], px[0]))) & 0xFFFFFFFF


def pattern(width, height, seed, alpha):
    return [[((x * 37 + seed) % 256, (y * 53 + seed) % 256, (x + y + seed) % 256,
              (1 + (x * 40 + y * 7 + seed) % 255) if alpha else 255) for x in range(width)] for y in range(height)]


# --- the controls file written here ------------------------------------------


class Picture:
    def __init__(self, name, width, height, seed, png):
        self.name, self.width, self.height, self.png = name, width, height, png
        self.rgba = pattern(width, height, seed, png)

    def file_bytes(self):
        if self.png:
            return png_bytes(self.width, self.height, self.rgba)
        return bmp_bytes(self.width, self.height, [[px[:3] for px in row] for row in self.rgba])


PICTURES = {p.name: p for p in [
    Picture('top.png', 10, 25, 3, True), Picture('topd.bmp', 10, 25, 4, False), Picture('left.bmp', 4, 8, 5, False),
    Picture('grip.png', 12, 12, 6, True), Picture('mdi.png', 16, 14, 7, True), Picture('btn.bmp', 7, 5, 8, False),
    Picture('cf.bmp', 3, 3, 9, False),
]}
REGION = (10, 25, [(0, 0, 2, 1), (1, 1, 10, 25)])


def image(id_, name, ml, mr, mt, mb, mode, mrg):
    return ('Image', [('Id', id_), ('Desc', 'x'), ('ml', ml), ('mr', mr), ('mt', mt), ('mb', mb), ('DrawMode', mode),
                      ('MrgDrawMode', mrg), ('File', 'pics\\' + name)])


def data(id_, value):
    return ('Data', [('Id', id_), ('Desc', 'x'), ('Value', value)])


def color(id_, rgb):
    return ('Color', [('Id', id_), ('Desc', 'x'), ('RGB', rgb)])


def states(**records):
    names = ['NormalState', 'PressedState', 'HotState', 'DisableState', 'FocusedState']
    return [(n, [], records.get(n, [])) for n in names]


def sides(top_active, top_inactive=(), left_active=(), sizes=('19', '0', '0', '0')):
    """Four side elements; sizes of the top, right, bottom and left sides."""
    out = []
    for name, size_id, size, active, inactive in (('topside', '478', sizes[0], top_active, top_inactive),
                                                  ('rightside', '481', sizes[1], (), ()),
                                                  ('bottomside', '479', sizes[2], (), ()),
                                                  ('leftside', '480', sizes[3], left_active, ())):
        out.append((name, [], [('ActiveState', [], list(active) + [data(size_id, size)]),
                               ('InactiveState', [], list(inactive))]))
    return out


DOCUMENT = ('TarnwickSkin', [('Name', 'Written by hand')], [
    ('Controls', [], [
        ('wndframe', [('Id', '2')],
         sides([('ImgOptions', [('Id', '0'), ('DrawMode', '2'), ('XOffset', '-3'), ('YOffset', '5')]),
                image('0', 'top.png', '2', '2', '0', '0', '1', '1'),
                ('RgnOptions', [('Id', '1'), ('DrawMode', '1'), ('File', 'pics\\top.rgn')])],
               [('ImgOptions', [('Id', '1001'), ('DrawMode', '1'), ('XOffset', '0'), ('YOffset', '0')]),
                image('1001', 'topd.bmp', '0', '0', '0', '0', '0', '0')],
               [image('0', 'left.bmp', '0', '0', '0', '0', '0', '0')],
               ('19', '0', '0', '4')) +
         # The MDI buttons' values travel under the window frame.
         states(NormalState=[image('505', 'mdi.png', '0', '0', '0', '0', '0', '0'), data('649', 'e0010'),
                             data('647', 'fffe0003')],
                PressedState=[image('513', 'btn.bmp', '0', '0', '0', '0', '0', '0')],
                DisableState=[image('508', 'cf.bmp', '0', '0', '0', '0', '0', '0')])),
        ('statictext', [('Id', '21')],
         states(NormalState=[color('494', 'ff0000')], DisableState=[color('495', 'ffffffff')])),
        ('gripctrl', [('Id', '27')], states(NormalState=[image('41', 'grip.png', '3', '4', '5', '6', '1', '0')])),
        ('button', [('Id', '4')],
         states(NormalState=[color('23', 'ff')], HotState=[data('34', 'ffff0001')],
                PressedState=[image('24', 'btn.bmp', '1', '1', '1', '1', '0', '1')])),
    ]),
    ('CustomControls', [], [
        ('wndframe_my_frame', [('Id', '2'), ('GroupName', 'My Frame')],
         sides([image('0', 'cf.bmp', '0', '0', '0', '0', '0', '0')], sizes=('7', '0', '0', '0'))),
        ('statictext_okstatic', [('Id', '21'), ('GroupName', 'OkStatic')],
         states(NormalState=[color('494', '123456')], DisableState=[color('495', '0')])),
        ('button_okbutton', [('Id', '4'), ('GroupName', 'OkButton')], states(NormalState=[color('23', 'ff00')])),
    ]),
])

def xml_text(node, depth=0):
    name, attributes, *rest = node
    children = rest[0] if rest else []
    attrs = ''.join(' %s="%s"' % (n, v.replace('&', '&amp;').replace('"', '&quot;').replace('<', '&lt;'))
                    for n, v in attributes)
    pad = '  ' * depth
    if not children:
        return '%s<%s%s/>\n' % (pad, name, attrs)
    return '%s<%s%s>\n%s%s</%s>\n' % (pad, name, attrs, ''.join(xml_text(c, depth + 1) for c in children), pad, name)


def write_input(folder):
    os.makedirs(os.path.join(folder, 'pics'))
    for p in PICTURES.values():
        with open(os.path.join(folder, 'pics', p.name), 'wb') as f:
            f.write(p.file_bytes())
    with open(os.path.join(folder, 'pics', 'top.rgn'), 'wb') as f:
        f.write(region_bytes(*REGION))
    text = '<?xml version="1.0"?>\n' + xml_text(DOCUMENT)
    path = os.path.join(folder, 'in.xml')
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)
    return path


# --- reading documents and listings ------------------------------------------


def records(root):
    """{(control Id, GroupName, side, state, record, record Id): attributes}
    without Desc and File, and {same key: File}."""
    values, files = {}, {}
    for group in root:
        for control in group:
            key = (control.get('Id'), control.get('GroupName'))
            for child in control:
                holders = [(child.tag, '', child)] if child.tag.endswith('State') else \
                    [(child.tag, s.tag, s) for s in child]
                for side_or_state, state, holder in holders:
                    side, state = (side_or_state, state) if state else ('', side_or_state)
                    for record in holder:
                        k = key + (side, state, record.tag, record.get('Id'))
                        values[k] = {n: v for n, v in record.attrib.items() if n not in ('Desc', 'File')}
                        if record.get('File'):
                            files[k] = record.get('File')
    return values, files


def listing(text):
    """{(scheme, element type, part): set of entry lines} of a skindump."""
    out, scheme, element, part = {}, None, None, ''
    for line in text.splitlines():
        stripped = line.strip()
        if line.startswith('scheme '):
            scheme, element, part = line[7:], None, ''
        elif stripped.startswith('element '):
            element, part = int(stripped.split()[1]), ''
        elif stripped.startswith('side ') or stripped == 'menubar':
            part = stripped
        elif element is not None:
            out.setdefault((scheme, element, part), set()).add(stripped)
    return out


def image_line(id_, picture, margins, mode, mrg):
    """margins: left, top, right, bottom."""
    return 'image %s %dx%d margins=%d,%d,%d,%d mode=%d mrgmode=%d rgb-crc32=%08X' % (
        id_, picture.width, picture.height, *margins, mode, mrg, pixel_crc(picture.rgba))


EXPECTED_LISTING = {
    ('Default', 2, ''): {'number 478 25', 'number 479 0', 'number 480 4', 'number 481 0'},
    ('Default', 2, 'side top'): {image_line(0, PICTURES['top.png'], (2, 0, 2, 0), 1, 1),
                                 image_line(1001, PICTURES['topd.bmp'], (0, 0, 0, 0), 0, 0),
                                 'imageoption 0 x=-3 y=5 mode=2', 'imageoption 1001 x=0 y=0 mode=1',
                                 'regionoption 1 mode=1 size=10x25 rects=2'},
    ('Default', 2, 'side left'): {image_line(0, PICTURES['left.bmp'], (0, 0, 0, 0), 0, 0)},
    ('Default', 2, 'menubar'): {image_line(505, PICTURES['mdi.png'], (0, 0, 0, 0), 0, 0), 'number 649 917520',
                                'number 647 4294836227', image_line(513, PICTURES['btn.bmp'], (0, 0, 0, 0), 0, 0),
                                image_line(508, PICTURES['cf.bmp'], (0, 0, 0, 0), 0, 0)},
    ('Default', 21, ''): {'color 494 0x000000FF', 'color 495 0xFFFFFFFF'},
    ('Default', 27, ''): {image_line(41, PICTURES['grip.png'], (3, 5, 4, 6), 1, 0)},
    ('Default', 4, ''): {'number 34 4294901761', 'color 23 0x00FF0000',
                         image_line(24, PICTURES['btn.bmp'], (1, 1, 1, 1), 0, 1)},
    ('My Frame', 2, ''): {'number 478 7'},
    ('My Frame', 2, 'side top'): {image_line(0, PICTURES['cf.bmp'], (0, 0, 0, 0), 0, 0)},
    ('OkStatic', 21, ''): {'color 494 0x00563412', 'color 495 0x00000000'},
    ('OkButton', 4, ''): {'color 23 0x0000FF00'},
}


def main():
    emulator, xmlx, skindump, schema, work = sys.argv[1:6]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    failures = []

    def expect(cond, what):
        if not cond:
            failures.append(what)

    def run(program, args):
        # The emulator joins standard error to standard output.
        return subprocess.run([emulator, program] + args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

    def counts(output):
        return [line for line in output.decode('utf-8', 'replace').splitlines()
                if line.split(' ')[0] in ('controls', 'custom', 'records', 'images', 'regions', 'result')]

    def refusal(output):
        return [line for line in output.decode('utf-8', 'replace').splitlines() if line.startswith('xmlx: ')]

    # Import into a new skin: every value the file carries.
    source = write_input(os.path.join(work, 'in'))
    expect(subprocess.run(['xmllint', '--noout', '--relaxng', schema, source], capture_output=True).returncode == 0,
           'the hand-written document does not pass the schema')
    skin = os.path.join(work, 'out.twf')
    got = run(xmlx, ['import', source, skin])
    in_values, in_files = records(ET.parse(source).getroot())
    want = ['controls 4', 'custom 3', 'records %d' % len(in_values), 'images %d' % sum(
        1 for k in in_values if k[4] == 'Image'), 'regions 1', 'result 0']
    expect(got.returncode == 0 and counts(got.stdout) == want,
           'import: exit %d, %r, expected %r' % (got.returncode, got.stdout, want))
    dump = run(skindump, [skin])
    imported = listing(dump.stdout.decode('latin-1'))
    for part, lines in EXPECTED_LISTING.items():
        missing = lines - imported.get(part, set())
        expect(not missing, 'imported skin %s lacks %s (has %s)' % (part, sorted(missing),
                                                                    sorted(imported.get(part, set()))))

    def export(skin_file, target):
        """Exports the skin into target: the declaration, the schema and the
        counts checked; answers its records and files."""
        os.makedirs(os.path.dirname(target))
        got = run(xmlx, ['export', skin_file, target])
        expect(got.returncode == 0, 'export of %s: exit %d, %r' % (skin_file, got.returncode, got.stdout))
        with open(target, 'rb') as f:
            expect(f.read().startswith(b'<?xml version="1.0"?>'), '%s does not start with its declaration' % target)
        lint = subprocess.run(['xmllint', '--noout', '--relaxng', schema, target], capture_output=True)
        expect(lint.returncode == 0, '%s fails the schema: %r' % (target, lint.stderr))
        values, files = records(ET.parse(target).getroot())
        printed = counts(got.stdout)
        expect(printed[2:] == ['records %d' % len(values), 'images %d' % sum(1 for k in values if k[4] == 'Image'),
                               'regions %d' % sum(1 for k in values if k[4] == 'RgnOptions'), 'result 0'],
               'export counts of %s: %r' % (target, printed))
        return values, files

    def decoded(document, file):
        """(width, height, rows) of a file the document names: (r, g, b, a)
        pixels of a PNG, (r, g, b) of a BMP, rectangles of a region."""
        path = os.path.join(os.path.dirname(document), *file.split('\\'))
        with open(path, 'rb') as f:
            body = f.read()
        return {'.png': read_png, '.bmp': read_bmp, '.rgn': read_region}[os.path.splitext(file)[1]](body)

    # Export it again: the schema, every record the file carried, the pixels.
    again = os.path.join(work, 'again', 'again.xml')
    out_values, out_files = export(skin, again)
    expect({k: out_values.get(k) for k in in_values} == in_values,
           'records changed on the way: %r' % {k: (v, out_values.get(k)) for k, v in in_values.items()
                                               if out_values.get(k) != v})
    for key, file in in_files.items():
        if key not in out_files or file.endswith('.rgn'):
            continue
        picture = PICTURES[file.split('\\')[-1]]
        rows = picture.rgba if out_files[key].endswith('.png') else [[px[:3] for px in r] for r in picture.rgba]
        expect(decoded(again, out_files[key]) == (picture.width, picture.height, rows),
               '%s: pixels differ from %s' % (out_files[key], file))
    for key, file in out_files.items():
        if file.endswith('.rgn'):
            expect(decoded(again, file) == REGION, '%s: region %r' % (file, decoded(again, file)))

    # The export imported into a new skin and exported once more: the same
    # records, and files of the same pixels and rectangles.
    skin_again = os.path.join(work, 'again.twf')
    got = run(xmlx, ['import', again, skin_again])
    expect(got.returncode == 0, 'import of the export: exit %d, %r' % (got.returncode, got.stdout))
    third = os.path.join(work, 'third', 'third.xml')
    third_values, third_files = export(skin_again, third)
    expect(third_values == out_values,
           'records changed on the second trip: %r' % {k: (out_values.get(k), third_values.get(k))
                                                       for k in set(out_values) | set(third_values)
                                                       if out_values.get(k) != third_values.get(k)})
    expect(set(third_files) == set(out_files), 'files named on the second trip: %r' % sorted(
        set(third_files) ^ set(out_files)))
    for key in set(third_files) & set(out_files):
        expect(decoded(third, third_files[key]) == decoded(again, out_files[key]),
               '%s: differs from %s' % (third_files[key], out_files[key]))

    # Hostile files: exit 2 with the reason, no output, the base unchanged.
    before = run(skindump, [skin]).stdout
    good = open(source, encoding='utf-8').read()
    hostile = []
    for cut in range(0, len(good.encode('utf-8')), 64):
        hostile.append(('cut%d' % cut, good.encode('utf-8')[:cut], None, {}))
    declaration_end = good.index('\n') + 1
    png = PICTURES['top.png'].file_bytes()
    huge = png[:16] + struct.pack('>II', 100000, 100000) + png[24:]
    # Over the cap on one side only, and within every decoder's reach: refused
    # from its header, undecoded.
    wide = png[:16] + struct.pack('>II', 16385, 16) + png[24:]
    valid_region = region_bytes(*REGION)
    hostile += [
        ('nodecl', good[declaration_end:].encode(), 'the XML declaration is missing', {}),
        ('root', b'<?xml version="1.0"?>\n<Skin Name="x"/>\n', 'not "TarnwickSkin"', {}),
        ('doctype', good[:declaration_end].encode() + b'<!DOCTYPE TarnwickSkin>\n' + good[declaration_end:].encode(),
         'document type declaration', {}),
        ('entity', good[:declaration_end].encode() +
         b'<!DOCTYPE TarnwickSkin [<!ENTITY e SYSTEM "file:///etc/passwd">]>\n' +
         good[declaration_end:].replace('Written by hand', '&e;').encode(), 'the file ', {}),
        ('absolute', good.replace('pics\\top.png', 'C:\\windows\\top.png').encode(), 'names a drive', {}),
        ('rooted', good.replace('pics\\top.png', '\\pics\\top.png').encode(), 'not relative', {}),
        ('parent', good.replace('pics\\top.png', '..\\in\\pics\\top.png').encode(), 'leaves the XML file', {}),
        ('missing', good.encode(), 'the file is missing or cannot be opened', {'top.png': None}),
        ('huge', good.encode(), 'larger than 16384 pixels a side', {'top.png': huge}),
        ('wide', good.encode(), 'larger than 16384 pixels a side', {'top.png': wide}),
        ('truncated', good.encode(), 'the image cannot be decoded', {'top.png': png[:len(png) // 2]}),
        ('lying', good.encode(), 'not a region file', {'top.rgn': valid_region[:8] + struct.pack(
            '<I', len(valid_region)) + valid_region[12:]}),
    ]
    for name, text, reason, files in hostile:
        folder = os.path.join(work, 'hostile', name)
        shutil.copytree(os.path.join(work, 'in', 'pics'), os.path.join(folder, 'pics'))
        for file, body in files.items():
            os.remove(os.path.join(folder, 'pics', file))
            if body is not None:
                with open(os.path.join(folder, 'pics', file), 'wb') as f:
                    f.write(body)
        doc = os.path.join(folder, 'bad.xml')
        with open(doc, 'wb') as f:
            f.write(text)
        target = os.path.join(folder, 'target.twf')
        got = run(xmlx, ['import', doc, target, '--into', skin])
        lines = refusal(got.stdout)
        expect(got.returncode == 2 and len(lines) == 1 and (reason is None or reason in lines[0]),
               '%s: exit %d, %r, expected "%s"' % (name, got.returncode, got.stdout, reason))
        expect(not counts(got.stdout), '%s printed counts' % name)
        expect(not os.path.exists(target), '%s wrote its output' % name)
    expect(run(skindump, [skin]).stdout == before, 'a refused import changed the base skin')

    # Command lines and outputs.
    for args in ([], ['export', skin], ['import', source], ['merge', source, skin], ['import', source, skin, '--bogus'],
                 ['export', skin, again, '--into', skin]):
        got = run(xmlx, args)
        expect(got.returncode == 1, 'xmlx %s: exit %d' % (' '.join(args), got.returncode))
    got = run(xmlx, ['export', os.path.join(work, 'none.twf'), again])
    expect(got.returncode == 2 and refusal(got.stdout), 'export of a missing skin: exit %d' % got.returncode)
    got = run(xmlx, ['export', skin, os.path.join(work, 'no', 'such', 'out.xml')])
    expect(got.returncode == 3 and refusal(got.stdout), 'export into a missing folder: exit %d' % got.returncode)
    folder = os.path.join(work, 'a_folder.twf')
    os.makedirs(folder)
    got = run(xmlx, ['import', source, folder])
    expect(got.returncode == 3 and os.path.isdir(folder), 'import over a folder: exit %d' % got.returncode)

    for f in failures:
        print(f)
    print('%d failures' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
