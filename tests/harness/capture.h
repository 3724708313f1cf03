#pragma once
// Reads back what a window shows into a PixelBuffer through a 32-bit DIB
// section, the way pixel tests compare exact colours.

#include <windows.h>

#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

// The client area, read through GetDC + BitBlt.
PixelBuffer CaptureClient(HWND hwnd);

// The whole window, non-client area included, through GetWindowDC (needs the
// test prefix's undecorated windows so that Wine draws the frame itself).
PixelBuffer CaptureWindow(HWND hwnd);

// Whatever a DC holds in the given rectangle (for memory DCs).
PixelBuffer CaptureDC(HDC dc, int x, int y, int width, int height);

} // namespace hexmoor::test
