#include "framework/status_bar.h"

#include <commctrl.h>

#include "base/win/gdi.h"
#include "framework/strings.h"

namespace hexmoor::fw {

bool StatusBar::CreateIn(HWND parent, UINT id, std::vector<StatusIndicator> indicators) {
    indicators_ = std::move(indicators);
    // One text per indicator before the window exists: idle work reached
    // while the control is being created already reads them.
    texts_.assign(indicators_.size(), L"");
    WindowArgs w;
    w.className = STATUSCLASSNAMEW;
    w.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP;
    w.parent = parent;
    w.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(w)) return false;
    Relayout();
    return true;
}

void StatusBar::Relayout() {
    HWND h = Handle();
    if (!h) return;
    RECT rc;
    GetClientRect(h, &rc);
    // Text is measured in a memory DC: a window DC would cost display
    // round trips under Wine and measures the same.
    win::MemoryDC measure(nullptr);
    HDC dc = measure.Get();
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    win::SelectGuard select(dc, font);
    std::vector<int> rights(indicators_.size() + 1);
    int right = rc.right - GetSystemMetrics(SM_CXVSCROLL);
    for (std::size_t i = indicators_.size(); i-- > 0;) {
        rights[i + 1] = right;
        std::wstring t = LoadText(indicators_[i].textId);
        SIZE size{};
        GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &size);
        right -= size.cx + 12;
    }
    rights[0] = right;
    select.Restore();
    if (!indicators_.empty()) rights.back() = -1;
    SendMessageW(h, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    SetPartText(0, prompt_);
    for (std::size_t i = 0; i < texts_.size(); ++i) SetPartText(i + 1, texts_[i]);
}

void StatusBar::SetPartText(std::size_t part, const std::wstring& text) {
    if (Handle()) SendMessageW(Handle(), SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT StatusBar::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // With the look's colours the bar paints itself: the control (themed or
    // not) has no text colour, and a theme ignores the face colour too.
    if (background_ == CLR_INVALID) return Window::WindowProc(msg, wp, lp);
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        const win::PaintScope paint(Handle());
        Paint(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wp)); return 0;
    default: return Window::WindowProc(msg, wp, lp);
    }
}

void StatusBar::Paint(HDC dc) {
    RECT rc;
    GetClientRect(Handle(), &rc);
    SetBkColor(dc, background_);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    win::SelectGuard fontIn(dc, font);
    SetBkMode(dc, TRANSPARENT);
    int parts = static_cast<int>(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
    for (int i = 0; i < parts; ++i) {
        RECT part{};
        SendMessageW(Handle(), SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&part));
        // A thin line in the text's colour between parts.
        if (i + 1 < parts) {
            RECT line{part.right - 1, part.top + 2, part.right, part.bottom - 2};
            SetBkColor(dc, text_);
            ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
        }
        const std::wstring& text = i == 0 ? prompt_ : texts_[static_cast<std::size_t>(i - 1)];
        ::SetTextColor(dc, text_);
        RECT r = part;
        r.left += 3;
        r.right -= 3;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void StatusBar::SetPrompt(const std::wstring& text) {
    if (text == prompt_) return;
    prompt_ = text;
    SetPartText(0, prompt_);
}

std::wstring StatusBar::IndicatorText(std::size_t i) const { return i < texts_.size() ? texts_[i] : std::wstring{}; }

void StatusBar::UpdateIndicators() {
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        bool on = (GetKeyState(indicators_[i].virtualKey) & 1) != 0;
        std::wstring t = on ? LoadText(indicators_[i].textId) : L"";
        if (i >= texts_.size() || t == texts_[i]) continue;
        texts_[i] = t;
        SetPartText(i + 1, t);
    }
}

int StatusBar::Height() const {
    if (!Handle() || !ShownInParent(Handle())) return 0;
    RECT rc;
    GetWindowRect(Handle(), &rc);
    return rc.bottom - rc.top;
}

void StatusBar::SetColors(COLORREF background, COLORREF text) {
    // CLR_INVALID for both: the control paints itself again.
    background_ = background;
    text_ = text;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

} // namespace hexmoor::fw
