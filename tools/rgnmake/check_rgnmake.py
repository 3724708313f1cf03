#!/usr/bin/env python3
"""Checks rgnmake's contract on generated pictures: the printed lines
("rects N", "bound L,T,R,B", "size WxH") equal an independent computation of
the pixel runs (merged into bands the way a window region stores them), the
written file parses with a reader written from the region-file layout and
holds exactly those rectangles (also from the picture's run-length and
OS/2 encodings), --check reads it back with the same lines,
and refused input or an unwritable output gives exit 2 or 3 without
touching an existing file.

    check_rgnmake.py EMULATOR RGNMAKE WORK_DIR
"""
import os
import shutil
import struct
import subprocess
import sys

WHITE = (255, 255, 255)


def packed_rows(pixels, bits=24, top_down=False):
    """Rows of (r, g, b) tuples as 24- or 32-bit BMP rows, each padded to
    four bytes, bottom row first unless top_down."""
    width = len(pixels[0]) if pixels else 0
    stride = (width * bits // 8 + 3) & ~3
    rows = []
    for row in pixels:
        data = bytearray()
        for (r, g, b) in row:
            data += bytes((b, g, r)) if bits == 24 else bytes((b, g, r, 0x80))
        data += b'\0' * (stride - len(data))
        rows.append(bytes(data))
    if not top_down:
        rows.reverse()
    return b''.join(rows)


def bmp_file(info, data):
    """The file header, then the info header (with any colour table) and the
    pixel data."""
    return struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info)) + info + data


def bmp_bytes(width, height, pixels, bits=24, top_down=False):
    """A BMP file of rows of (r, g, b) tuples, top row first."""
    data = packed_rows(pixels, bits, top_down)
    info = struct.pack('<IiiHHIIiiII', 40, width, -height if top_down else height, 1, bits, 0, len(data), 0, 0, 0, 0)
    return bmp_file(info, data)


def encoded_bmp_bytes(width, height, pixels, kind):
    """The same picture in the other encodings a paint program writes:
    'rle8' and 'rle4' (palette, run-length rows bottom-up) and 'os2' (the
    12-byte core header, 24-bit rows)."""
    if kind == 'os2':
        data = packed_rows(pixels)
        info = struct.pack('<IHHHH', 12, width, height, 1, 24)
    else:
        palette = sorted({p for row in pixels for p in row})
        bits, compression = (8, 1) if kind == 'rle8' else (4, 2)
        assert len(palette) <= (1 << bits)
        index = {p: i for i, p in enumerate(palette)}
        data = bytearray()
        for row in reversed(pixels):
            x = 0
            while x < width:
                n = 1
                while x + n < width and n < 255 and row[x + n] == row[x]:
                    n += 1
                c = index[row[x]]
                data += bytes((n, c if bits == 8 else (c << 4) | c))
                x += n
            data += b'\0\0'
        data += b'\0\1'
        data = bytes(data)
        info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, len(data), 0, 0,
                           len(palette), 0) + b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    return bmp_file(info, data)


def matches(pixel, key, mode, rng, upper_left):
    """Whether a pixel matches the key: the band per channel, computed here
    from the description of the region editor, not from the program."""
    for c in range(3):
        k, v = key[c], pixel[c]
        if mode == 'dest' and not upper_left:
            low, high = min(k, rng[c]), max(k, rng[c])
        else:
            t = rng[c] if mode in ('tol', 'dest') else 0
            low, high = max(k - t, 0), min(k + t, 255)
        if not low <= v <= high:
            return False
    return True


def expected_rects(pixels, key=WHITE, mode=None, rng=(0, 0, 0), invert=False, upper_left=False):
    """The region's rectangles: maximal runs per row, then vertically adjacent
    rows with the same runs merged into one band."""
    if upper_left:
        key = pixels[0][0]
    bands = []  # [top, bottom, runs]
    for y, row in enumerate(pixels):
        runs, x = [], 0
        while x < len(row):
            if matches(row[x], key, mode, rng, upper_left) == invert:
                start = x
                while x < len(row) and matches(row[x], key, mode, rng, upper_left) == invert:
                    x += 1
                runs.append((start, x))
            else:
                x += 1
        if not runs:
            continue
        if bands and bands[-1][1] == y and bands[-1][2] == runs:
            bands[-1][1] = y + 1
        else:
            bands.append([y, y + 1, runs])
    return [(l, top, r, bottom) for top, bottom, runs in bands for (l, r) in runs]


def lines_for(rects, width, height):
    if rects:
        bound = (min(r[0] for r in rects), min(r[1] for r in rects),
                 max(r[2] for r in rects), max(r[3] for r in rects))
    else:
        bound = (0, 0, 0, 0)
    return ['rects %d' % len(rects), 'bound %d,%d,%d,%d' % bound, 'size %dx%d' % (width, height)]


def read_region_file(data):
    """The region-file layout: i32 width, i32 height, u32 N, then N bytes of
    RGNDATA (32-byte header: size, type, count, rectangle bytes, bound; then
    16-byte rectangles)."""
    width, height, n = struct.unpack_from('<iiI', data, 0)
    block = data[12:12 + n]
    assert len(block) == n, 'region data cut short'
    size, kind, count, rgn_size = struct.unpack_from('<IIII', block, 0)
    assert size == 32 and kind == 1, 'header size %d type %d' % (size, kind)
    assert rgn_size == 16 * count and len(block) >= 32 + 16 * count, 'rectangle bytes'
    rects = [struct.unpack_from('<iiii', block, 32 + 16 * i) for i in range(count)]
    return width, height, rects


def pictures():
    """(name, width, height, pixels, options, expected-arguments)."""
    out = []
    w, h = 40, 30
    shapes = [[WHITE] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if (x - 12) ** 2 + (y - 12) ** 2 <= 64:
                shapes[y][x] = (200, 0, 0)
            if 22 <= x < 36 and 5 <= y < 25:
                shapes[y][x] = (0, 0, 120)
            if 26 <= x < 30 and 10 <= y < 14:
                shapes[y][x] = WHITE
    out.append(('shapes', w, h, shapes, [], {}))
    out.append(('shapes_invert', w, h, shapes, ['--invert'], {'invert': True}))
    out.append(('shapes_key', w, h, shapes, ['--key', '000078'], {'key': (0, 0, 120)}))
    # Alternating pixels: more than 2000 rectangles.
    w, h = 100, 60
    checker = [[(0, 0, 0) if (x + y) % 2 else WHITE for x in range(w)] for y in range(h)]
    out.append(('checker', w, h, checker, [], {}))
    # Red ramps for the ranges.
    w, h = 256, 4
    ramp = [[(x, 20 * y, 200) for x in range(w)] for y in range(h)]
    out.append(('ramp_tol', w, h, ramp, ['--key', 'FA14C8', '--tol', '10,20,0'],
                {'key': (250, 20, 200), 'mode': 'tol', 'rng': (10, 20, 0)}))
    out.append(('ramp_dest', w, h, ramp, ['--key', '6414C8', '--dest', '3C00C8'],
                {'key': (100, 20, 200), 'mode': 'dest', 'rng': (60, 0, 200)}))
    out.append(('ramp_upper_left', w, h, ramp, ['--upper-left', '--dest', '030000'],
                {'mode': 'dest', 'rng': (3, 0, 0), 'upper_left': True}))
    out.append(('ramp_exact', w, h, ramp, ['--key', '6414C8'], {'key': (100, 20, 200)}))
    blank = [[WHITE] * 9 for _ in range(7)]
    out.append(('blank', 9, 7, blank, [], {}))
    return out


def run(emulator, rgnmake, args):
    # The emulator joins standard error to standard output: the reason for a
    # refusal is found as a line starting "rgnmake:".
    return subprocess.run([emulator, rgnmake] + args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)


def reason(output):
    return any(line.startswith(b'rgnmake: ') for line in output.splitlines())


def printed_lines(output):
    return any(line.startswith(b'rects ') for line in output.splitlines())


def main():
    emulator, rgnmake, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    failures = []

    def expect(cond, what):
        if not cond:
            failures.append(what)

    for name, w, h, pixels, options, kwargs in pictures():
        for bits, top_down in ((24, False), (32, True)):
            tag = '%s_%d%s' % (name, bits, '_td' if top_down else '')
            src = os.path.join(work, tag + '.bmp')
            dst = os.path.join(work, tag + '.rgn')
            with open(src, 'wb') as f:
                f.write(bmp_bytes(w, h, pixels, bits, top_down))
            rects = expected_rects(pixels, **kwargs)
            want = lines_for(rects, w, h)
            got = run(emulator, rgnmake, [src, dst] + options)
            lines = got.stdout.decode('latin-1').splitlines()
            expect(got.returncode == 0 and lines == want,
                   '%s: exit %d, lines %s, expected %s' % (tag, got.returncode, lines, want))
            if got.returncode != 0:
                continue
            with open(dst, 'rb') as f:
                fw, fh, frects = read_region_file(f.read())
            expect((fw, fh) == (w, h), '%s: file size %dx%d' % (tag, fw, fh))
            expect(sorted(frects, key=lambda r: (r[1], r[0])) == rects,
                   '%s: file holds %d rectangles, expected %d' % (tag, len(frects), len(rects)))
            back = run(emulator, rgnmake, ['--check', dst])
            expect(back.returncode == 0 and back.stdout.decode('latin-1').splitlines() == want,
                   '%s: --check exit %d, lines %s' % (tag, back.returncode, back.stdout))
        if name in ('shapes', 'checker'):
            # The encoded twins give the lines of the plain picture.
            for kind in ('rle8', 'rle4', 'os2'):
                src = os.path.join(work, '%s_%s.bmp' % (name, kind))
                with open(src, 'wb') as f:
                    f.write(encoded_bmp_bytes(w, h, pixels, kind))
                got = run(emulator, rgnmake, [src, os.path.join(work, '%s_%s.rgn' % (name, kind))] + options)
                lines = got.stdout.decode('latin-1').splitlines()
                expect(got.returncode == 0 and lines == want,
                       '%s %s: exit %d, lines %s, expected %s' % (name, kind, got.returncode, lines, want))
        if name == 'checker':
            expect(len(rects) > 2000, 'checker has only %d rectangles' % len(rects))

    # Refused input: exit 2 with a reason, an existing output untouched.
    keep = os.path.join(work, 'keep.rgn')
    with open(keep, 'wb') as f:
        f.write(b'precious')
    good = os.path.join(work, 'shapes_24.bmp')

    def write(name, data):
        path = os.path.join(work, name)
        with open(path, 'wb') as f:
            f.write(data)
        return path

    png = write('png.bmp', b'\x89PNG\r\n\x1a\n' + b'\0' * 40)
    huge = write('huge.bmp', bmp_bytes(2, 2, [[WHITE] * 2] * 2)[:18] + struct.pack('<ii', 20000, 10) +
                 b'\0' * 40)
    data = bmp_bytes(40, 30, pictures()[0][3])
    cut = write('cut.bmp', data[:len(data) // 2])
    refused = [
        [os.path.join(work, 'missing.bmp'), keep],
        [png, keep], [huge, keep], [cut, keep],
        [good, keep, '--tol', '1,2'], [good, keep, '--tol', '1,2,300'], [good, keep, '--key', 'GG0000'],
        [good, keep, '--tol', '1,2,3', '--dest', '000000'], [good, keep, '--bogus'], [good], [],
    ]
    for args in refused:
        got = run(emulator, rgnmake, args)
        expect(got.returncode == 2 and reason(got.stdout),
               'rgnmake %s: exit %d, output %r' % (' '.join(args), got.returncode, got.stdout))
        expect(not printed_lines(got.stdout), 'rgnmake %s printed lines' % ' '.join(args))
    with open(keep, 'rb') as f:
        expect(f.read() == b'precious', 'a refused run changed the existing output')

    # Hostile region files for --check.
    valid = open(os.path.join(work, 'shapes_24.rgn'), 'rb').read()
    hostile = {
        'short.rgn': valid[:5],
        'oversize.rgn': struct.pack('<ii', 20000, 5) + valid[8:],
        'negative.rgn': struct.pack('<ii', -1, 5) + valid[8:],
        'lying.rgn': valid[:8] + struct.pack('<I', len(valid)) + valid[12:],
        'count.rgn': valid[:20] + struct.pack('<I', 0x7FFFFFFF) + valid[24:],
        'type.rgn': valid[:16] + struct.pack('<I', 2) + valid[20:],
        'empty.rgn': b'',
    }
    for name, data in hostile.items():
        got = run(emulator, rgnmake, ['--check', write(name, data)])
        expect(got.returncode == 2 and reason(got.stdout) and not printed_lines(got.stdout),
               '--check %s: exit %d, output %r' % (name, got.returncode, got.stdout))

    # Output not written: exit 3, nothing of the target changed.
    folder = os.path.join(work, 'a_folder.rgn')
    os.makedirs(folder)
    got = run(emulator, rgnmake, [good, folder])
    expect(got.returncode == 3 and os.path.isdir(folder) and reason(got.stdout),
           'output over a folder: exit %d' % got.returncode)
    got = run(emulator, rgnmake, [good, os.path.join(work, 'no', 'such', 'dir.rgn')])
    expect(got.returncode == 3, 'output in a missing folder: exit %d' % got.returncode)

    for f in failures:
        print(f)
    print('%d failures' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
