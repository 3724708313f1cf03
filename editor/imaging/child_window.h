#pragma once
// Small helpers the image tools' windows share: creating a child control in
// a rectangle, and painting through an off-screen bitmap.

#include <functional>

#include "base/win/gdi.h"
#include "framework/window.h"

namespace hexmoor::preview {

// Creates window as a child of parent in rect (parent client coordinates).
bool CreateChildWindow(fw::Window& window, HWND parent, const RECT& rect, int id, DWORD style,
                       const wchar_t* text = L"");

// Paints the window's client area: draw gets an off-screen DC and the client
// rectangle, and the result is copied to the screen in one step.
void PaintBuffered(HWND hwnd, const std::function<void(HDC, const RECT&)>& draw);

} // namespace hexmoor::preview
