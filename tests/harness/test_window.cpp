#include "tests/harness/test_window.h"

namespace hexmoor::test {

namespace {
constexpr wchar_t kClassName[] = L"HexmoorTestWindow";

void RegisterOnce(WNDPROC proc) {
    static const ATOM atom = [proc] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
}
} // namespace

TestWindow::TestWindow(const TestWindowArgs& args) : paint_(args.paint) {
    RegisterOnce(&TestWindow::Proc);
    RECT r{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&r, args.style, FALSE, args.exStyle);
    hwnd_ = CreateWindowExW(args.exStyle, kClassName, args.caption.c_str(), args.style, 0, 0, r.right - r.left,
                            r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    PaintNow();
}

TestWindow::~TestWindow() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    PumpMessages();
}

void TestWindow::PaintNow() {
    if (!hwnd_) return;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_PAINT && self && self->paint_) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        self->paint_(dc, client);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_NCDESTROY && self) {
        self->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace hexmoor::test
