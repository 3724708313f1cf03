#include "framework/min_splitter.h"

#include <windowsx.h>

#include "base/win/gdi.h"
#include "base/win/rect.h"

namespace hexmoor::fw {

namespace {

// A one-pixel raised frame: `light` along the top and left, `dark` along the
// bottom and right.
void Draw3dFrame(HDC dc, const Rect& r, COLORREF light, COLORREF dark) {
    if (r.IsEmpty()) return;
    win::Brush lightBrush(::CreateSolidBrush(light));
    win::Brush darkBrush(::CreateSolidBrush(dark));
    const RECT top{r.left, r.top, r.right - 1, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom - 1};
    const RECT right{r.right - 1, r.top, r.right, r.bottom}, bottom{r.left, r.bottom - 1, r.right, r.bottom};
    ::FillRect(dc, &top, lightBrush.Get());
    ::FillRect(dc, &left, lightBrush.Get());
    ::FillRect(dc, &right, darkBrush.Get());
    ::FillRect(dc, &bottom, darkBrush.Get());
}

} // namespace

MinSplitterWindow::~MinSplitterWindow() {
    if (Handle()) ::RemovePropW(Handle(), win::kSplitterHostProperty);
}

int MinSplitterWindow::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? rows_[static_cast<size_t>(row)].currentSize : 0;
}

int MinSplitterWindow::ColumnWidth(int column) const {
    return column >= 0 && column < ColumnCount() ? columns_[static_cast<size_t>(column)].currentSize : 0;
}

bool MinSplitterWindow::Create(HWND parent, int rows, int columns, int id, const SplitterOptions& options) {
    barSize_ = options.barSize;
    rows_.assign(static_cast<size_t>(std::max(rows, 1)), SplitterTrack{});
    columns_.assign(static_cast<size_t>(std::max(columns, 1)), SplitterTrack{});
    panes_.assign(rows_.size() * columns_.size(), nullptr);
    WindowArgs args;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    args.classStyle = CS_DBLCLKS;
    if (!options.className.empty()) {
        // A class of that name that does nothing of its own: this object
        // subclasses the window it makes.
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        if (!::GetClassInfoExW(ResourceModule(), options.className.c_str(), &wc)) {
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = ::DefWindowProcW;
            wc.hInstance = ResourceModule();
            wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
            wc.lpszClassName = options.className.c_str();
            if (!::RegisterClassExW(&wc)) return false;
        }
        args.className = options.className;
    }
    if (!Window::Create(args)) return false;
    ::SetPropW(Handle(), win::kSplitterHostProperty, static_cast<win::SplitterHost*>(this));
    if (!options.className.empty()) RecalcLayout();
    return true;
}

int MinSplitterWindow::OnCreate(CREATESTRUCTW*) { return 0; }

void MinSplitterWindow::SetPane(int row, int column, HWND pane) {
    if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size()) || column >= static_cast<int>(columns_.size()))
        return;
    panes_[static_cast<size_t>(row) * columns_.size() + column] = pane;
    if (pane && Handle() && ::GetParent(pane) != Handle()) ::SetParent(pane, Handle());
    RecalcLayout();
}

HWND MinSplitterWindow::Pane(int row, int column) const {
    if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size()) || column >= static_cast<int>(columns_.size()))
        return nullptr;
    return panes_[static_cast<size_t>(row) * columns_.size() + column];
}

void MinSplitterWindow::SetRowInfo(int row, int ideal, int minimum) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    rows_[row].idealSize = ideal;
    rows_[row].minSize = minimum;
}

void MinSplitterWindow::SetColumnInfo(int column, int ideal, int minimum) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    columns_[column].idealSize = ideal;
    columns_[column].minSize = minimum;
}

Size MinSplitterWindow::MinimumSize() const {
    return Size{MinimumSplitterExtent(columns_, kBorder, barSize_), MinimumSplitterExtent(rows_, kBorder, barSize_)};
}

void MinSplitterWindow::RecalcLayout() {
    if (!Handle()) return;
    RECT client{};
    ::GetClientRect(Handle(), &client);
    LayoutSplitterTracks(columns_, client.right - 2 * kBorder, barSize_, 2);
    LayoutSplitterTracks(rows_, client.bottom - 2 * kBorder, barSize_, 2);
    int x = kBorder;
    for (size_t c = 0; c < columns_.size(); ++c) {
        int y = kBorder;
        for (size_t r = 0; r < rows_.size(); ++r) {
            if (HWND pane = panes_[r * columns_.size() + c]) {
                RECT now{};
                ::GetWindowRect(pane, &now);
                ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&now), 2);
                const RECT want{x, y, x + columns_[c].currentSize, y + rows_[r].currentSize};
                if (!::EqualRect(&now, &want)) {
                    ::SetWindowPos(pane, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
                }
            }
            y += rows_[r].currentSize + barSize_;
        }
        x += columns_[c].currentSize + barSize_;
    }
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

Rect MinSplitterWindow::BarRect(bool vertical, int index) const {
    RECT client{};
    if (Handle()) ::GetClientRect(Handle(), &client);
    const std::vector<SplitterTrack>& tracks = vertical ? columns_ : rows_;
    if (index < 0 || index + 1 >= static_cast<int>(tracks.size())) return {};
    int at = kBorder;
    for (int i = 0; i <= index; ++i) at += tracks[i].currentSize + (i < index ? barSize_ : 0);
    return vertical ? Rect{at, 0, at + barSize_, client.bottom} : Rect{0, at, client.right, at + barSize_};
}

MinSplitterWindow::Hit MinSplitterWindow::HitTest(Point p) const {
    for (int c = 0; c + 1 < static_cast<int>(columns_.size()); ++c) {
        if (BarRect(true, c).Contains(p)) return Hit{true, c};
    }
    for (int r = 0; r + 1 < static_cast<int>(rows_.size()); ++r) {
        if (BarRect(false, r).Contains(p)) return Hit{false, r};
    }
    return Hit{};
}

void MinSplitterWindow::OnSize(UINT, int, int) { RecalcLayout(); }

bool MinSplitterWindow::OnPaint() {
    win::PaintScope paint(Handle());
    HDC dc = paint.Dc();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    // A grey outline inside each bar.
    win::Pen pen(::CreatePen(PS_SOLID, 1, 0x7F7F7F));
    win::SelectGuard pens(dc, pen.Get());
    win::SelectGuard brush(dc, ::GetStockObject(NULL_BRUSH));
    for (bool vertical : {true, false}) {
        const int count = static_cast<int>((vertical ? columns_ : rows_).size());
        for (int i = 0; i + 1 < count; ++i) {
            const Rect bar = BarRect(vertical, i).Deflate(kBorder);
            ::Rectangle(dc, bar.left, bar.top, bar.right, bar.bottom);
            if (hot_) Draw3dFrame(dc, bar, ::GetSysColor(COLOR_3DHIGHLIGHT), 0x7F7F7F);
        }
    }
    return true;
}

void MinSplitterWindow::UpdateHotBar(Point p) {
    const Hit hit = HitTest(p);
    if (hit.index >= 0) hotBar_ = BarRect(hit.vertical, hit.index);
    const bool hot = hit.index >= 0 && ::GetKeyState(VK_LBUTTON) >= 0;
    if (hot == hot_ || tracking_.index >= 0) return;
    hot_ = hot;
    const RECT r = ToRECT(hotBar_);
    ::InvalidateRect(Handle(), &r, FALSE);
}

void MinSplitterWindow::InvertTracker(const Rect& r) {
    if (r.IsEmpty()) return;
    win::WindowDC dc(Handle());
    const Rect inner = r.Deflate(kBorder);
    ::PatBlt(dc.Get(), inner.left, inner.top, inner.Width(), inner.Height(), DSTINVERT);
}

void MinSplitterWindow::OnWindowPosChanging(WINDOWPOS* pos) {
    if (pos->flags & SWP_NOSIZE) return;
    const Size minimum = MinimumSize();
    RECT now{};
    ::GetWindowRect(Handle(), &now);
    if (HWND parent = ::GetParent(Handle())) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
    const bool moves = !(pos->flags & SWP_NOMOVE);
    const AxisPlacement x = ClampSplitterWindow({moves ? pos->x : now.left, pos->cx}, now.left, minimum.cx);
    const AxisPlacement y = ClampSplitterWindow({moves ? pos->y : now.top, pos->cy}, now.top, minimum.cy);
    pos->cx = x.length;
    pos->cy = y.length;
    if (x.position != (moves ? pos->x : now.left) || y.position != (moves ? pos->y : now.top)) {
        pos->x = x.position;
        pos->y = y.position;
        pos->flags &= ~SWP_NOMOVE;
    }
}

LRESULT MinSplitterWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_WINDOWPOSCHANGING: OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lp)); return 0;
    case WM_SETCURSOR: {
        POINT p{};
        ::GetCursorPos(&p);
        ::ScreenToClient(Handle(), &p);
        const Hit hit = tracking_.index >= 0 ? tracking_ : HitTest({p.x, p.y});
        if (LOWORD(lp) == HTCLIENT && hit.index >= 0) {
            ::SetCursor(::LoadCursorW(nullptr, hit.vertical ? IDC_SIZEWE : IDC_SIZENS));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        const Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        const Hit hit = HitTest(p);
        if (hit.index < 0) break;
        tracking_ = hit;
        tracker_ = BarRect(hit.vertical, hit.index);
        trackOffset_ = hit.vertical ? tracker_.left - p.x : tracker_.top - p.y;
        ::SetCapture(Handle());
        InvertTracker(tracker_);
        return 0;
    }
    case WM_MOUSELEAVE:
        leaveTracked_ = false;
        UpdateHotBar({-1, -1});
        return 0;
    case WM_MOUSEMOVE: {
        if (!leaveTracked_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
            leaveTracked_ = ::TrackMouseEvent(&track) != FALSE;
        }
        UpdateHotBar({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (tracking_.index < 0 || ::GetCapture() != Handle()) break;
        RECT client{};
        ::GetClientRect(Handle(), &client);
        const bool vertical = tracking_.vertical;
        const int point = vertical ? GET_X_LPARAM(lp) : GET_Y_LPARAM(lp);
        const int at = ClampSplitterBar(vertical ? columns_ : rows_, tracking_.index, point + trackOffset_, kBorder,
                                        barSize_, vertical ? client.right : client.bottom);
        InvertTracker(tracker_);
        tracker_ = vertical ? Rect{at, 0, at + barSize_, client.bottom} : Rect{0, at, client.right, at + barSize_};
        InvertTracker(tracker_);
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_CANCELMODE: {
        if (tracking_.index < 0) break;
        InvertTracker(tracker_);
        const Hit done = tracking_;
        tracking_ = Hit{};
        if (::GetCapture() == Handle()) ::ReleaseCapture();
        if (msg == WM_LBUTTONUP) {
            // The track before the bar takes the size the bar now gives it.
            std::vector<SplitterTrack>& tracks = done.vertical ? columns_ : rows_;
            int start = kBorder;
            for (int i = 0; i < done.index; ++i) start += tracks[i].currentSize + barSize_;
            const int size = (done.vertical ? tracker_.left : tracker_.top) - start;
            tracks[done.index].idealSize = std::max(size, tracks[done.index].minSize);
            RecalcLayout();
        }
        return 0;
    }
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::fw
