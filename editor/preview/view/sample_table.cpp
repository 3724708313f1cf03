#include "editor/preview/view/sample_table.h"

#include "model/element_types.h"

namespace hexmoor::preview {

SampleId SampleForType(int type) {
    switch (type) {
    case kElemWndFrame:
    case kElemToolBar:
    case kElemStatusBar:
    case kElemMenu:
    case kElemMinimizedFrame: return SampleId::kMdiFrame;
    case kElemEdit:
    case kElemComboBox: return SampleId::kEditCombobox;
    case kElemButton:
    case kElemCheckBox:
    case kElemRadioBox:
    case kElemGroupBox:
    case kElemStaticText:
    case kElemCheckButton: return SampleId::kStaticGroupButtonCheckRadio;
    case kElemScrollbars:
    case kElemListBox:
    case kElemGrip: return SampleId::kListBoxScrollbar;
    case kElemSlider:
    case kElemSpinCtrl:
    case kElemProgressBar: return SampleId::kSpinSliderProgress;
    case kElemTabCtrl: return SampleId::kTabs;
    case kElemListView:
    case kElemTreeCtrl:
    case kElemHeaderCtrl: return SampleId::kListTree;
    case kElemDateTime:
    case kElemMonthCal: return SampleId::kDateTimeMonthCal;
    case kElemDialogFrame: return SampleId::kDialogPreview;
    case kElemToolTip: return SampleId::kToolTips;
    case kElemSplitter: return SampleId::kSplitter;
    case kElemToolStrip:
    case kElemStatusStrip: return SampleId::kStripTool;
    case kElemDropDownMenu:
    case kElemMenuStrip: return SampleId::kStripMenu;
    default: return SampleId::kNone;
    }
}

const std::array<SampleId, kSampleCount> kHideOrder = {
    SampleId::kDialogPreview,      SampleId::kEditCombobox,
    SampleId::kMdiFrame,           SampleId::kListBoxScrollbar,
    SampleId::kListTree,           SampleId::kStaticGroupButtonCheckRadio,
    SampleId::kSpinSliderProgress, SampleId::kTabs,
    SampleId::kToolTips,           SampleId::kSplitter,
    SampleId::kDateTimeMonthCal,   SampleId::kStripMenu,
    SampleId::kStripTool,
};

const std::array<SampleId, kSampleCount> kCentreOrder = {
    SampleId::kListBoxScrollbar,   SampleId::kListTree,     SampleId::kStaticGroupButtonCheckRadio,
    SampleId::kSpinSliderProgress, SampleId::kEditCombobox, SampleId::kDateTimeMonthCal,
    SampleId::kDialogPreview,      SampleId::kTabs,         SampleId::kToolTips,
    SampleId::kSplitter,           SampleId::kMdiFrame,     SampleId::kStripMenu,
    SampleId::kStripTool,
};

const std::array<SampleId, 6> kScrollBarRefreshOrder = {
    SampleId::kListBoxScrollbar, SampleId::kDialogPreview, SampleId::kSplitter,
    SampleId::kListTree,         SampleId::kToolTips,      SampleId::kEditCombobox,
};

std::string SampleResourceLabel(SampleId sample) {
    switch (sample) {
    case SampleId::kListBoxScrollbar: return "109";
    case SampleId::kStripMenu: return "236:1700";
    case SampleId::kStripTool: return "236:1701,1702";
    case SampleId::kListTree: return "111";
    case SampleId::kStaticGroupButtonCheckRadio: return "112";
    case SampleId::kSpinSliderProgress: return "114";
    case SampleId::kEditCombobox: return "110";
    case SampleId::kDateTimeMonthCal: return "207";
    case SampleId::kDialogPreview: return "101";
    case SampleId::kTabs: return "151";
    case SampleId::kToolTips: return "196";
    case SampleId::kSplitter: return "203";
    case SampleId::kMdiFrame: return "129";
    case SampleId::kNone: break;
    }
    return "none";
}

} // namespace hexmoor::preview
