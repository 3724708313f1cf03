#pragma once
// Repaint timings of skinned statics (group boxes, texts, pictures and
// lines) and range controls (sliders, up-down controls, progress bars)
// against the same windows drawn by the system; each prints its
// "ratio skinned-to-system static|range X.XX" line.

namespace hexmoor::bench {

// Puts colours and solid images under every id the two benchmarks draw.
void AddStaticAndRangeImages();
void BenchStatics(int iterations);
void BenchRanges(int iterations);

} // namespace hexmoor::bench
