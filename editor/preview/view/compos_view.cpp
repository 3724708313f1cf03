#include "editor/preview/view/compos_view.h"

#include <commctrl.h>

#include "base/win/dib.h"
#include "editor/preview/samples/mdi_sample.h"
#include "editor/preview/samples/sample_classes.h"
#include "editor/preview/samples/sync_active_rules.h"
#include "editor/preview/strips/strip_dialogs.h"
#include "editor/preview/view/placement.h"
#include "editor/preview/view/skinned_windows.h"
#include "model/mrg_bitmap.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/messages.h"
#include "runtime/twf_api.h"
#include "runtime/wnd/tw_wnd.h"

namespace hexmoor::preview {

namespace {

CSkinComposView* g_view = nullptr;

// The order in which the view makes its twelve dialogs.
constexpr SampleId kCreationOrder[] = {
    SampleId::kListBoxScrollbar,
    SampleId::kStripMenu,
    SampleId::kStripTool,
    SampleId::kListTree,
    SampleId::kStaticGroupButtonCheckRadio,
    SampleId::kSpinSliderProgress,
    SampleId::kEditCombobox,
    SampleId::kDateTimeMonthCal,
    SampleId::kDialogPreview,
    SampleId::kTabs,
    SampleId::kToolTips,
    SampleId::kSplitter,
};

std::unique_ptr<CSampleDialog> MakeDialog(SampleId sample) {
    if (sample == SampleId::kStripMenu) return std::make_unique<CStripDlg>();
    if (sample == SampleId::kStripTool) return std::make_unique<CStripDlg2>();
    return MakeSampleDialog(sample);
}

std::unique_ptr<CMrgBitmap> NoPicture(const std::wstring&) { return nullptr; }

} // namespace

CSkinComposView* ComposView() { return g_view; }

void PaintBackground(HDC dc, Size client, COLORREF colour, const CMrgBitmap* picture, int position) {
    win::Brush brush(CreateSolidBrush(PaintableBackground(colour)));
    win::SelectGuard select(dc, brush.Get());
    PatBlt(dc, 0, 0, client.cx, client.cy, PATCOPY);
    select.Restore();
    if (!picture || picture->GetWidth() <= 0 || picture->GetHeight() <= 0) return;
    const Size size{static_cast<int>(picture->GetWidth()), static_cast<int>(picture->GetHeight())};
    const PicturePlan plan = PlanPicture(client, size, position);
    const RECT source{0, 0, size.cx, size.cy};
    const RECT dest{plan.dest.left, plan.dest.top, plan.dest.right, plan.dest.bottom};
    CTWDraw draw(dc, nullptr, FALSE);
    switch (plan.kind) {
    case PicturePlan::Kind::kDraw: draw.StretchImage(&dest, picture, &source); break;
    case PicturePlan::Kind::kTile: draw.TileImage(&dest, picture, &source); break;
    case PicturePlan::Kind::kNone: break;
    }
}

CSkinComposView::CSkinComposView() : frame_(std::make_unique<CMDIFrameChild>()), loader_(NoPicture) {}

CSkinComposView::~CSkinComposView() {
    if (g_view == this) g_view = nullptr;
    if (Handle()) DestroyWindow(Handle());
}

bool CSkinComposView::CreateView(HWND parent, UINT id) {
    // The samples hold every common control.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    fw::WindowArgs args;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(args)) return false;
    if (!CreatePreviewDialogs() || !CreateFramePreview()) {
        Destroy();
        return false;
    }
    g_view = this;
    CenterPreviews();
    return true;
}

bool CSkinComposView::CreatePreviewDialogs() {
    for (SampleId sample : kCreationOrder) {
        auto dialog = MakeDialog(sample);
        if (!dialog || !dialog->CreateSample(Handle())) return false;
        HWND h = dialog->Handle();
        dialogs_[static_cast<size_t>(sample)] = std::move(dialog);
        SetParent(h, Handle());
        ApplySkinToWindow(h, 1);
        dialogs_[static_cast<size_t>(sample)]->AfterSkinApplied();
    }
    return true;
}

bool CSkinComposView::CreateFramePreview() { return frame_->CreateFramePreview(Handle()); }

HWND CSkinComposView::SampleWindow(SampleId sample) const {
    if (sample == SampleId::kMdiFrame) return frame_->Handle();
    if (sample == SampleId::kNone) return nullptr;
    const auto& dialog = dialogs_[static_cast<size_t>(sample)];
    return dialog ? dialog->Handle() : nullptr;
}

CSampleDialog* CSkinComposView::SampleDialog(SampleId sample) const {
    if (sample == SampleId::kMdiFrame || sample == SampleId::kNone) return nullptr;
    return dialogs_[static_cast<size_t>(sample)].get();
}

HWND CSkinComposView::PreviewForElement(int type) const { return SampleWindow(SampleForType(type)); }

namespace {
// The runtime answers a skin change with a posted message that invalidates
// the window again. Handled here, at once, the invalidation joins the one
// repaint that follows; left in the queue it would come after that repaint
// and paint every refreshed window a second time.
void HandlePostedSkinChanges() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, rt::TWM_SKINCHANGED, rt::TWM_SKINCHANGED, PM_REMOVE)) DispatchMessageW(&msg);
}

// The skinned windows of the type in a sample's tree read their element
// again and redraw (with their children's backgrounds).
void RefreshSampleType(HWND sample, WORD type) {
    for (HWND h : SkinnedTreeWalk(sample))
        if (CTWWnd* object = SkinnedObject(h); object && object->IsActive() && object->GetType() == type)
            object->ChangeSkin(0, TRUE);
    HandlePostedSkinChanges();
}
} // namespace

void CSkinComposView::RefreshSkinnedType(WORD type) {
    HWND shown = GetActivePreview();
    for (int s = 0; s < kSampleCount; ++s) {
        HWND h = SampleWindow(SampleId(s));
        if (!h) continue;
        if (h == shown)
            RefreshSampleType(h, type);
        else
            stale_[static_cast<size_t>(s)].insert(type);
    }
}

HWND CSkinComposView::ShowPreviewForElement(int type) {
    const SampleId chosen = SampleForType(type);
    if (chosen != SampleId::kNone) {
        std::set<WORD>& stale = stale_[static_cast<size_t>(chosen)];
        for (WORD t : stale) RefreshSampleType(SampleWindow(chosen), t);
        stale.clear();
    }
    for (SampleId sample : kHideOrder)
        if (sample != chosen)
            if (HWND h = SampleWindow(sample)) ShowWindow(h, SW_HIDE);
    HWND shown = SampleWindow(chosen);
    // Shown without taking the activation from the editor's window.
    if (shown) ShowWindow(shown, SW_SHOWNA);
    return shown;
}

HWND CSkinComposView::GetActivePreview() const {
    for (SampleId sample : kHideOrder)
        if (HWND h = SampleWindow(sample); h && IsWindowVisible(h)) return h;
    return nullptr;
}

void CSkinComposView::CenterPreviews() {
    if (!Handle()) return;
    RECT c{};
    GetClientRect(Handle(), &c);
    const Rect client{c.left, c.top, c.right, c.bottom};
    if (!CanCentre(client)) return;
    for (SampleId sample : kCentreOrder) {
        HWND h = SampleWindow(sample);
        if (!h) continue;
        RECT r{};
        GetWindowRect(h, &r);
        const Point at = CentredOrigin(client, Size{r.right - r.left, r.bottom - r.top});
        SetWindowPos(h, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

Size CSkinComposView::ClientSize() const {
    RECT c{};
    if (Handle()) GetClientRect(Handle(), &c);
    return Size{c.right, c.bottom};
}

void CSkinComposView::UpdateBackground(const BackgroundSettings& settings) {
    settings_ = settings;
    picture_.reset();
    // The file is opened only when the picture is to be shown.
    if (!settings_.imageFile.empty() && settings_.showImage) picture_ = loader_(settings_.imageFile);
    BuildBackground();
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void CSkinComposView::BuildBackground() {
    prepared_.Reset();
    if (!picture_) return;
    const Size size = ClientSize();
    if (size.cx <= 0 || size.cy <= 0) return;
    win::MemoryDC dc(nullptr);
    prepared_.Reset(win::CreateScreenBitmap(size.cx, size.cy));
    win::SelectGuard select(dc.Get(), prepared_.Get());
    PaintBackground(dc.Get(), size, settings_.colour, picture_.get(), settings_.position);
}

bool CSkinComposView::OnEraseBackground(HDC dc) {
    // With a picture the paint copies the whole prepared background.
    if (picture_) return true;
    PaintBackground(dc, ClientSize(), settings_.colour, nullptr, settings_.position);
    return true;
}

bool CSkinComposView::OnPaint() {
    win::PaintScope paint(Handle());
    if (!picture_) return true;
    if (!prepared_) BuildBackground();
    const Size size = ClientSize();
    if (!prepared_) return true;
    win::MemoryDC memory(paint.Dc());
    win::SelectGuard select(memory.Get(), prepared_.Get());
    BitBlt(paint.Dc(), 0, 0, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

void CSkinComposView::OnSize(UINT, int, int) {
    BuildBackground();
    CenterPreviews();
}

void CSkinComposView::OnDestroy() {
    if (g_view == this) g_view = nullptr;
    prepared_.Reset();
    picture_.reset();
    if (frame_->Handle()) DestroyWindow(frame_->Handle());
}

std::vector<HWND> CSkinComposView::ScrollBarRefreshWalk() const {
    std::vector<HWND> walk;
    for (SampleId sample : kScrollBarRefreshOrder)
        if (HWND h = SampleWindow(sample)) {
            const std::vector<HWND> tree = SkinnedTreeWalk(h);
            walk.insert(walk.end(), tree.begin(), tree.end());
        }
    return walk;
}

void CSkinComposView::RefreshPreviewWindows() {
    for (SampleId sample : kScrollBarRefreshOrder)
        if (HWND h = SampleWindow(sample)) RefreshSkinnedTree(h);
}

void CSkinComposView::ReleaseSamplesFromSkin() {
    for (SampleId sample : kHideOrder) {
        HWND h = SampleWindow(sample);
        if (!h) continue;
        // Combo boxes' drop-down lists are popups outside the sample's tree.
        for (HWND w : SkinnedTreeWalk(h))
            if (w != h && !IsChild(h, w)) RemoveSkinFromWindowTree(w, 0);
        RemoveSkinFromWindowTree(h, 1);
    }
}

void CSkinComposView::ReskinSamples() {
    ReleaseSamplesFromSkin();
    for (SampleId sample : kHideOrder) {
        HWND h = SampleWindow(sample);
        if (!h) continue;
        ApplySkinToWindow(h, 1);
        if (CSampleDialog* dialog = SampleDialog(sample)) dialog->AfterSkinApplied();
    }
}

void CSkinComposView::SyncActivation(bool active) {
    const unsigned flags = active ? kFloatActivate : kFloatDeactivate;
    for (SampleId sample : kHideOrder)
        if (HWND h = SampleWindow(sample); h && sample != SampleId::kMdiFrame) SendFloatStatus(h, flags);
}

namespace {
void Walk(HWND hwnd, std::vector<HWND>& out) {
    out.push_back(hwnd);
    if (CTWWnd* object = SkinnedObject(hwnd); object && object->GetType() == 13) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (SendMessageW(hwnd, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) && info.hwndList)
            Walk(info.hwndList, out);
    }
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) Walk(child, out);
}
} // namespace

std::vector<HWND> SkinnedTreeWalk(HWND hwnd) {
    std::vector<HWND> out;
    if (hwnd) Walk(hwnd, out);
    return out;
}

void RefreshSkinnedTree(HWND hwnd) {
    for (HWND h : SkinnedTreeWalk(hwnd))
        if (CTWWnd* object = SkinnedObject(h); object && object->GetScrollHandler()) object->ChangeSkin(1, FALSE);
}

} // namespace hexmoor::preview
