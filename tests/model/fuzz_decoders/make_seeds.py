#!/usr/bin/env python3
"""Writes the seed inputs of the decoders fuzzer, built from the published
layouts with struct and zlib: the first byte picks the decoder (0 region
file, 1 packed DIB, 2 image stream), the rest is that decoder's input."""
import struct
import sys
import zlib
from pathlib import Path


def png(width, height, color_type, depth, rows, palette=None, trns=None):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, color_type, 0, 0, 0))
    if palette:
        data += chunk(b"PLTE", palette)
    if trns:
        data += chunk(b"tRNS", trns)
    data += chunk(b"IDAT", zlib.compress(b"".join(rows)))
    return data + chunk(b"IEND", b"")


def packed_dib(width, height, bits, table, pixels, compression=0, used=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels), 0, 0, used, 0) + table + pixels


def region_file(width, height, rects):
    xs = [r[0] for r in rects] or [0]
    ys = [r[1] for r in rects] or [0]
    xe = [r[2] for r in rects] or [0]
    ye = [r[3] for r in rects] or [0]
    header = struct.pack("<IIII4i", 32, 1, len(rects), 16 * len(rects), min(xs), min(ys), max(xe), max(ye))
    body = header + b"".join(struct.pack("<4i", *r) for r in rects)
    return struct.pack("<iiI", width, height, len(body)) + body


def main(out):
    out = Path(out)
    out.mkdir(parents=True, exist_ok=True)
    seeds = {
        "region_two_rects": b"\x00" + region_file(8, 8, [(0, 0, 8, 2), (2, 2, 6, 8)]),
        "region_empty": b"\x00" + region_file(0, 0, []),
        "dib_24": b"\x01" + packed_dib(2, 2, 24, b"", b"\x01\x02\x03\x04\x05\x06\x00\x00" * 2),
        "dib_8_palette": b"\x01" + packed_dib(4, -1, 8, b"\x00\x00\xff\x00\x00\xff\x00\x00", b"\x00\x01\x01\x00", used=2),
        "dib_16_fields": b"\x01" + packed_dib(2, 1, 16, struct.pack("<III", 0xF800, 0x07E0, 0x001F), b"\x00\xf8\x1f\x00", compression=3),
        "png_rgba": b"\x02" + png(2, 2, 6, 8, [b"\x00" + b"\xff\x00\x00\x80" * 2, b"\x02" + b"\x00" * 8]),
        "png_palette_2bit": b"\x02" + png(3, 1, 3, 2, [b"\x00\x1b"], palette=b"\x00\x00\x00\xff\xff\xff\x10\x20\x30\x40\x50\x60", trns=b"\x00\x80"),
        "png_grey_paeth": b"\x02" + png(3, 2, 0, 8, [b"\x01\x10\x20\x30", b"\x04\x01\x02\x03"]),
        "bmp_32": b"\x02" + b"BM" + struct.pack("<IHHI", 14 + 40 + 4, 0, 0, 54) + packed_dib(1, 1, 32, b"", b"\x10\x20\x30\x40"),
    }
    for name, data in seeds.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main(sys.argv[1])
