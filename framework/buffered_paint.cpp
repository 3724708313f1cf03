#include "framework/buffered_paint.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"

namespace hexmoor::fw {

namespace {

// What the scroll bars of a window show: whether each is there and its range,
// page and position.
struct ScrollBarsState {
    struct Bar {
        bool shown = false;
        int min = 0, max = 0, page = 0, pos = 0;
        bool operator==(const Bar&) const = default;
    };
    Bar horizontal, vertical;
    bool operator==(const ScrollBarsState&) const = default;

    static ScrollBarsState Of(HWND hwnd) {
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        ScrollBarsState state;
        state.horizontal = Read(hwnd, SB_HORZ, (style & WS_HSCROLL) != 0);
        state.vertical = Read(hwnd, SB_VERT, (style & WS_VSCROLL) != 0);
        return state;
    }

private:
    static Bar Read(HWND hwnd, int which, bool shown) {
        Bar bar;
        bar.shown = shown;
        if (!shown) return bar;
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS};
        if (GetScrollInfo(hwnd, which, &info)) {
            bar.min = info.nMin;
            bar.max = info.nMax;
            bar.page = static_cast<int>(info.nPage);
            bar.pos = info.nPos;
        }
        return bar;
    }
};

// Keeps a control's paint from redrawing its scroll bars. Wine's tree view
// sets both bars again, each with a redraw, on every paint: three redraws of
// the bars per paint, each a dozen and more transparent blits through the
// theme, and under Wine the dearest part of painting the tree. The bars are
// the non-client paint's to draw; meanwhile the window's drawing is switched
// off the system's own way (DefWindowProc's WM_SETREDRAW, which leaves the
// control's state alone). When the paint did change the bars, the window is
// redrawn whole, as the change may have moved or resized the client area.
//
// Not for a window with child windows (a tree's label editor): switching
// drawing off validates them. Only under Wine: Windows' own tree view leaves
// its bars to the non-client paint, so there nothing needs holding still.
class ScrollBarsKeptStill {
public:
    explicit ScrollBarsKeptStill(HWND hwnd) : hwnd_(hwnd), active_(Applies(hwnd)) {
        if (!active_) return;
        before_ = ScrollBarsState::Of(hwnd_);
        DefWindowProcW(hwnd_, WM_SETREDRAW, FALSE, 0);
    }
    ~ScrollBarsKeptStill() {
        if (!active_) return;
        DefWindowProcW(hwnd_, WM_SETREDRAW, TRUE, 0);
        if (!(ScrollBarsState::Of(hwnd_) == before_))
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    ScrollBarsKeptStill(const ScrollBarsKeptStill&) = delete;
    ScrollBarsKeptStill& operator=(const ScrollBarsKeptStill&) = delete;

private:
    static bool Applies(HWND hwnd) {
        static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
        if (!wine) return false;
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        return (style & WS_VISIBLE) && (style & (WS_HSCROLL | WS_VSCROLL)) && !GetWindow(hwnd, GW_CHILD);
    }

    HWND hwnd_;
    bool active_;
    ScrollBarsState before_;
};

} // namespace

void BufferedPaintWindow::PaintInto(HDC dc) {
    erasing_ = dc;
    SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    erasing_ = nullptr;
    ScrollBarsKeptStill bars(Handle());
    DefaultProc(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

bool BufferedPaintWindow::PaintBuffered(HDC screen, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return true;
    if (GetLayout(screen) & LAYOUT_RTL) return false;
    win::MemoryDC memory(screen);
    win::Bitmap buffer(win::CreateScreenBitmap(width, height));
    if (!memory || !buffer) return false;
    win::SelectGuard select(memory.Get(), buffer.Get());
    // Client coordinates in, the update rectangle's corner at the buffer's.
    SetWindowOrgEx(memory.Get(), area.left, area.top, nullptr);
    PaintInto(memory.Get());
    BitBlt(screen, area.left, area.top, width, height, memory.Get(), area.left, area.top, SRCCOPY);
    return true;
}

LRESULT BufferedPaintWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        // The paint that follows draws the background into its buffer.
        if (reinterpret_cast<HDC>(wp) != erasing_) return 1;
        break;
    case WM_PAINT: {
        if (wp) break; // a DC of the caller's: painted as asked
        const win::PaintScope paint(Handle());
        // Without a buffer the control draws straight into the paint DC,
        // its background first since the erase was skipped.
        if (HDC screen = paint.Dc(); screen && !PaintBuffered(screen, paint.Info().rcPaint)) PaintInto(screen);
        return 0;
    }
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::fw
