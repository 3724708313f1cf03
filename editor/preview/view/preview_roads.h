#pragma once
// The roads by which the editor shell drives the composition view: the
// refresh after an edit, and the selection of an element in a tree (which
// sample shows, and whether it is skinned again with the element's scheme).
// The decisions are pure; the roads act on the view and the runtime.

#include <windows.h>

#include <string>

namespace hexmoor::preview {

class CSkinComposView;

// What a refresh of one element type redraws.
struct RefreshPlan {
    // The .NET strip sample is shown again (hidden and shown), types 40-43.
    bool showStripSample = false;
    // The view redraws its samples' skinned scroll bars itself (type 5).
    bool scrollBars = false;
    // The runtime redraws the skinned windows of the type (all but 5).
    bool runtimeRefresh = false;
};
RefreshPlan RefreshPlanFor(WORD elementType);

// The refresh after an edit of an element of the type.
void RefreshPreview(CSkinComposView& view, WORD elementType);

// The element a tree selection stands for.
struct SelectedLink {
    WORD type = 0;
    std::wstring scheme; // "" or "Default": the default scheme
};
bool IsDefaultScheme(const std::wstring& scheme);

// Whether the newly shown sample is skinned again with the selected
// element's scheme, only redrawn, or left as it is (the road stops).
enum class ReskinDecision { kStop, kReskin, kRedraw };
ReskinDecision DecideReskin(const SelectedLink* previous, const SelectedLink& current, bool branchCopying);
// Whether the sample shown before goes back to the default look for the
// previous element's type (a custom element of another type was shown).
bool RestoresPreviousDefault(const SelectedLink* previous, bool hadPreview, const SelectedLink& current);

// The selection's part of the preview: shows the sample of the selected
// type and skins it as the decisions say; remembers the sample it showed.
class SelectionRoad {
public:
    explicit SelectionRoad(CSkinComposView& view) : view_(view) {}
    // previous: the element selected before, or null.
    void Select(const SelectedLink* previous, const SelectedLink& current, bool branchCopying = false);
    // A selection that stands for no element: every sample hidden.
    void SelectNothing();
    // The item shown is going: its sample goes back to the default look
    // for the type, and no sample counts as shown.
    void Forget(WORD type);
    HWND CurrentPreview() const { return current_; }

private:
    CSkinComposView& view_;
    HWND current_ = nullptr;
};

} // namespace hexmoor::preview
