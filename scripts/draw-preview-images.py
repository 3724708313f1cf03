#!/usr/bin/env python3
"""Draws the live preview's images pixel by pixel (standard library only):
the sample frame's toolbar strip (16 colours), the samples' colour, tree and
tab image strips (24 bits, each on its mask colour) and the fallback
pictures of the .NET strips (32-bit RGBA PNG), plain strips whose item areas
lie at the rectangles of the strip samples' item tables."""
import struct
import sys
import zlib

out = sys.argv[1] if len(sys.argv) > 1 else "resources/images"


def bmp24(path, w, h, pixel):
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + data)
    print("drew", path)


def bmp4(path, w, h, palette, index):
    row = ((w + 1) // 2 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(0, w, 2):
            hi = index(x, y)
            lo = index(x + 1, y) if x + 1 < w else 0
            line.append((hi << 4) | lo)
        data += line + bytes(row - len(line))
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 54 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    open(path, "wb").write(header + info + pal + data)
    print("drew", path)


def png(path, w, h, pixel):
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw += bytes(pixel(x, y))
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(data)
    print("drew", path)


# The sample frame's toolbar: six 16 x 15 glyphs (new, open, save, ?, paste,
# copy) in the 16 standard colours on light grey.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
           (0, 255, 255), (255, 255, 255)]


def toolbar_index(x, y):
    glyph, gx = divmod(x, 16)
    inside = 2 <= gx <= 13 and 1 <= y <= 13
    if not inside:
        return 7
    edge = gx in (2, 13) or y in (1, 13)
    colours = [15, 11, 4, 12, 3, 6]
    return 0 if edge else colours[glyph]


bmp4(f"{out}/sample_frame_toolbar.bmp", 96, 15, PALETTE, toolbar_index)

# Six colour squares for the lists (image i goes with colour name i:
# yellow, red, green, magenta, cyan, blue), on the mask 0xC0C0C0.
COLOURS = [(255, 220, 0), (220, 30, 30), (30, 170, 60), (200, 40, 200), (40, 200, 210), (40, 70, 220)]


def squares(darker):
    def pixel(x, y):
        i, gx = divmod(x, 16)
        if 2 <= gx <= 13 and 2 <= y <= 13:
            r, g, b = COLOURS[i]
            return (r // 2, g // 2, b // 2) if darker else (r, g, b)
        return (192, 192, 192)
    return pixel


bmp24(f"{out}/sample_colours.bmp", 96, 16, squares(False))
bmp24(f"{out}/sample_colours_2.bmp", 96, 16, squares(True))


# Tree images: a closed folder, an open folder, a leaf; on white.
def tree_pixel(x, y):
    i, gx = divmod(x, 16)
    if i < 2:
        top = 4 if i == 0 else 6
        if 1 <= gx <= 14 and top <= y <= 13:
            return (230, 180, 60) if i == 0 else (250, 215, 110)
        if 1 <= gx <= 6 and 2 <= y < top:
            return (200, 150, 40)
    elif 4 <= gx <= 11 and 2 <= y <= 13:
        return (90, 130, 200) if gx in (4, 11) or y in (2, 13) else (235, 240, 250)
    return (255, 255, 255)


bmp24(f"{out}/sample_tree.bmp", 48, 16, tree_pixel)


# Tab images: four 14 x 14 discs on the mask RGB(212, 208, 200).
def tab_pixel(x, y):
    i, gx = divmod(x, 14)
    if (gx - 6.5) ** 2 + (y - 6.5) ** 2 <= 30:
        return COLOURS[i]
    return (212, 208, 200)


bmp24(f"{out}/sample_tabs.bmp", 56, 14, tab_pixel)

# The strips' fallback pictures: the face of a standard strip, with the
# item areas framed at the item tables' rectangles (in picture coordinates).
FACE, LINE, BUTTON = (240, 240, 240, 255), (160, 160, 160, 255), (225, 225, 225, 255)


def strip_picture(path, w, h, rects, ground=FACE):
    def pixel(x, y):
        for (l, t, r, b) in rects:
            if l <= x < r and t <= y < b:
                return LINE if x in (l, r - 1) or y in (t, b - 1) else BUTTON
        return ground
    png(f"{out}/{path}", w, h, pixel)


tool = []
for row in range(2):
    y0 = 25 * row
    for l, r in ((7, 54), (60, 138), (138, 150), (150, 228), (228, 240), (240, 346), (346, 357), (357, 463), (463, 474)):
        tool.append((l, y0 + 1, r, y0 + 23))
for row in range(2, 4):
    y0 = 25 * row
    for l, r in ((7, 65), (65, 123), (123, 210), (210, 297), (297, 381), (381, 465)):
        tool.append((l, y0 + 1, r, y0 + 23))
for row in range(4):
    tool.append((567 - 16, 25 * row, 567, 25 * row + 25))
tool.append((567 - 84, 102, 566, 119))
strip_picture("strip_tool.png", 567, 123, tool)

status = []
for row in range(2):
    y0 = 22 * row
    status.append((1, y0 + 3, 48, y0 + 20))
    for l, r in ((48, 126), (126, 138), (138, 216), (216, 228), (228, 334), (334, 345), (345, 451), (451, 462)):
        status.append((l, y0 + 2, r, y0 + 22))
status.append((567 - 14, 22, 567, 44))
strip_picture("strip_status.png", 567, 44, status)

# The bar at (2, 0) of its window: its items less two pixels.
strip_picture("strip_menu_bar.png", 596, 28, [(l - 2, 2, r - 2, 26) for l, r in ((10, 47), (47, 143), (143, 188), (188, 229))])

# The menus at (10, 25) of their window: the three menus and their rows.
menus = [(0, 0, 161, 142), (160, 2, 342, 62), (341, 4, 512, 184)]
rows = [(0, 2, 161, 24), (23, 24, 161, 46), (23, 68, 161, 90), (23, 118, 161, 140), (160, 4, 342, 26)]
rows += [(341, 6 + 22 * i, 512, 28 + 22 * i) for i in range(8)]
strip_picture("strip_menus.png", 512, 184, rows + menus, ground=(255, 255, 255, 0))
