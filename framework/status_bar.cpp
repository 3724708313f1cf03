#include "framework/status_bar.h"

#include <commctrl.h>

#include "base/win/gdi.h"
#include "framework/strings.h"

namespace hexmoor::fw {

bool StatusBar::CreateIn(HWND parent, UINT id, std::vector<StatusIndicator> indicators) {
    indicators_ = std::move(indicators);
    WindowArgs w;
    w.className = STATUSCLASSNAMEW;
    w.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP;
    w.parent = parent;
    w.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(w)) return false;
    texts_.assign(indicators_.size(), L"");
    Relayout();
    return true;
}

void StatusBar::Relayout() {
    HWND h = Handle();
    if (!h) return;
    RECT rc;
    GetClientRect(h, &rc);
    win::WindowDC owner(h);
    HDC dc = owner.Get();
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
    owner.Close();
    if (!indicators_.empty()) rights.back() = -1;
    SendMessageW(h, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    SendMessageW(h, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(prompt_.c_str()));
    for (std::size_t i = 0; i < texts_.size(); ++i)
        SendMessageW(h, SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(texts_[i].c_str()));
}

void StatusBar::SetPrompt(const std::wstring& text) {
    if (text == prompt_) return;
    prompt_ = text;
    if (Handle()) SendMessageW(Handle(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(prompt_.c_str()));
}

std::wstring StatusBar::IndicatorText(std::size_t i) const { return i < texts_.size() ? texts_[i] : std::wstring{}; }

void StatusBar::UpdateIndicators() {
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        bool on = (GetKeyState(indicators_[i].virtualKey) & 1) != 0;
        std::wstring t = on ? LoadText(indicators_[i].textId) : L"";
        if (t == texts_[i]) continue;
        texts_[i] = t;
        if (Handle()) SendMessageW(Handle(), SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(t.c_str()));
    }
}

int StatusBar::Height() const {
    if (!Handle() || !IsWindowVisible(Handle())) return 0;
    RECT rc;
    GetWindowRect(Handle(), &rc);
    return rc.bottom - rc.top;
}

void StatusBar::SetBackground(COLORREF color) {
    if (Handle()) SendMessageW(Handle(), SB_SETBKCOLOR, 0, color);
}

} // namespace hexmoor::fw
