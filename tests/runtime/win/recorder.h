#pragma once
// Windows of a plain class of our own that record the messages their own
// procedure receives, to compare with expected sequences.

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

namespace hexmoor::test {

inline std::map<HWND, std::vector<UINT>>& Recorded() {
    static std::map<HWND, std::vector<UINT>> log;
    return log;
}

inline LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Recorded()[hwnd].push_back(msg);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

inline HWND CreateRecorder(HWND parent = nullptr, DWORD style = 0, int x = 0, int y = 0, int w = 160, int h = 120) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &RecorderProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = L"HexmoorRecorder";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    const DWORD s = style ? style : (parent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE);
    return CreateWindowExW(0, L"HexmoorRecorder", L"", s, x, y, w, h, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

inline bool Saw(HWND hwnd, UINT msg) {
    const auto& log = Recorded()[hwnd];
    return std::find(log.begin(), log.end(), msg) != log.end();
}

inline long CountOf(HWND hwnd, UINT msg) {
    const auto& log = Recorded()[hwnd];
    return long(std::count(log.begin(), log.end(), msg));
}

} // namespace hexmoor::test
