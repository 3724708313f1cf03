#include "runtime/image_dialog.h"

namespace {
HINSTANCE WindowModule(HWND hwnd) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)); }

// Sizes the window so its client area is cx by cy, keeping place and order.
void SizeClientTo(HWND hwnd, int cx, int cy) {
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    const int extraW = (window.right - window.left) - client.right;
    const int extraH = (window.bottom - window.top) - client.bottom;
    SetWindowPos(hwnd, nullptr, 0, 0, cx + extraW, cy + extraH, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

ImageDialog::~ImageDialog() { Detach(); }

BOOL ImageDialog::Attach(HWND hwnd) { return AttachWindow(hwnd) ? TRUE : FALSE; }

void ImageDialog::Detach() { DetachWindow(); }

BOOL ImageDialog::SetBitmap(WORD resourceId, BOOL resize) {
    if (!hwnd_) return FALSE;
    bitmap_.Reset(static_cast<HBITMAP>(
        LoadImageW(WindowModule(hwnd_), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (bitmap_ && resize) {
        BITMAP bm{};
        GetObjectW(bitmap_.Get(), sizeof bm, &bm);
        SizeClientTo(hwnd_, bm.bmWidth, bm.bmHeight);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    return TRUE;
}

LRESULT ImageDialog::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: {
        if (!bitmap_) break;
        HDC dc = reinterpret_cast<HDC>(wp);
        RECT client;
        GetClientRect(hwnd_, &client);
        BITMAP bm{};
        GetObjectW(bitmap_.Get(), sizeof bm, &bm);
        hexmoor::win::MemoryDC source(dc);
        hexmoor::win::SelectGuard select(source.Get(), bitmap_.Get());
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (wp) {
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        break;
    case WM_LBUTTONDOWN: {
        const LRESULT result = CallOld(msg, wp, lp);
        if (drag_) SendMessageW(hwnd_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
        return result;
    }
    default: break;
    }
    return CallOld(msg, wp, lp);
}
