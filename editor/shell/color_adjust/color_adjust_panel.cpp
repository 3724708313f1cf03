#include "editor/shell/color_adjust/color_adjust_panel.h"

#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/runtime_link.h"
#include "model/elements/wnd_frame.h"
#include "runtime/twf_api.h"

namespace hexmoor::shell {

preview::AdjustLink* CShellAdjustHost::CurrentLink() { return links_.LinkOfItemLink(links::Links().current); }

void CShellAdjustHost::RefreshSkinnedWindows(WORD type) { ::RefreshSkinnedWindows(type); }

void CShellAdjustHost::InvalidateGrid() {
    links::PropertyGridModel* grid = links::Links().grid;
    if (!grid) return;
    for (int i = 0; i < grid->Count(); ++i) grid->InvalidateItem(grid->Item(i));
}

void CShellAdjustHost::ShowAdjustedImage(preview::AdjustLink& link, WORD id, CMrgBitmap* image) {
    links::OptionsPages* pages = links::Links().options;
    const links::CItemLinkObj* current = links::Links().current;
    if (!pages || !current || !link.GetTwfObj() || current->GetTwfObj() != link.GetTwfObj()) return;
    if (CTwfSideFrame* side = link.GetSideFrame()) {
        const OptionsImage* options = side->GetImageOptions(id);
        pages->SetFrameImage(image, options ? options->DrawMode : 0);
    } else {
        pages->SetImagePreview(image);
    }
}

void CShellAdjustHost::SetTrees(std::vector<CPanelTree*> trees) {
    trees_ = std::move(trees);
    std::vector<const ElementTree*> models;
    for (CPanelTree* tree : trees_)
        if (tree && tree->Model()) models.push_back(tree->Model());
    links_.SetTrees(std::move(models));
}

void AdjustListener::TrackSelectedProperty(WORD id, int kind, int flag) {
    preview::PropertyKind k = preview::PropertyKind::Other;
    if (kind == links::kKindColor) k = preview::PropertyKind::Color;
    if (kind == links::kKindImage) k = preview::PropertyKind::Image;
    adjuster_.TrackSelectedProperty(id, k, flag != 0);
}

void CShellAdjustHost::SetTreesAdjustMode(bool on) {
    for (CPanelTree* tree : trees_) tree->SetColorAdjustMode(on);
}

void CShellAdjustHost::SetModified() { Editor().documentModified = true; }

bool CShellAdjustHost::AskKeepChanges() {
    return messages_.Show(nullptr, L"Would you like to save your changes ColorAdjasment?", L"Hexmoor",
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CPanelColorAdjustment::CPanelColorAdjustment(fw::MessageBoxService& messages)
    : host_(messages),
      pane_(std::make_unique<preview::ColorAdjustPane>(host_)),
      listener_(std::make_unique<AdjustListener>(pane_->Adjuster(), host_)) {}

CPanelColorAdjustment::~CPanelColorAdjustment() {
    if (links::Links().colorAdjust == listener_.get()) links::Links().colorAdjust = nullptr;
}

preview::ColorAdjustPane& CPanelColorAdjustment::Pane() {
    EnsurePane();
    return *pane_;
}

int CPanelColorAdjustment::OnCreate(CREATESTRUCTW*) {
    // The grid's row selections and colour choices reach the adjustment from
    // the start; its dialog is made when the pane first shows.
    links::Links().colorAdjust = listener_.get();
    return 0;
}

void CPanelColorAdjustment::EnsurePane() {
    if (pane_->Handle() || !Handle()) return;
    pane_->CreateChild(Handle());
    if (!pane_->Handle()) return;
    RECT rc;
    ::GetClientRect(Handle(), &rc);
    ::MoveWindow(pane_->Handle(), 0, 0, rc.right, rc.bottom, FALSE);
    ::ShowWindow(pane_->Handle(), SW_SHOW);
}

void CPanelColorAdjustment::OnDestroy() {
    if (links::Links().colorAdjust == listener_.get()) links::Links().colorAdjust = nullptr;
}

void CPanelColorAdjustment::SkinChanging() {
    pane_->Adjuster().ForgetElements();
    host_.DetachLinks();
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
    // The dialog is made once the panel shows in a shown frame: shown
    // itself, or painted because the window holding it was shown.
    const bool showing = (msg == WM_SHOWWINDOW && wp) ||
                         (msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW)) ||
                         msg == WM_PAINT;
    if (showing && !pane_->Handle() && ::IsWindowVisible(::GetAncestor(Handle(), GA_ROOT))) EnsurePane();
    return CPanelBase::WindowProc(msg, wp, lp);
}

void CPanelColorAdjustment::OnShownChanged(bool shown) {
    // Showing or hiding the pane shows or hides the trees' marks and
    // settles a pending adjustment.
    for (CPanelTree* tree : host_.Trees()) tree->ShowAdjustMarks(shown);
    if (pane_->Handle()) pane_->ConfirmPendingChanges();
    if (!shown) host_.EndSession();
}

} // namespace hexmoor::shell
