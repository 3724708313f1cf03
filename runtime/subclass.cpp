#include "runtime/subclass.h"

namespace hexmoor::rt {

SubclassLink InstallWindowProc(HWND hwnd, WNDPROC proc) {
    SubclassLink link;
    link.wide = IsWindowUnicode(hwnd) != FALSE;
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(proc);
    const LONG_PTR old =
        link.wide ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value) : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value);
    link.previous = reinterpret_cast<WNDPROC>(old);
    return link;
}

bool IsCurrentWindowProc(HWND hwnd, WNDPROC proc, bool wide) {
    if (!IsWindow(hwnd)) return false;
    const LONG_PTR current = wide ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    return reinterpret_cast<WNDPROC>(current) == proc;
}

bool RestoreWindowProc(HWND hwnd, WNDPROC ours, const SubclassLink& link) {
    if (!link.previous || !IsCurrentWindowProc(hwnd, ours, link.wide)) return false;
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(link.previous);
    if (link.wide) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value);
    } else {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value);
    }
    return true;
}

LRESULT CallSavedProc(const SubclassLink& link, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!link.previous) return link.wide ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
    return link.wide ? CallWindowProcW(link.previous, hwnd, msg, wp, lp)
                     : CallWindowProcA(link.previous, hwnd, msg, wp, lp);
}

void RemovePropSubclass(HWND hwnd, WNDPROC ours, const SubclassLink& link, const wchar_t* prop, const void* owner) {
    if (!IsWindow(hwnd)) return;
    RestoreWindowProc(hwnd, ours, link);
    if (GetPropW(hwnd, prop) == owner) RemovePropW(hwnd, prop);
}

} // namespace hexmoor::rt
