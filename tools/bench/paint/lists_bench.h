#pragma once
// Repaint timing of skinned list-like controls against the system's: a
// dialog holding a list box, a 50-row report view with grid lines and a
// 50-item tree ("ratio skinned-to-system list X.XX").

namespace hexmoor::bench {

// Puts the list elements' images and colours into the main skin, then times.
void BenchLists(int iterations);

} // namespace hexmoor::bench
