#include "tests/harness/splitter_window.h"

#include <string>

#include "runtime/logic/classifier.h"

namespace hexmoor::test {

namespace {

constexpr const wchar_t* kPaneClass = L"HexmoorSplitterPane";

LRESULT CALLBACK PaneProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

std::wstring SplitterClassName() {
    const std::string narrow = hexmoor::rt::kSplitterWindowClass;
    return std::wstring(narrow.begin(), narrow.end());
}

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    static const std::wstring name = SplitterClassName();
    wc.lpszClassName = name.c_str();
    RegisterClassW(&wc);
    wc.lpfnWndProc = PaneProc;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kPaneClass;
    RegisterClassW(&wc);
}

// Splits `length` into `count` parts that leave a gap between neighbours.
std::vector<int> Split(int length, int count) {
    std::vector<int> parts;
    const int room = length - 2 * SplitterWindow::kBorder - (count - 1) * SplitterWindow::kGap;
    for (int i = 0; i < count; ++i) parts.push_back(room / count + (i < room % count ? 1 : 0));
    return parts;
}

} // namespace

SplitterWindow::SplitterWindow(HWND parent, const RECT& place, int rows, int columns, DWORD scrollStyle, DWORD exStyle)
    : scrollStyle_(scrollStyle) {
    RegisterClasses();
    const std::wstring name = SplitterClassName();
    hwnd_ = CreateWindowExW(exStyle, name.c_str(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return;
    SetPropW(hwnd_, hexmoor::win::kSplitterHostProperty, static_cast<hexmoor::win::SplitterHost*>(this));
    RECT client{};
    GetClientRect(hwnd_, &client);
    rows_ = Split(client.bottom, rows);
    columns_ = Split(client.right, columns);
    int y = kBorder;
    for (int r = 0; r < rows; ++r) {
        int x = kBorder;
        for (int c = 0; c < columns; ++c) {
            panes_.push_back(CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE, x, y, columns_[size_t(c)],
                                             rows_[size_t(r)], hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr));
            x += columns_[size_t(c)] + kGap;
        }
        y += rows_[size_t(r)] + kGap;
    }
}

SplitterWindow::~SplitterWindow() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemovePropW(hwnd_, hexmoor::win::kSplitterHostProperty);
        DestroyWindow(hwnd_);
    }
}

HWND SplitterWindow::Pane(int row, int column) const {
    const size_t i = size_t(row) * columns_.size() + size_t(column);
    return i < panes_.size() ? panes_[i] : nullptr;
}

int SplitterWindow::RowHeight(int row) const { return row >= 0 && row < int(rows_.size()) ? rows_[size_t(row)] : 0; }

int SplitterWindow::ColumnWidth(int column) const {
    return column >= 0 && column < int(columns_.size()) ? columns_[size_t(column)] : 0;
}

} // namespace hexmoor::test
