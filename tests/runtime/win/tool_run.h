#pragma once
// Running the skinshot tool from a test: its path, a temporary file path,
// its exit code and output, and the picture it wrote.

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "model/platform/types.h"
#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

inline std::wstring TempPath(const wchar_t* name) {
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

inline std::wstring ToolPath() {
    std::string unix = HEXMOOR_SKINSHOT;
    std::wstring path = L"Z:";
    for (char c : unix) path += c == '/' ? L'\\' : wchar_t(c);
    return path;
}

// Runs the tool; returns its exit code and what it printed.
inline DWORD RunTool(const std::wstring& commandLine, std::string* output) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &sa, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(read);
        CloseHandle(write);
        return DWORD(-1);
    }
    CloseHandle(write);
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got) output->append(buffer, got);
    CloseHandle(read);
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return code;
}

inline PixelBuffer ReadPng(const std::wstring& path) {
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return {};
    const int w = int(bitmap.GetWidth()), h = int(bitmap.GetHeight());
    Gdiplus::Rect all(0, 0, w, h);
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return {};
    PixelBuffer out = PixelBuffer::FromBgra(static_cast<const std::uint8_t*>(data.Scan0), w, h, data.Stride);
    bitmap.UnlockBits(&data);
    return out;
}

// One "item KIND STATE X Y W H" line of skinshot's output.
struct SheetItem {
    int kind = 0;
    std::string state;
    PixelRect rect;
};

// The sheet's items of the given element kinds, in the order printed.
inline std::vector<SheetItem> ParseSheetItems(const std::string& output, std::initializer_list<int> kinds) {
    std::vector<SheetItem> items;
    std::istringstream in(output);
    std::string word;
    while (in >> word) {
        if (word != "item") continue;
        SheetItem item;
        int x = 0, y = 0, w = 0, h = 0;
        in >> item.kind >> item.state >> x >> y >> w >> h;
        item.rect = {x, y, x + w, y + h};
        if (std::find(kinds.begin(), kinds.end(), item.kind) != kinds.end()) items.push_back(item);
    }
    return items;
}

// How many pixels of the rectangle (clipped to the picture) have the colour.
inline long CountColour(const PixelBuffer& pixels, const PixelRect& r, COLORREF colour) {
    long n = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, pixels.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, pixels.Width()); ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

// True when some pixel of the rectangle has the colour.
inline bool ContainsColour(const PixelBuffer& pixels, const PixelRect& r, COLORREF colour) {
    return CountColour(pixels, r, colour) > 0;
}

} // namespace hexmoor::test
