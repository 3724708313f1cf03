#include "runtime/wnd/color_dialog.h"

BOOL CTWColorDialog::Enable(BOOL on) {
    CTWWnd::Enable(on);
    return TRUE;
}

LRESULT CTWColorDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return CTWDialog::WindowProc(msg, wp, lp); }

bool IsChooseColorDialog(HWND hwnd) {
    if (!hwnd) return false;
    const HMODULE comdlg = GetModuleHandleW(L"comdlg32.dll");
    if (!comdlg || reinterpret_cast<HMODULE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)) != comdlg) return false;
    for (int id = 702; id <= 710; ++id)
        if (!GetDlgItem(hwnd, id)) return false;
    for (int id = 723; id <= 728; ++id)
        if (!GetDlgItem(hwnd, id)) return false;
    return true;
}
