#!/usr/bin/env python3
"""Writes a skin file of real-looking art for hsl_bench.

    make_art_skin.py OUT.twf [SEED]

The skin's structure (elements, frame sides, menu bar, colours, numbers)
comes from the model tests' fixture generator; every image in it is replaced
by art in the sizes of skin images: colour changing along every row, vertical
shading, an anti-aliased rounded edge, a soft highlight band and mild noise,
as BMP (24 and 32 bits) and PNG (with and without alpha).
"""

import math
import os
import random
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                '..', '..', '..', 'tests', 'model', 'fixtures'))
import generate_skins as gs  # noqa: E402

SIZES = [(800, 32), (160, 30), (8, 600), (400, 24), (120, 32), (16, 16),
         (17, 120), (100, 28), (140, 24), (200, 20), (300, 40), (120, 160)]


def art(rng, w, h):
    """Rows of (r, g, b, a) tuples."""
    left = [rng.randrange(256) for _ in range(3)]
    right = [rng.randrange(256) for _ in range(3)]
    border = [c // 2 for c in left]
    radius = min(4.0, w / 2.0, h / 2.0)
    rows = []
    for y in range(h):
        ty = y / (h - 1) if h > 1 else 0.0
        row = []
        for x in range(w):
            tx = x / (w - 1) if w > 1 else 0.0
            c = [l + (r - l) * tx for l, r in zip(left, right)]
            c = [v + (255 - v) * 0.15 * (1 - ty) for v in c]
            cx = min(max(x + .5, radius), w - radius)
            cy = min(max(y + .5, radius), h - radius)
            inside = radius - math.hypot(x + .5 - cx, y + .5 - cy)
            edge = min(inside, x + .5, y + .5, w - x - .5, h - y - .5)
            if edge < 1.5:
                t = min(max(1.5 - edge, 0.0), 1.0)
                c = [v + (b - v) * t for v, b in zip(c, border)]
            band = abs((x + 2 * y) % 48 - 24)
            if band < 3:
                c = [v + (255 - v) * .25 * (1 - band / 3) for v in c]
            n = rng.randrange(-4, 4)
            c = [min(max(int(v) + n, 0), 255) for v in c]
            a = int(min(max(inside + .5, 0.0), 1.0) * 255)
            row.append((c[0], c[1], c[2], a))
        rows.append(row)
    return rows


def png_rgba(rows):
    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px)
    ihdr = struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + gs.png_chunk(b'IHDR', ihdr) +
            gs.png_chunk(b'IDAT', zlib.compress(bytes(raw), 6)) +
            gs.png_chunk(b'IEND', b''))


def art_image(rng, old):
    w, h = rng.choice(SIZES)
    rows = art(rng, w, h)
    rgb = [[px[:3] for px in row] for row in rows]
    form = rng.choice(['bmp24', 'bmp32', 'png', 'pnga'])
    data = {'bmp24': lambda: gs.bmp_file(rgb, 24),
            'bmp32': lambda: gs.bmp_file(rgb, 32),
            'png': lambda: gs.png_file(rgb),
            'pnga': lambda: png_rgba(rows)}[form]()
    return gs.Image(data, (4, 4, 4, 4, 0, 0), pixels=rgb)


def replace_images(rng, el):
    if el is None:
        return
    el.images = [(pid, img if img.value is not None else art_image(rng, img))
                 for pid, img in el.images]
    for side in el.sides or []:
        replace_images(rng, side)
    replace_images(rng, el.menubar)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 64
    seed = int(sys.argv[2]) if len(sys.argv) == 3 else 1
    rng = random.Random(seed)
    skin = gs.build_skin(768, False, seed)
    for _name, _wide, elements in skin.schemes:
        for el in elements:
            # A few states of each element, as real skins have.
            for extra in range(rng.randrange(1, 4)):
                el.images.append((4000 + extra, gs.make_image(rng, 'png')))
            replace_images(rng, el)
    out, index = gs.write_skin(skin, 768)
    with open(sys.argv[1], 'wb') as f:
        f.write(bytes(out.buf) + index)
    return 0


if __name__ == '__main__':
    sys.exit(main())
