#include "framework/toolbar.h"

#include "base/win/gdi.h"
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
    SendMessageW(h, TB_SETMAXTEXTROWS, labels_ ? 1 : 0, 0);
    Refit();
    return true;
}

void ToolBar::LoadImages() {
    const ToolImageSet& set = large_ ? largeSet_ : smallSet_;
    ToolbarImageOptions options;
    options.imageSize = {set.size, set.size};
    options.transparent = transparent_;
    lists_.normal = LoadToolbarImageList(set.cold, options);
    lists_.hot = LoadToolbarImageList(set.hot, options);
    lists_.disabled = LoadToolbarImageList(set.disabled, options);
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

void ToolBar::RedrawDisabledLabel(HDC dc, unsigned id, RECT button) {
    int length = static_cast<int>(SendMessageW(Handle(), TB_GETBUTTONTEXTW, id, 0));
    if (length <= 0) return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), TB_GETBUTTONTEXTW, id, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    const ToolImageSet& set = large_ ? largeSet_ : smallSet_;
    RECT label = button;
    label.top += set.size + 3;
    label.left += 1;
    label.right -= 1;
    label.bottom -= 1;
    if (label.bottom <= label.top) return;
    SetBkColor(dc, background_);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &label, nullptr, 0, nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    win::SelectGuard fontIn(dc, font);
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, disabledText_);
    DrawTextW(dc, text.c_str(), length, &label, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void ToolBar::SetTextColors(COLORREF enabled, COLORREF disabled) {
    text_ = enabled;
    disabledText_ = disabled;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool ToolBar::OnReflectedNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->code != static_cast<UINT>(NM_CUSTOMDRAW)) return false;
    auto* cd = reinterpret_cast<NMTBCUSTOMDRAW*>(hdr);
    const bool colouredText = text_ != CLR_INVALID;
    switch (cd->nmcd.dwDrawStage) {
    case CDDS_PREERASE:
    case CDDS_PREPAINT:
        if (background_ != CLR_INVALID) {
            RECT rc;
            GetClientRect(Handle(), &rc);
            SetBkColor(cd->nmcd.hdc, background_);
            ExtTextOutW(cd->nmcd.hdc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        }
        result = cd->nmcd.dwDrawStage == CDDS_PREPAINT && colouredText ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
        return background_ != CLR_INVALID || colouredText;
    case CDDS_ITEMPREPAINT: {
        if (!colouredText) return false;
        // The look's label colours; a disabled label is drawn flat in its
        // own colour rather than etched in the system's.
        bool disabled = (cd->nmcd.uItemState & CDIS_DISABLED) != 0;
        cd->clrText = disabled && disabledText_ != CLR_INVALID ? disabledText_ : text_;
        // With the custom colours in use a themed control paints the face
        // from them as well: the look's face.
        if (background_ != CLR_INVALID) cd->clrBtnFace = background_;
        result = CDRF_DODEFAULT | TBCDRF_USECDCOLORS | (disabled ? TBCDRF_NOETCHEDEFFECT | CDRF_NOTIFYPOSTPAINT : 0);
        return true;
    }
    case CDDS_ITEMPOSTPAINT:
        // Some controls (Wine's among them) draw a disabled label in the
        // system's grey whatever they are given: the label is drawn again
        // in the look's colour.
        if (labels_ && disabledText_ != CLR_INVALID && background_ != CLR_INVALID)
            RedrawDisabledLabel(cd->nmcd.hdc, static_cast<unsigned>(cd->nmcd.dwItemSpec), cd->nmcd.rc);
        result = CDRF_DODEFAULT;
        return true;
    default: return false;
    }
}

} // namespace hexmoor::fw
