#pragma once
// The mouse pointer lives on the display, not in the test process: a test
// that moves it leaves it wherever it stopped for the next test on the same
// display, and a pointer resting over a dropped list or a hot part changes
// what that test sees. Every window test therefore starts with the pointer
// parked in the screen's bottom-right corner, away from every test window.

#include <windows.h>

namespace hexmoor::test {

// Where the pointer rests at the start of each window test.
POINT ParkedPointerSpot();

// Moves the pointer to ParkedPointerSpot(); false when it did not get there.
bool ParkPointer();

} // namespace hexmoor::test
