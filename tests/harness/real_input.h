#pragma once
// Real mouse input for window tests, as a user's hand makes it: the pointer
// put on a screen point with a move event, buttons pressed and released
// through SendInput, so that the system's own hit tests, capture and
// tracking run.

#include <windows.h>

namespace hexmoor::test {

// One button event (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, ...).
inline void MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The pointer on a screen point, with the move event windows hear.
inline void MoveCursorTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    MouseButton(MOUSEEVENTF_MOVE);
}

// A left click at a screen point: moved there, pressed and released in one
// batch of input.
inline void ClickAtScreen(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input[3] = {};
    for (auto& i : input) i.type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
}

} // namespace hexmoor::test
