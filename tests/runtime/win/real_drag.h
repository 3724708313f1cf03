#pragma once
// A real mouse drag for window tests: pressed, moved and released through
// SendInput from a helper thread, while the window's own thread runs the
// system's move or sizing loop.

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "tests/harness/real_input.h"
#include "tests/harness/test_window.h"

namespace hexmoor::test {

// Presses at `grab`, moves by `step` four times and releases; `afterStep`
// runs on the helper thread after each move. `done` is set once released.
inline void DragFromHelper(POINT grab, POINT step, std::atomic<bool>& done, std::function<void()> afterStep = {}) {
    std::thread([=, &done] {
        Sleep(50);
        SetCursorPos(grab.x, grab.y);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Sleep(80);
        for (int i = 1; i <= 4; ++i) {
            MoveCursorTo({grab.x + step.x * i, grab.y + step.y * i});
            Sleep(60);
            if (afterStep) afterStep();
        }
        MouseButton(MOUSEEVENTF_LEFTUP);
        Sleep(80);
        done = true;
    }).detach();
}

// Runs the queue until the drag is over (two seconds at most).
inline void PumpUntilDragged(const std::atomic<bool>& done) {
    for (int i = 0; i < 400 && !done; ++i) {
        PumpMessages();
        Sleep(5);
    }
}

} // namespace hexmoor::test
