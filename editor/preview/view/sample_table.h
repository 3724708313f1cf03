#pragma once
// Which sample the composition view shows for an element type, and the
// fixed orders in which it hides, centres and asks about its samples. Free
// of windows.

#include <array>
#include <string>

namespace hexmoor::preview {

// The thirteen samples, in the order the view creates them (the sample
// frame last).
enum class SampleId : int {
    kListBoxScrollbar,
    kStripMenu, // the menu strip and drop-down menus (types 42, 43)
    kStripTool, // the tool strip and status strip (types 40, 41)
    kListTree,
    kStaticGroupButtonCheckRadio,
    kSpinSliderProgress,
    kEditCombobox,
    kDateTimeMonthCal,
    kDialogPreview,
    kTabs,
    kToolTips,
    kSplitter,
    kMdiFrame,
    kNone,
};
inline constexpr int kSampleCount = 13;

// The sample that shows an element type; kNone for a type without one.
SampleId SampleForType(int type);

// Every sample in the order ShowPreviewForElement hides them (and
// GetActivePreview asks which is visible).
extern const std::array<SampleId, kSampleCount> kHideOrder;
// The order of CenterPreviews.
extern const std::array<SampleId, kSampleCount> kCentreOrder;
// The samples whose skinned scroll bars the scroll-bar refresh redraws, in
// its order.
extern const std::array<SampleId, 6> kScrollBarRefreshOrder;

// The resource a sample is made from, as the preview tool prints it: the
// dialog template's id, or "236:1700" and "236:1701,1702" for the strip
// samples (their template and strip windows).
std::string SampleResourceLabel(SampleId sample);

} // namespace hexmoor::preview
