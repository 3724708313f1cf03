#include "editor/preview/view/preview_roads.h"

#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/skinned_windows.h"
#include "runtime/twf_api.h"

namespace hexmoor::preview {

RefreshPlan RefreshPlanFor(WORD elementType) {
    RefreshPlan plan;
    plan.showStripSample = elementType >= 40 && elementType <= 43;
    plan.scrollBars = elementType == 5;
    plan.runtimeRefresh = elementType != 5;
    return plan;
}

void RefreshPreview(CSkinComposView& view, WORD elementType) {
    const RefreshPlan plan = RefreshPlanFor(elementType);
    if (plan.scrollBars) view.RefreshPreviewWindows();
    if (plan.showStripSample)
        if (HWND strip = view.ShowPreviewForElement(elementType)) {
            // The strips repaint from the skin as their dialog shows again.
            ShowWindow(strip, SW_HIDE);
            ShowWindow(strip, SW_SHOWNA);
        }
    if (plan.runtimeRefresh) RefreshSkinnedWindows(elementType);
}

bool IsDefaultScheme(const std::wstring& scheme) { return scheme.empty() || scheme == L"Default"; }

ReskinDecision DecideReskin(const SelectedLink* previous, const SelectedLink& current, bool branchCopying) {
    const bool nowDefault = IsDefaultScheme(current.scheme);
    if (!previous) return nowDefault ? ReskinDecision::kStop : ReskinDecision::kReskin;
    const bool wasDefault = IsDefaultScheme(previous->scheme);
    if (wasDefault) return nowDefault ? ReskinDecision::kStop : ReskinDecision::kReskin;
    if (nowDefault) return previous->type == current.type ? ReskinDecision::kReskin : ReskinDecision::kRedraw;
    return (previous->scheme == current.scheme && !branchCopying) ? ReskinDecision::kStop : ReskinDecision::kReskin;
}

bool RestoresPreviousDefault(const SelectedLink* previous, bool hadPreview, const SelectedLink& current) {
    return previous && hadPreview && previous->type != current.type && !IsDefaultScheme(previous->scheme);
}

void SelectionRoad::Select(const SelectedLink* previous, const SelectedLink& current, bool branchCopying) {
    HWND shown = view_.ShowPreviewForElement(current.type);
    if (shown) {
        const ReskinDecision decision = DecideReskin(previous, current, branchCopying);
        if (decision == ReskinDecision::kStop) return;
        if (decision == ReskinDecision::kReskin) {
            ReapplySkinToControls(shown, IsDefaultScheme(current.scheme) ? L"Default" : current.scheme, current.type);
            RefreshSkinnedWindows(current.type);
        }
        RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    }
    if (RestoresPreviousDefault(previous, current_ != nullptr, current) && IsWindow(current_)) {
        ReapplySkinToControls(current_, L"Default", previous->type);
        RefreshSkinnedWindows(previous->type);
    }
    current_ = shown;
}

void SelectionRoad::SelectNothing() { view_.ShowPreviewForElement(0); }

void SelectionRoad::Forget(WORD type) {
    if (current_ && IsWindow(current_)) ReapplySkinToControls(current_, L"Default", type);
    current_ = nullptr;
}

} // namespace hexmoor::preview
