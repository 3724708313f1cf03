#include "editor/shell/color_adjust_panel.h"

#include "editor/shell/editor_state.h"
#include "runtime/twf_api.h"

namespace hexmoor::shell {

void CShellAdjustHost::RefreshSkinnedWindows(WORD type) { ::RefreshSkinnedWindows(type); }

void CShellAdjustHost::SetTreesAdjustMode(bool on) {
    for (CPanelTree* tree : trees_) tree->SetColorAdjustMode(on);
}

void CShellAdjustHost::SetModified() { Editor().documentModified = true; }

bool CShellAdjustHost::AskKeepChanges() {
    return messages_.Show(nullptr, L"Would you like to save your changes ColorAdjasment?", L"Hexmoor",
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CPanelColorAdjustment::CPanelColorAdjustment(fw::MessageBoxService& messages)
    : host_(messages), pane_(std::make_unique<preview::ColorAdjustPane>(host_)) {}

int CPanelColorAdjustment::OnCreate(CREATESTRUCTW*) {
    pane_->CreateChild(Handle());
    ::ShowWindow(pane_->Handle(), SW_SHOW);
    return 0;
}

void CPanelColorAdjustment::OnSize(UINT, int cx, int cy) {
    if (pane_->Handle()) ::MoveWindow(pane_->Handle(), 0, 0, cx, cy, TRUE);
}

namespace {

// Posted by SetTrees: whether the pane shows is known once the frame has
// laid its panes out.
constexpr UINT kSyncMarksMessage = WM_APP + 0x17;

} // namespace

void CPanelColorAdjustment::SetTrees(std::vector<CPanelTree*> trees) {
    host_.SetTrees(std::move(trees));
    // A pane that stays shown from its creation on gets no show change.
    if (Handle()) PostMessageW(Handle(), kSyncMarksMessage, 0, 0);
}

LRESULT CPanelColorAdjustment::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kSyncMarksMessage) {
        if (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE)
            for (CPanelTree* tree : host_.Trees()) tree->ShowAdjustMarks(true);
        return 0;
    }
    return CPanelBase::WindowProc(msg, wp, lp);
}

void CPanelColorAdjustment::OnShownChanged(bool shown) {
    // Showing or hiding the pane shows or hides the trees' marks and
    // settles a pending adjustment.
    for (CPanelTree* tree : host_.Trees()) tree->ShowAdjustMarks(shown);
    if (pane_->Handle()) pane_->ConfirmPendingChanges();
}

} // namespace hexmoor::shell
