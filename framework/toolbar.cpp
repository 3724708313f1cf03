#include "framework/toolbar.h"

#include "framework/strings.h"

namespace hexmoor::fw {

bool ToolBar::CreateIn(HWND parent, const ToolBarArgs& args) {
    buttons_ = args.buttons;
    smallSet_ = args.smallImages;
    largeSet_ = args.largeImages;
    transparent_ = args.transparent;
    WindowArgs w;
    w.className = TOOLBARCLASSNAMEW;
    w.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
              CCS_NOPARENTALIGN;
    w.parent = parent;
    w.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(args.id));
    if (!Create(w)) return false;
    HWND h = Handle();
    SendMessageW(h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    LoadImages();
    std::vector<TBBUTTON> tb;
    int image = 0;
    labelTexts_.clear();
    for (unsigned id : buttons_)
        if (id) labelTexts_.push_back(TooltipPart(LoadText(id)));
    std::size_t label = 0;
    for (unsigned id : buttons_) {
        TBBUTTON b{};
        if (id == 0) {
            b.fsStyle = BTNS_SEP;
        } else {
            b.iBitmap = image++;
            b.idCommand = static_cast<int>(id);
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
            b.iString = reinterpret_cast<INT_PTR>(labelTexts_[label++].c_str());
        }
        tb.push_back(b);
    }
    SendMessageW(h, TB_ADDBUTTONSW, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
    SendMessageW(h, TB_SETMAXTEXTROWS, 0, 0);
    Refit();
    return true;
}

void ToolBar::LoadImages() {
    const ToolImageSet& set = large_ ? largeSet_ : smallSet_;
    ToolbarImageOptions options;
    options.imageSize = {set.size, set.size};
    options.transparent = transparent_;
    lists_.Load(set.cold, set.hot, set.disabled, options);
    HWND h = Handle();
    SendMessageW(h, TB_SETBITMAPSIZE, 0, MAKELPARAM(set.size, set.size));
    lists_.ApplyTo(h);
}

void ToolBar::Refit() {
    HWND h = Handle();
    // The control sizes the buttons anew for the images and labels.
    SendMessageW(h, TB_AUTOSIZE, 0, 0);
    InvalidateRect(h, nullptr, TRUE);
}

void ToolBar::SetLargeIcons(bool large) {
    if (large == large_ && lists_.normal) return;
    large_ = large;
    if (!Handle()) return;
    LoadImages();
    Refit();
}

void ToolBar::EnableTextLabels(bool on) {
    labels_ = on;
    if (!Handle()) return;
    SendMessageW(Handle(), TB_SETMAXTEXTROWS, on ? 1 : 0, 0);
    Refit();
}

void ToolBar::SetBackground(COLORREF color) {
    background_ = color;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

int ToolBar::Height() const {
    if (!Handle()) return 0;
    SIZE size{};
    SendMessageW(Handle(), TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    DWORD bs = static_cast<DWORD>(SendMessageW(Handle(), TB_GETBUTTONSIZE, 0, 0));
    return std::max<int>(size.cy, HIWORD(bs)) + 4;
}

void ToolBar::UpdateButtons(const std::function<CommandState(unsigned)>& query) {
    if (!Handle()) return;
    for (unsigned id : buttons_) {
        if (!id) continue;
        CommandState s = query(id);
        LRESULT state = SendMessageW(Handle(), TB_GETSTATE, id, 0);
        if (state == -1) continue;
        BYTE want = static_cast<BYTE>(state);
        want = s.enabled ? (want | TBSTATE_ENABLED) : (want & ~TBSTATE_ENABLED);
        want = s.checked ? (want | TBSTATE_CHECKED) : (want & ~TBSTATE_CHECKED);
        if (want != static_cast<BYTE>(state)) SendMessageW(Handle(), TB_SETSTATE, id, MAKELPARAM(want, 0));
    }
}

bool ToolBar::OnReflectedNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->code != static_cast<UINT>(NM_CUSTOMDRAW) || background_ == CLR_INVALID) return false;
    auto* cd = reinterpret_cast<NMTBCUSTOMDRAW*>(hdr);
    if (cd->nmcd.dwDrawStage == CDDS_PREERASE || cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        RECT rc;
        GetClientRect(Handle(), &rc);
        SetBkColor(cd->nmcd.hdc, background_);
        ExtTextOutW(cd->nmcd.hdc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        result = CDRF_DODEFAULT;
        return true;
    }
    return false;
}

} // namespace hexmoor::fw
