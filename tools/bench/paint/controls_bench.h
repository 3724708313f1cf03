#pragma once
// Repaint timings of skinned scroll bars and buttons against the same
// windows drawn by the system, measured in the same run; each prints its
// "ratio skinned-to-system KIND X.XX" line.

#include <windows.h>

namespace hexmoor::bench {

// Microseconds per full repaint of the window, frame and children included;
// with `childrenOnly` the children are repainted one by one and the
// window's own background is left out.
double TimeRepaints(HWND hwnd, int iterations, bool childrenOnly = false);
// A 480 x 360 dialog at (x, 0) and a child window of it.
HWND CreateHost(int x, DWORD style);
HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h);
// Times full repaints of two windows made alike (the second one skinned)
// and prints "ratio skinned-to-system WHAT X.XX"; with `childrenOnly` only
// the children are repainted, so the dialog's own background stays out of
// the figure.
void CompareRepaints(const char* what, HWND (*make)(int), int iterations, bool childrenOnly = false);

// Puts solid images under every id the two benchmarks draw.
void AddControlImages();
// A dialog with both window scroll bars and two scroll-bar controls.
void BenchScrollBars(int iterations);
// A dialog of 24 push buttons, check boxes, radios and push-like buttons.
void BenchButtons(int iterations);

} // namespace hexmoor::bench
