#pragma once
// The ten sample dialogs of the composition view: their traits, and the
// few that need more than a fill plan (the list sample with its check list
// and size grip, the list and tree sample, the tabs, the running progress
// bars, the tooltips and the splitter).

#include <memory>

#include "editor/preview/samples/sample_dialog.h"

namespace hexmoor::preview {

// The traits of a sample (kNone for the strip samples and the frame).
SampleTraits TraitsOf(SampleId sample);

// A new sample dialog object for one of the ten dialog samples; null for
// the strip samples, the frame and kNone.
std::unique_ptr<CSampleDialog> MakeSampleDialog(SampleId sample);

// The range sample's bars cycle through this process-wide counter.
int ProgressCounter();

} // namespace hexmoor::preview
