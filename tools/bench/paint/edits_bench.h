#pragma once
// Repaint timings of skinned edits and combo boxes against the same windows
// drawn by the system: "ratio skinned-to-system edit X.XX" (a multi-line edit
// of 40 lines with a selection) and "ratio skinned-to-system combo X.XX"
// (combo boxes of the three styles).

namespace hexmoor::bench {

void BenchEditsAndCombos(int iterations);

} // namespace hexmoor::bench
