#pragma once
// Helpers of the pixel tests that give every skin id its own colour: the
// colour of an id, settling the queue and checking one pixel against an
// id's colour (counting foreign pixels comes from the harness).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>

#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/test_window.h"

namespace hexmoor::test {

// Every image and colour id gets its own colour.
inline COLORREF ImageColour(int id) { return RGB(id & 0xFF, 60 + 50 * (id >> 8), 211); }

// Runs the queue a few times with short pauses (posted resyncs and timers).
inline void Settle(HWND = nullptr) {
    for (int i = 0; i < 3; ++i) {
        PumpMessages();
        Sleep(10);
    }
    PumpMessages();
}

inline ::testing::AssertionResult PixelIs(const PixelBuffer& pixels, int x, int y, int id) {
    const COLORREF expected = ImageColour(id) & 0xFFFFFF;
    const COLORREF found = pixels.At(x, y) & 0xFFFFFF;
    if (found == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << x << "," << y << " expected id " << id << " "
                                         << ColourText(expected) << ", found " << ColourText(found);
}

} // namespace hexmoor::test
