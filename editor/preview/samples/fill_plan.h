#pragma once
// What each sample puts into its controls at its first showing, as data:
// list and combo items, checks, texts, ranges and positions, tabs. One
// applier turns a plan into window messages. Free of windows.

#include <vector>

#include "editor/preview/view/sample_table.h"

namespace hexmoor::preview {

enum class FillOp {
    kListItems,      // id gets `count` list items ("Listbox Item - i"), then selection 0
    kComboItems,     // id gets `count` combo items ("Combobox Item - i"), then selection 0
    kCheckListItems, // the check list gets `count` list items, then selection 0
    kCheck,          // id is checked
    kText,           // id gets the edit sample text
    kProgress,       // id: range 0-100, position `value`
    kSlider,         // id: range 0-100 (no redraw), position `value`
    kScrollBar,      // id: range 0-100, position `value`, then `size` pixels thick
    kWiden,          // id's right edge moves `value` pixels right
    kDisableChecks,  // the check list's items 0 to count-1 cannot be checked
    kTabs,           // id gets `count` tabs (image i mod 4), item size `size` when not 0
    kDisable,        // id is disabled
};

struct FillStep {
    FillOp op;
    int id = 0;
    int count = 0;
    int value = 0;
    int size = 0;
};

// The plan of a sample; empty for the samples that fill by code of their
// own (lists and trees, the splitter) or not at all (dates and strips).
std::vector<FillStep> FillPlanFor(SampleId sample);

// The check states every showing of the list sample applies: items 1 and 3
// checked, items 2 and 4 indeterminate.
struct CheckState {
    int item;
    int state;
};
inline constexpr CheckState kEveryShowChecks[] = {{1, 1}, {3, 1}, {2, 2}, {4, 2}};

} // namespace hexmoor::preview
