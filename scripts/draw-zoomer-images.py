#!/usr/bin/env python3
"""Draws the Zoomer pane's images: the mode strip (follow, pick) and the
factor strip (2x, 4x, 8x), 20 x 20 glyphs on light grey (192, 192, 192),
the 32 x 32 magnifier cursor and the colour picker cursor. Plain pixel drawing, no ImageMagick."""
import struct
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else "resources/images"
GREY = (192, 192, 192)
INK = (0x2C, 0x3E, 0x50)
ACCENT = (0x24, 0x71, 0xA3)


def canvas(w, h):
    return [[GREY] * w for _ in range(h)]


def write_bmp(path, px):
    h, w = len(px), len(px[0])
    stride = (w * 3 + 3) & ~3
    rows = []
    for row in reversed(px):
        line = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        rows.append(line + b"\0" * (stride - w * 3))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def rect(px, x0, y0, x1, y1, c):
    for y in range(y0, y1):
        for x in range(x0, x1):
            px[y][x] = c


def circle(px, cx, cy, r, c, ox=0):
    for y in range(len(px)):
        for x in range(ox, ox + 20):
            d = ((x - ox - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if r - 1.2 <= d <= r + 0.2:
                px[y][x] = c


# Digits 2, 4, 8 in a 3 x 5 font, doubled.
DIGITS = {
    "2": ["111", "001", "111", "100", "111"],
    "4": ["101", "101", "111", "001", "001"],
    "8": ["111", "101", "111", "101", "111"],
    "x": ["000", "101", "010", "101", "000"],
}


def text(px, s, ox, oy, c):
    for i, ch in enumerate(s):
        for r, bits in enumerate(DIGITS[ch]):
            for k, bit in enumerate(bits):
                if bit == "1":
                    rect(px, ox + i * 8 + k * 2, oy + r * 2, ox + i * 8 + k * 2 + 2, oy + r * 2 + 2, c)


mode = canvas(40, 20)
# Follow: an arrow pointing up-left.
for i in range(12):
    rect(mode, 4, 4 + i, 4 + max(1, 12 - i), 5 + i, INK) if i < 9 else None
for i in range(8):
    rect(mode, 8 + i, 8 + i, 11 + i, 10 + i, INK)
# Pick: a crosshair in a square.
rect(mode, 20 + 3, 3, 20 + 17, 4, ACCENT)
rect(mode, 20 + 3, 16, 20 + 17, 17, ACCENT)
rect(mode, 20 + 3, 3, 20 + 4, 17, ACCENT)
rect(mode, 20 + 16, 3, 20 + 17, 17, ACCENT)
rect(mode, 20 + 9, 6, 20 + 11, 14, INK)
rect(mode, 20 + 6, 9, 20 + 14, 11, INK)
write_bmp(f"{OUT}/zoomer_mode.bmp", mode)

factor = canvas(60, 20)
for i, d in enumerate("248"):
    text(factor, d + "x", i * 20 + 3, 5, INK if d != "8" else ACCENT)
write_bmp(f"{OUT}/zoomer_factor.bmp", factor)

# Magnifier cursor: a lens and a handle, hot spot at the lens centre.
W = 32
mask_and = [[1] * W for _ in range(W)]  # 1: transparent
xor = [[0] * W for _ in range(W)]
for y in range(W):
    for x in range(W):
        d = ((x - 12) ** 2 + (y - 12) ** 2) ** 0.5
        if 8 <= d <= 10.5:
            mask_and[y][x] = 0
            xor[y][x] = 0  # black ring
        elif 7 <= d < 8 or 10.5 < d <= 11.5:
            mask_and[y][x] = 0
            xor[y][x] = 1  # white outline
for i in range(10):
    for t in range(-2, 3):
        x, y = 19 + i + t, 19 + i - t
        if 0 <= x < W and 0 <= y < W:
            mask_and[y][x] = 0
            xor[y][x] = 0 if abs(t) < 2 else 1


def mono_rows(bits):
    out = b""
    for row in reversed(bits):
        v = 0
        for b in row:
            v = (v << 1) | b
        out += v.to_bytes(4, "big")
    return out


def write_cursor(path, mask_and, xor, hot_x, hot_y):
    """A 32 x 32 monochrome cursor file: black where xor is 0 and white where
    it is 1 inside the mask, transparent outside it."""
    image = struct.pack("<IiiHHIIiiII", 40, W, W * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    image += bytes((0, 0, 0, 0, 255, 255, 255, 0)) + mono_rows(xor) + mono_rows(mask_and)
    header = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", W, W, 0, 0, hot_x, hot_y, len(image), 22)
    with open(path, "wb") as f:
        f.write(header + image)


write_cursor(f"{OUT}/magnifier.cur", mask_and, xor, 12, 12)

# Colour picker cursor: a pipette from the top right down to its tip at the
# bottom left, black with a white outline; the hot spot is the tip.
mask_and = [[1] * W for _ in range(W)]
xor = [[0] * W for _ in range(W)]


def distance_to_pipette(x, y):
    # Distance from the pixel centre to the pipette's axis, from the tip (1, 30)
    # to the top (24, 7), and how far along the axis (0 at the tip, 1 at the top).
    ax, ay, bx, by = 1.0, 30.0, 24.0, 7.0
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return ((x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2) ** 0.5, t


for y in range(W):
    for x in range(W):
        d, t = distance_to_pipette(x, y)
        radius = 1.0 if t < 0.65 else 2.5  # thin tube, then the wider bulb
        if d <= radius:
            mask_and[y][x], xor[y][x] = 0, 0
        elif d <= radius + 1.0:
            mask_and[y][x], xor[y][x] = 0, 1
write_cursor(f"{OUT}/picker.cur", mask_and, xor, 1, 30)
print("drew zoomer_mode.bmp zoomer_factor.bmp magnifier.cur picker.cur")
