#pragma once
// Repaint timing of toolbars, status bars and headers skinned against the
// same windows drawn by the system ("ratio skinned-to-system bar X.XX").

namespace hexmoor::bench {

// Puts solid images under the toolbar's and status bar's ids, then times a
// dialog holding two toolbars, two status bars and a header.
void BenchBars(int iterations);

} // namespace hexmoor::bench
