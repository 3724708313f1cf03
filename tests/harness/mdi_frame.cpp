#include "tests/harness/mdi_frame.h"

namespace hexmoor::test {

const wchar_t* RegisterMdiChildClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW wc{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), name, &wc)) return name;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
    return name;
}

HWND CreateMdiClient(HWND frame, HMENU windowMenu, int width, int height) {
    if (width == 0 || height == 0) {
        RECT c;
        GetClientRect(frame, &c);
        width = c.right;
        height = c.bottom;
    }
    CLIENTCREATESTRUCT ccs{windowMenu, 5000};
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                           width, height, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
}

HWND CreateMdiChild(HWND client, const wchar_t* childClass, const wchar_t* title, int x, int y, int width, int height) {
    return CreateMDIWindowW(childClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height, client,
                            GetModuleHandleW(nullptr), 0);
}

} // namespace hexmoor::test
