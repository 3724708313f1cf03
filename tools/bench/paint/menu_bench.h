#pragma once
// Repaints of an open 20-item popup menu whose owner is skinned against the
// same popup of an unskinned owner, timed from a timer inside the menu
// loop; prints "ratio skinned-to-system menu X.XX".

namespace hexmoor::bench {

void BenchMenu(int iterations);

} // namespace hexmoor::bench
