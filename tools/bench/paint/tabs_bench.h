#pragma once
// Repaint timing of skinned tab controls against the same windows drawn by
// the system: "ratio skinned-to-system tab X.XX".

namespace hexmoor::bench {

// Puts solid images and colours under every id the tab benchmark draws.
void AddTabImages();
// A dialog of four tab controls (two vertical) of five tabs each.
void BenchTabs(int iterations);

} // namespace hexmoor::bench
