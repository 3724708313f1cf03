#!/usr/bin/env bash
# Redraws the images that the resource script includes. The results are kept
# in the repository so that a build never needs ImageMagick; run this after
# changing a drawing. Uses Debian's ImageMagick (/usr/bin/convert).
set -euo pipefail
cd "$(dirname "$0")/.."
CONVERT=/usr/bin/convert
out=resources/images
mkdir -p "$out"

# Application icon: a dark hexagon with a lighter inner hexagon, at the
# sizes Windows asks for.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48; do
  s=$size
  outer=$(python3 -c "import math;s=$s;r=s/2-0.5;print(' '.join(f'{s/2+r*math.cos(math.radians(60*i+30)):.2f},{s/2+r*math.sin(math.radians(60*i+30)):.2f}' for i in range(6)))")
  inner=$(python3 -c "import math;s=$s;r=s/4;print(' '.join(f'{s/2+r*math.cos(math.radians(60*i+30)):.2f},{s/2+r*math.sin(math.radians(60*i+30)):.2f}' for i in range(6)))")
  "$CONVERT" -size ${s}x${s} xc:none \
    -fill '#2E4057' -draw "polygon $outer" \
    -fill '#E0A458' -draw "polygon $inner" \
    "$tmp/icon-$s.png"
done
"$CONVERT" "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" "$out/hexmoor.ico"
echo "drew $out/hexmoor.ico"
