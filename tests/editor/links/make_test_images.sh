#!/usr/bin/env bash
# Draws the images the grid's file road is tested with (ImageMagick and a
# little Python): BMPs of 8, 24 and 32 bits, a top-down BMP, a PNG with
# alpha, a truncated BMP, and a 1,024-byte user-data file.
set -euo pipefail
out=$1
mkdir -p "$out"
convert -seed 3 -size 6x5 plasma:fractal -colors 30 -type palette BMP3:"$out/img8.bmp"
convert -size 6x5 xc:red -fill blue -draw "point 0,0" -type truecolor BMP3:"$out/img24.bmp"
convert -size 6x5 xc:red -fill blue -draw "point 0,0" -alpha set -define bmp:format=bmp4 -type truecolormatte BMP:"$out/img32.bmp"
convert -size 6x5 xc:"rgba(255,0,0,0.5)" -fill blue -draw "point 0,0" PNG32:"$out/alpha.png"
python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]
data = bytearray(open(out + "/img24.bmp", "rb").read())
# The same pixels stored top-down: a negative height and the rows reversed.
offset = struct.unpack_from("<I", data, 10)[0]
width, height = struct.unpack_from("<ii", data, 18)
stride = (width * 3 + 3) & ~3
rows = [bytes(data[offset + r * stride: offset + (r + 1) * stride]) for r in range(height)]
struct.pack_into("<i", data, 22, -height)
data[offset:offset + stride * height] = b"".join(reversed(rows))
open(out + "/topdown.bmp", "wb").write(data)
open(out + "/truncated.bmp", "wb").write(open(out + "/img24.bmp", "rb").read()[:70])
open(out + "/user.dat", "wb").write(bytes(range(256)) * 4)
PY
