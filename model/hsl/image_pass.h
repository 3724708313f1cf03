#pragma once

// One colour-adjustment pass over many image entries (a whole skin's, say),
// shared out among the machine's cores in a single step.

#include <span>

#include "model/hsl/hsl_values.h"

class CMrgBitmap;

namespace hsl {

// Where a pass spent its time, in seconds: the pass from start to end, and
// the time the threads spent together on each kind of work in it (setting up
// the images' targets, adjusting rows, putting the results in place).
struct PassTimes {
    double pass = 0.0;
    double setup = 0.0;
    double rows = 0.0;
    double finish = 0.0;
};

// Rebuilds every entry from its saved copy under these values, as each
// entry's own ApplyHSL would (entries without a saved copy are left as they
// are). The entries must be distinct. Large images are cut into bands of rows
// so that the cores stay evenly busy; each image is set up just before its
// first band and finished by the thread that ends its last, so the pass
// wakes the threads once and waits for them once. When a step throws, every
// image already set up is still put back, and the exception then comes out.
// `times`, when given, receives where the pass spent its time.
void AdjustImagesTogether(std::span<CMrgBitmap* const> images, const HSLValues& values, PassTimes* times = nullptr);

} // namespace hsl
