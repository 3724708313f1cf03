#pragma once
// Repaint timings of skinned scroll bars and buttons against the same
// windows drawn by the system, measured in the same run; each prints its
// "ratio skinned-to-system KIND X.XX" line.

#include <windows.h>

namespace hexmoor::bench {

// Times full repaints of two windows made by `make` (at x 0 and 500), the
// second one skinned, and prints "ratio skinned-to-system WHAT X.XX".
void Compare(const char* what, HWND (*make)(int), int iterations);
// Puts solid images under every id the two benchmarks draw.
void AddControlImages();
// A dialog with both window scroll bars and two scroll-bar controls.
void BenchScrollBars(int iterations);
// A dialog of 24 push buttons, check boxes, radios and push-like buttons.
void BenchButtons(int iterations);

} // namespace hexmoor::bench
