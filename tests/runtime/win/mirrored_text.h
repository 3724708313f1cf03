#pragma once
// Reading a window as the screen shows it, and telling which way the text in
// it reads: light text columns of a box against the font's own drawing.

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "base/win/gdi.h"
#include "tests/harness/capture.h"

namespace hexmoor::test {

// The window as the screen shows it, whatever its DC's layout.
inline PixelBuffer CaptureAsShown(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const win::WindowDC dc(hwnd, true);
    SetLayout(dc.Get(), 0);
    return CaptureDC(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top);
}

// How many pixels of each column inside `box` are light (white text over a
// darker background), the empty columns at both ends left out.
inline std::vector<int> LightColumns(const PixelBuffer& pixels, const RECT& box) {
    std::vector<int> columns;
    for (long x = std::max(0L, box.left); x < std::min(long(pixels.Width()), box.right); ++x) {
        int n = 0;
        for (long y = std::max(0L, box.top); y < std::min(long(pixels.Height()), box.bottom); ++y)
            if (GetGValue(pixels.At(int(x), int(y))) > 128) ++n;
        columns.push_back(n);
    }
    while (!columns.empty() && columns.back() == 0) columns.pop_back();
    const auto first = std::find_if(columns.begin(), columns.end(), [](int n) { return n != 0; });
    columns.erase(columns.begin(), first);
    return columns;
}

// The text as the font draws it left to right, white on black.
inline std::vector<int> TextColumns(HFONT font, const wchar_t* text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    PatBlt(dc, 0, 0, 200, 40, BLACKNESS);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutW(dc, 4, 4, text, int(wcslen(text)));
    const PixelBuffer pixels = CaptureDC(dc, 0, 0, 200, 40);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return LightColumns(pixels, {0, 0, 200, 40});
}

} // namespace hexmoor::test
