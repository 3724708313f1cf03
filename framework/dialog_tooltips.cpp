#include "framework/dialog_tooltips.h"

#include "framework/window.h"

namespace hexmoor::fw {

DialogToolTips::~DialogToolTips() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

bool DialogToolTips::Create(HWND dialog) {
    if (tip_ || !dialog) return false;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, ResourceModule(), nullptr);
    if (!tip_) return false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = dialog;
        info.uId = reinterpret_cast<UINT_PTR>(child);
        info.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    return true;
}

int DialogToolTips::ToolCount() const {
    return tip_ ? static_cast<int>(SendMessageW(tip_, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

UINT ToolTipControlId(const NMHDR* hdr, UINT toolFlags) {
    if (toolFlags & TTF_IDISHWND) return static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(hdr->idFrom)) & 0xFFFF);
    return static_cast<UINT>(hdr->idFrom & 0xFFFF);
}

} // namespace hexmoor::fw
