#!/usr/bin/env python3
"""Known answers for the colour adjustment tests, computed independently.

The colour conversion is Python's own colorsys (hue, lightness, saturation in
0..1); on top of it this script applies the adjustment rules that the model
implements:

  * hue: degrees added to the colour's hue;
  * saturation: percent change, the colour's saturation is multiplied by
    (100 + saturation) / 100 (values above 1 are kept);
  * lightness: 2.55 per unit added to each channel after converting back;
  * each channel is then held in 0..255 (255 or more -> 255, 0 or less -> 0)
    and truncated toward zero, where a value less than 1e-7 below a whole
    number counts as that number: the conversions leave noise of about 1e-13,
    often just below a whole number (a grey of 60 comes back as
    59.99999999999999 and lightness +100 adds 254.99999999999997), and
    truncating the noise would change greys under a hue shift and stop +100
    short of white;
  * alpha: alpha * opacity / 100, held in 0..255 and truncated the same way.

With hue, saturation and lightness all 0 the colour channels are kept as
they are (the round trip through HSL would otherwise lower some channels by
one unit), and with opacity 100 the alpha is kept: neutral values
(0, 0, 0, 100) are an exact identity. "Invert Color" (0xFFFFFFFF) is never
changed; that rule is tested separately.

A case whose channel lands between 1e-9 and 1e-5 below a whole number is
refused: there the result would depend on the noise of this computation
rather than on the rules.

Run:  python3 tests/model/hsl/known_answers.py
It prints the rows of the table in hsl_known_answers_test.cpp.
"""
import colorsys
import math
import sys

# (r, g, b, alpha), (hue, saturation, lightness, opacity)
CASES = [
    ((255, 0, 0, 255), (120, 0, 0, 100)),      # pure red -> pure green
    ((255, 0, 0, 255), (-120, 0, 0, 100)),     # pure red -> pure blue
    ((255, 0, 0, 255), (0, -100, 0, 100)),     # all colour removed
    ((255, 0, 0, 255), (0, 0, 50, 100)),       # lighter
    ((255, 0, 0, 255), (0, 0, -100, 100)),     # black
    ((255, 0, 0, 255), (0, 0, 100, 100)),      # white
    ((255, 0, 0, 255), (0, 0, 0, 50)),         # half opacity
    ((255, 0, 0, 0), (0, 0, 0, 50)),           # transparent stays transparent
    ((255, 0, 0, 1), (0, 0, 0, 50)),           # 0.5 truncates to 0
    ((37, 200, 91, 200), (0, 0, 0, 33.3)),     # 66.6 -> 66
    ((37, 200, 91, 255), (0, 0, 0, 0)),        # fully transparent
    ((128, 128, 128, 255), (90, 50, 0, 100)),  # grey ignores hue and saturation
    ((128, 128, 128, 255), (0, 0, 10, 100)),   # grey still shifts by 2.55 per unit
    ((200, 100, 50, 255), (-60, 30, -20, 100)),
    ((12, 34, 56, 255), (180, -50, 10, 100)),
    ((0, 100, 255, 255), (-175, 0, 0, 100)),
    ((250, 200, 7, 255), (40, 100, 0, 100)),   # oversaturation clamps
    ((191, 128, 64, 128), (30, 100, 5, 75)),   # half-saturated colour doubled
    ((10, 250, 10, 255), (300, -25, -7, 90)),
    ((240, 16, 160, 255), (-170, 20, 3, 100)),
    ((1, 2, 3, 255), (17, 0, 0, 100)),         # nearly black
    ((254, 253, 252, 255), (200, 60, 0, 100)), # nearly white
    ((77, 77, 200, 64), (359, -99, 1, 100)),
    ((255, 255, 0, 255), (60, 0, 0, 100)),     # tie of red and green as maximum
    ((0, 250, 251, 255), (-30, 10, -10, 100)), # tie of green and blue
    ((255, 0, 255, 255), (180, 0, 0, 100)),    # tie of red and blue
    ((90, 61, 30, 255), (545, 0, 3, 100)),     # more than a full turn
    ((90, 60, 30, 255), (540, 0, 0, 100)),     # channels land on whole numbers
    ((0, 128, 255, 255), (-180, 0, 0, 100)),
    ((255, 200, 0, 255), (45, 100, 0, 100)),
    ((0, 255, 255, 255), (-30, 10, -10, 100)),
    ((37, 200, 91, 200), (0, 0, 0, 50)),
    ((60, 60, 60, 255), (123, 80, 0, 100)),    # grey under hue and saturation
    ((0, 0, 7, 255), (37, 25, 100, 100)),      # +100 is white
    ((14, 0, 0, 255), (360, 0, 0, 100)),       # a whole turn keeps the colour
]


def channel(value):
    """Holds a channel in 0..255 and truncates it; refuses ambiguous values."""
    if not value > 0:
        return 0
    below = math.ceil(value) - value
    if 1e-9 < below < 1e-5:
        raise ValueError("channel %r is too close to the noise tolerance" % value)
    value += 1e-7
    if value >= 255:
        return 255
    return int(value)


def adjust(r, g, b, a, hue, sat, light, opacity):
    alpha = channel(a * opacity / 100.0)
    if (hue, sat, light) == (0, 0, 0):
        return [r, g, b, alpha]
    h, l, s = colorsys.rgb_to_hls(r / 255.0, g / 255.0, b / 255.0)
    h = h + hue / 360.0
    s = s * (100.0 + sat) / 100.0
    rf, gf, bf = colorsys.hls_to_rgb(h, l, s)
    return [channel(c * 255.0 + light * 2.55) for c in (rf, gf, bf)] + [alpha]


def main():
    refused = 0
    for (r, g, b, a), (hue, sat, light, opacity) in CASES:
        try:
            nr, ng, nb, na = adjust(r, g, b, a, hue, sat, light, opacity)
        except ValueError as error:
            print("refused %r %r: %s" % ((r, g, b, a), (hue, sat, light, opacity), error),
                  file=sys.stderr)
            refused += 1
            continue
        print("    {{%3d, %3d, %3d, %3d}, {%g, %g, %g, %g}, {%3d, %3d, %3d, %3d}},"
              % (r, g, b, a, hue, sat, light, opacity, nr, ng, nb, na))
    return 0


if __name__ == "__main__":
    sys.exit(main())
