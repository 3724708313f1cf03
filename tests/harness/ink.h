#pragma once
// Where something was drawn over a plain fill: the bounding box of the
// pixels of an area that are none of its background colours. Tests and
// benchmarks use it to see that a line's texts were painted, and where,
// without comparing text pixels (fonts differ between systems).

#include <initializer_list>

#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

// The box of the "ink" inside area (clipped to the buffer); an empty box
// (Width() <= 0) when every pixel there is one of the background colours.
PixelRect InkBounds(const PixelBuffer& buffer, const PixelRect& area, std::initializer_list<Colour> background);

} // namespace hexmoor::test
