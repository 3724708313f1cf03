#pragma once
// A cached copy of the skinned parent's background: window-sized as the
// skinned statics and range controls keep it, client-sized as the header
// and the tab control keep it.

#include <windows.h>

#include <functional>

#include "base/win/gdi.h"

class CTWWnd;

// Fills `cache` with a bitmap of the window's size holding what the object's
// EraseBackground draws (the skinned parent's background under it), then
// whatever `decorate` draws over it. Returns the bitmap.
HBITMAP RebuildParentBackground(CTWWnd& object, hexmoor::win::Bitmap& cache,
                                const std::function<void(HDC, const RECT&)>& decorate = {});

// The same at the size of the client area, over the system's face colour
// (what shows where no skinned parent draws). Null for an empty client area.
HBITMAP RebuildClientBackground(CTWWnd& object, hexmoor::win::Bitmap& cache,
                                const std::function<void(HDC, const RECT&)>& decorate = {});
