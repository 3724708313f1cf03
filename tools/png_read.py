"""Reads the PNG files the tools write, for the checks that look at their
pixels (no dependency beyond the standard library)."""
import struct
import zlib


def read_png(data):
    """(width, height, rows of (r, g, b, a)) of an 8-bit, non-interlaced PNG of
    colour type 0, 2, 4 or 6 with any of the five row filters."""
    assert data[:8] == b'\x89PNG\r\n\x1a\n', 'no PNG signature'
    pos, idat, header = 8, b'', None
    while pos < len(data):
        length, kind = struct.unpack_from('>I4s', data, pos)
        body = data[pos + 8:pos + 8 + length]
        assert zlib.crc32(kind + body) == struct.unpack_from('>I', data, pos + 8 + length)[0], 'chunk CRC'
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    width, height, depth, ctype, _, _, interlace = header
    assert depth == 8 and interlace == 0 and ctype in (0, 2, 4, 6), 'PNG form %r' % (header,)
    channels = {0: 1, 2: 3, 4: 2, 6: 4}[ctype]
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        previous = line
        row = []
        for x in range(width):
            px = line[x * channels:(x + 1) * channels]
            if ctype == 0:
                row.append((px[0], px[0], px[0], 255))
            elif ctype == 4:
                row.append((px[0], px[0], px[0], px[1]))
            elif ctype == 2:
                row.append((px[0], px[1], px[2], 255))
            else:
                row.append(tuple(px))
        rows.append(row)
    return width, height, rows
