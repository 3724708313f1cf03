#include "runtime/image_button.h"

ImageButton::ImageButton() { hover_.Reset(); }

ImageButton::~ImageButton() { Detach(); }

BOOL ImageButton::Attach(HWND hwnd) {
    if (!AttachWindow(hwnd)) return FALSE;
    hover_.Init(hwnd, 0);
    return TRUE;
}

void ImageButton::Detach() { DetachWindow(); }

BOOL ImageButton::SetBitmaps(WORD normal, WORD pressed, WORD hot, WORD fourth, WORD fifth, BOOL resize) {
    if (!hwnd_ || !normal) return FALSE;
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const WORD ids[5] = {normal, pressed, hot, fourth, fifth};
    for (size_t i = 0; i < bitmaps_.size(); ++i) {
        bitmaps_[i].Reset(ids[i] ? static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(ids[i]), IMAGE_BITMAP, 0, 0,
                                                                   LR_CREATEDIBSECTION))
                                 : nullptr);
    }
    if (resize && bitmaps_[0]) {
        BITMAP bm{};
        GetObjectW(bitmaps_[0].Get(), sizeof bm, &bm);
        SetWindowPos(hwnd_, nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    return TRUE;
}

HBITMAP ImageButton::BitmapOfState() const {
    static constexpr int kIndexOfState[4] = {0, 1, 2, 4};
    const int index = (state_ >= 0 && state_ < 4) ? kIndexOfState[state_] : 0;
    return bitmaps_[size_t(index)] ? bitmaps_[size_t(index)].Get() : bitmaps_[0].Get();
}

bool ImageButton::Paint(HDC dc) {
    const HBITMAP bitmap = BitmapOfState();
    if (!bitmap) return false;
    RECT client;
    GetClientRect(hwnd_, &client);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    hexmoor::win::MemoryDC source(dc);
    hexmoor::win::SelectGuard select(source.Get(), bitmap);
    if (!StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY))
        return false;
    // The keyboard focus shows as a dotted rectangle inside the face, unless
    // the window's state hides focus cues (until the keyboard is used).
    if (GetFocus() == hwnd_ && !(SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

void ImageButton::Repaint() {
    hexmoor::win::WindowDC dc(hwnd_);
    if (dc) Paint(dc.Get());
}

LRESULT ImageButton::CallOldWithoutRedraw(UINT msg, WPARAM wp, LPARAM lp) {
    CallOld(WM_SETREDRAW, FALSE, 0);
    const LRESULT result = CallOld(msg, wp, lp);
    CallOld(WM_SETREDRAW, TRUE, 0);
    return result;
}

LRESULT ImageButton::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = CallOldWithoutRedraw(msg, wp, lp);
        Repaint();
        return result;
    }
    case WM_PAINT: {
        if (wp) {
            if (!Paint(reinterpret_cast<HDC>(wp))) return CallOld(msg, wp, lp);
            return 0;
        }
        bool painted = false;
        {
            const hexmoor::win::PaintScope paint(hwnd_);
            painted = Paint(paint.Dc());
        }
        return painted ? 0 : CallOld(msg, wp, lp);
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT: return 0;
    case WM_MOUSEACTIVATE: return CallOldWithoutRedraw(msg, wp, lp);
    case BM_SETSTATE: {
        const LRESULT result = CallOldWithoutRedraw(msg, wp, lp);
        if (wp) {
            state_ = kPressed;
            Repaint();
        }
        return result;
    }
    case BM_SETSTYLE: {
        const LRESULT result = CallOldWithoutRedraw(msg, wp, lp);
        Repaint();
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = CallOld(msg, wp, lp);
        hover_.OnMouseMove();
        if (state_ == kNormal) {
            state_ = kHot;
            Repaint();
        }
        InvalidateRect(hwnd_, nullptr, FALSE);
        return result;
    }
    case WM_LBUTTONDOWN:
        state_ = kPressed;
        Repaint();
        return CallOldWithoutRedraw(msg, wp, lp);
    case WM_LBUTTONUP: {
        const LRESULT result = CallOldWithoutRedraw(msg, wp, lp);
        state_ = kNormal;
        Repaint();
        return result;
    }
    case WM_MOUSELEAVE:
        hover_.OnMouseLeave();
        state_ = kNormal;
        Repaint();
        return CallOld(msg, wp, lp);
    default: return CallOld(msg, wp, lp);
    }
}
