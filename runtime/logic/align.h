#pragma once
// Placing rectangles in boxes: the 3 x 3 alignment code of button and
// static contents, centring a size in a rectangle, and the small geometry
// helpers that caption buttons and frames share.

#include <utility>

#include "base/geometry.h"

namespace hexmoor::rt {

// Alignment code: one bit of a 3 x 3 grid; columns left 0x1, centre 0x2,
// right 0x4, rows shifted by 0 (top), 4 (middle) and 8 (bottom).
namespace align {
constexpr unsigned kTopRow = 0x007;
constexpr unsigned kBottomRow = 0x700;
constexpr unsigned kLeftColumn = 0x111;
constexpr unsigned kRightColumn = 0x444;
} // namespace align

// Moves `r` (keeping its size) into `box` by the code; the middle row and
// centre column split the spare room by signed division toward zero.
Rect AlignRectInBox(const Rect& box, const Rect& r, unsigned code);

// Content layout record: codes and sizes of a first and a second rectangle
// (image and text of a button, say). `unused` keeps the record's layout.
struct ContentLayout {
    unsigned firstCode = 0;
    unsigned secondCode = 0;
    int unused = 0;
    int secondWidth = 0;
    int secondHeight = 0;
    int firstWidth = 0;
    int firstHeight = 0;
};

// Both rectangles made at 0,0 with their sizes, the second aligned first;
// they may overlap. Returns {first, second}.
std::pair<Rect, Rect> AlignTwoRectsInBox(const Rect& box, const ContentLayout& layout);

// A cx by cy size centred in `r`: the spare room is halved by integer
// division and taken off both sides, so an odd remainder leaves the result
// one pixel larger than asked.
Rect CenterSizeInRect(const Rect& r, int cx, int cy);

// (x - x0) / (x1 - x0) * (y1 - y0) + y0, rounded by adding 0.5 and truncating.
int MapLinear(int x0, int y0, int x1, int y1, double x);

Point GetRectCenter(const Rect& r);

// Which corner of `r` the point lies toward: HTTOPLEFT 13, HTTOPRIGHT 14,
// HTBOTTOMLEFT 16, HTBOTTOMRIGHT 17, or HTERROR (-2) on a centre line.
int GetCornerHitCode(const Rect& r, int x, int y);

} // namespace hexmoor::rt
