#pragma once
// Repaint timing of skinned date controls against the system's: a dialog
// holding a two-month calendar and two date-time pickers ("ratio
// skinned-to-system calendar X.XX").

namespace hexmoor::bench {

// Puts the date elements' images and colours into the main skin, then times.
void BenchDates(int iterations);

} // namespace hexmoor::bench
