#pragma once
// MDI windows for window tests: a child window class registered once per
// name, an MDI client inside a frame, and children in that client.

#include <windows.h>

namespace hexmoor::test {

// Registers the MDI child class `name` (arrow cursor, window-colour
// background) with `proc`, unless a class of that name is registered
// already; returns the name.
const wchar_t* RegisterMdiChildClass(const wchar_t* name, WNDPROC proc = &DefMDIChildProcW);

// An MDI client with a client edge at the top left of `frame`, its first
// child id 5000 and `windowMenu` (may be null) for the children's list;
// width by height, or the frame's whole client area when they are 0.
HWND CreateMdiClient(HWND frame, HMENU windowMenu, int width = 0, int height = 0);

// A visible overlapped MDI child of `childClass` in `client`.
HWND CreateMdiChild(HWND client, const wchar_t* childClass, const wchar_t* title, int x, int y, int width, int height);

} // namespace hexmoor::test
