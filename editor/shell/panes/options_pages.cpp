#include "editor/shell/panes/options_pages.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "editor/links/link_env.h"
#include "editor/shell/editor_state.h"
#include "model/image_rgn.h"
#include "resources/options_pages_ids.h"

namespace hexmoor::shell {
namespace {

using Page = links::OptionsPages::Page;

// Margin edits and their up-downs, in the model's margins.
struct MarginControl {
    Margin margin;
    int edit;
    int spin;
};
constexpr MarginControl kMargins[4] = {
    {Margin::kTop, IDC_OPT_MARGIN_TOP, IDC_OPT_TOP_SPIN},
    {Margin::kLeft, IDC_OPT_MARGIN_LEFT, IDC_OPT_LEFT_SPIN},
    {Margin::kBottom, IDC_OPT_MARGIN_BOTTOM, IDC_OPT_BOTTOM_SPIN},
    {Margin::kRight, IDC_OPT_MARGIN_RIGHT, IDC_OPT_RIGHT_SPIN},
};

int EditOf(Margin m) {
    for (const MarginControl& c : kMargins)
        if (c.margin == m) return c.edit;
    return 0;
}

std::wstring WindowText(HWND w) {
    const int n = GetWindowTextLengthW(w);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(w, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// Moves the preview and the label below it: the preview cx - 10 wide and
// down to 5 pixels above the label's strip.
void PlacePreview(HWND preview, HWND label, int top, int cx, int cy) {
    if (!preview || !label) return;
    RECT lr;
    GetWindowRect(label, &lr);
    const int labelH = lr.bottom - lr.top;
    const int h = cy - 5 - top - labelH;
    MoveWindow(preview, 0 + 0, top, cx - 10 > 0 ? cx - 10 : 0, h > 0 ? h : 0, TRUE);
    RECT pr;
    GetWindowRect(preview, &pr);
    MapWindowPoints(nullptr, GetParent(preview), reinterpret_cast<POINT*>(&pr), 2);
    MoveWindow(label, pr.left, pr.bottom + 5, lr.right - lr.left, labelH, TRUE);
}

} // namespace

COptionsPage::COptionsPage(UINT templateId, links::OptionsPages::Page page, OptionsPagesModel& model)
    : Dialog(templateId), model_(model), page_(page) {}

bool COptionsPage::CreatePage(HWND parent) {
    if (!CreateChild(parent)) return false;
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    RECT slot{};
    if (HWND placeholder = Item(IDC_OPT_PREVIEW_SLOT)) {
        GetWindowRect(placeholder, &slot);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&slot), 2);
        DestroyWindow(placeholder);
    }
    CreatePreview(slot);
    label_ =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, slot.left, slot.bottom, slot.right - slot.left, 20,
                        Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_OPT_SIZE_LABEL)), nullptr, nullptr);
    SendMessageW(label_, WM_SETFONT, SendMessageW(Handle(), WM_GETFONT, 0, 0), FALSE);
    model_.EnableAllControls(page_, false);
    return true;
}

bool COptionsPage::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_OPT_DRAW_MODE && code == CBN_SELENDOK && page_ != links::OptionsPages::kImagePage) {
        const int index = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
        model_.SideDrawModeChosen(page_, index);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void COptionsPage::OnSize(UINT, int cx, int cy) {
    HWND preview = PreviewWindow();
    if (!preview) return;
    RECT pr;
    GetWindowRect(preview, &pr);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&pr), 2);
    PlacePreview(preview, label_, pr.top, cx, cy);
}

bool COptionsPage::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    // Ctrl+Tab goes to the active element tree, Ctrl+Shift+Tab to the grid.
    if (links::PageHost* host = links::Links().host) {
        if (GetKeyState(VK_SHIFT) < 0)
            host->FocusGrid();
        else
            host->FocusTree(false);
    }
    return true;
}

COptionsImage::COptionsImage(OptionsPagesModel& model) : COptionsPage(IDD_OPTIONS_IMAGE, Page::kImagePage, model) {}

HWND COptionsImage::CreatePreview(const RECT& slot) {
    preview_.Create(Handle(), slot, IDC_OPT_IMAGE_PREVIEW, false);
    return preview_.Handle();
}

void COptionsImage::WriteMargin(Margin margin, int value) {
    BeginWrite();
    SetDlgItemInt(Handle(), EditOf(margin), static_cast<UINT>(value), FALSE);
    EndWrite();
}

bool COptionsImage::OnCommand(UINT id, UINT code, HWND control) {
    if (code == EN_CHANGE) {
        for (const MarginControl& c : kMargins)
            if (static_cast<int>(id) == c.edit) {
                if (!Writing()) model_.MarginEdited(c.margin, WindowText(control));
                return true;
            }
    }
    if (id == IDC_OPT_DRAW_MODE && code == CBN_SELENDOK) {
        model_.ImageDrawModeChosen(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
        return true;
    }
    if ((id == IDC_OPT_STRETCH || id == IDC_OPT_TILE) && code == BN_CLICKED) {
        model_.EdgeModeClicked(id == IDC_OPT_TILE ? 1 : 0);
        return true;
    }
    return COptionsPage::OnCommand(id, code, control);
}

bool COptionsImage::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->code != UDN_DELTAPOS) return false;
    for (const MarginControl& c : kMargins)
        if (static_cast<int>(hdr->idFrom) == c.spin) {
            const auto* step = reinterpret_cast<const NMUPDOWN*>(hdr);
            if (const std::optional<int> value = model_.MarginStepped(c.margin, step->iDelta))
                WriteMargin(c.margin, *value);
            result = 0;
            return true;
        }
    return false;
}

void COptionsImage::OnSize(UINT, int cx, int cy) {
    if (!preview_.Handle() || !SizeLabel()) return;
    SetWindowTextW(preview_.Handle(), L"Image Preview");
    RECT slot;
    GetWindowRect(preview_.Handle(), &slot);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&slot), 2);
    // Below the controls: the template's slot top keeps the preview clear
    // of them at the page's font.
    PlacePreview(preview_.Handle(), SizeLabel(), slot.top, cx, cy);
}

LRESULT COptionsImage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The model writes the new margin into its edit and stores it; the
    // message then goes on to the default handling.
    if (msg == kMarginDraggedMessage) model_.MarginDragged(wp, static_cast<int>(lp));
    return COptionsPage::WindowProc(msg, wp, lp);
}

COptionsImageFrame::COptionsImageFrame(OptionsPagesModel& model)
    : COptionsPage(IDD_OPTIONS_FRAME_IMAGE, Page::kFrameImagePage, model) {}

HWND COptionsImageFrame::CreatePreview(const RECT& slot) {
    preview_.Create(Handle(), slot, 0);
    return preview_.Handle();
}

COptionsRegion::COptionsRegion(OptionsPagesModel& model) : COptionsPage(IDD_OPTIONS_REGION, Page::kRegionPage, model) {}

HWND COptionsRegion::CreatePreview(const RECT& slot) {
    preview_.Create(Handle(), slot, 1);
    return preview_.Handle();
}

OptionsPagesSet::OptionsPagesSet() : image_(model_), frame_(model_), region_(model_) { model_.SetView(this); }

OptionsPagesSet::~OptionsPagesSet() {
    if (installed_ && links::Links().options == &model_) links::Links().options = nullptr;
}

bool OptionsPagesSet::Create(HWND panel) {
    panel_ = panel;
    links::Links().options = &model_;
    installed_ = true;
    return panel != nullptr;
}

void OptionsPagesSet::EnsurePages() {
    if (!panel_ || image_.Handle()) return;
    if (!(image_.CreatePage(panel_) && region_.CreatePage(panel_) && frame_.CreatePage(panel_))) return;
    RECT rc;
    GetClientRect(panel_, &rc);
    Layout(rc.right, rc.bottom);
    if (onPagesMade_) std::exchange(onPagesMade_, nullptr)();
}

void OptionsPagesSet::Layout(int cx, int cy) {
    for (COptionsPage* page : {static_cast<COptionsPage*>(&image_), static_cast<COptionsPage*>(&region_),
                               static_cast<COptionsPage*>(&frame_)})
        if (page->Handle()) MoveWindow(page->Handle(), 0, 7, cx, cy - 7 > 0 ? cy - 7 : 0, TRUE);
}

COptionsPage& OptionsPagesSet::PageOf(Page page) {
    EnsurePages();
    switch (page) {
    case Page::kImagePage: return image_;
    case Page::kFrameImagePage: return frame_;
    case Page::kRegionPage: break;
    }
    return region_;
}

void OptionsPagesSet::EnableAll(Page page, bool enable) {
    HWND h = PageOf(page).Handle();
    if (!h) return;
    for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) EnableWindow(child, enable);
}

void OptionsPagesSet::EnableImageControls(bool enable, std::initializer_list<const wchar_t*> choices) {
    EnsurePages();
    HWND h = image_.Handle();
    if (!h) return;
    for (int id : {IDC_OPT_MARGIN_TOP, IDC_OPT_MARGIN_LEFT, IDC_OPT_MARGIN_BOTTOM, IDC_OPT_MARGIN_RIGHT,
                   IDC_OPT_STRETCH, IDC_OPT_TILE, IDC_OPT_DRAW_MODE})
        EnableWindow(GetDlgItem(h, id), enable);
    HWND combo = GetDlgItem(h, IDC_OPT_DRAW_MODE);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* choice : choices) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    if (enable) SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

void OptionsPagesSet::WriteImageFields(const ImagePageFields& fields) {
    EnsurePages();
    HWND h = image_.Handle();
    if (!h) return;
    image_.BeginWrite();
    for (const MarginControl& c : kMargins) SetDlgItemInt(h, c.edit, static_cast<UINT>(fields.Of(c.margin)), FALSE);
    CheckRadioButton(h, IDC_OPT_STRETCH, IDC_OPT_TILE, fields.edgeMode == 1 ? IDC_OPT_TILE : IDC_OPT_STRETCH);
    SendMessageW(GetDlgItem(h, IDC_OPT_DRAW_MODE), CB_SETCURSEL, static_cast<WPARAM>(fields.drawMode), 0);
    image_.EndWrite();
}

void OptionsPagesSet::WriteDrawMode(Page page, std::initializer_list<const wchar_t*> choices, int selection) {
    HWND combo = GetDlgItem(PageOf(page).Handle(), IDC_OPT_DRAW_MODE);
    if (!combo) return;
    if (choices.size()) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const wchar_t* choice : choices) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

void OptionsPagesSet::ShowImage(Page page, const CMrgBitmap* image) {
    EnsurePages();
    if (page == Page::kImagePage && image_.Preview().Handle()) image_.Preview().SetMrgBitmap(image);
    if (page == Page::kFrameImagePage && frame_.Preview().Handle()) frame_.Preview().SetMrgBitmap(image);
}

void OptionsPagesSet::ShowRegion(const CImageRgn* region) {
    EnsurePages();
    if (!region_.Preview().Handle()) return;
    region_.Preview().SetRegion(region, region ? region->GetSize() : SIZE{0, 0});
}

void OptionsPagesSet::SetSizeLabel(Page page, const std::wstring& text) {
    if (HWND label = PageOf(page).SizeLabel()) SetWindowTextW(label, text.c_str());
}

void OptionsPagesSet::FocusDrawMode(Page page) {
    HWND h = PageOf(page).Handle();
    if (!h) return;
    SetFocus(h);
    SetFocus(GetDlgItem(h, IDC_OPT_DRAW_MODE));
}

bool OptionsPagesSet::FocusEnabledDrawMode(Page page) {
    HWND h = PageOf(page).Handle();
    HWND combo = h ? GetDlgItem(h, IDC_OPT_DRAW_MODE) : nullptr;
    if (!combo || !IsWindowVisible(h) || !IsWindowEnabled(combo)) return false;
    FocusDrawMode(page);
    return true;
}

void OptionsPagesSet::ShowPages(bool image, bool frameImage, bool region) {
    // Hiding pages not made yet leaves them unmade.
    if (image || frameImage || region) EnsurePages();
    if (image_.Handle()) ShowWindow(image_.Handle(), image ? SW_SHOW : SW_HIDE);
    if (frame_.Handle()) ShowWindow(frame_.Handle(), frameImage ? SW_SHOW : SW_HIDE);
    if (region_.Handle()) ShowWindow(region_.Handle(), region ? SW_SHOW : SW_HIDE);
    if (HWND panel = image_.Handle() ? GetParent(image_.Handle()) : nullptr) InvalidateRect(panel, nullptr, TRUE);
}

} // namespace hexmoor::shell
