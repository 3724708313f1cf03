#pragma once
// A real top-level window for tests under Wine: placed on screen at a known
// spot, painted by a callback, destroyed with its object.

#include <windows.h>

#include <functional>
#include <string>

namespace hexmoor::test {

struct TestWindowArgs {
    int clientWidth = 200;
    int clientHeight = 150;
    DWORD style = WS_POPUP | WS_VISIBLE;
    DWORD exStyle = 0;
    std::wstring caption = L"Hexmoor test";
    // Called on WM_PAINT with the paint DC; the default fills nothing.
    std::function<void(HDC, const RECT& client)> paint;
};

class TestWindow {
public:
    explicit TestWindow(const TestWindowArgs& args = {});
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    // Repaints now and lets queued messages run, so a capture sees the result.
    void PaintNow();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    std::function<void(HDC, const RECT&)> paint_;
};

// Runs the thread's queued messages without waiting.
void PumpMessages();

} // namespace hexmoor::test
