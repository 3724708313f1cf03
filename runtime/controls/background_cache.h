#pragma once
// A cached window-sized copy of the skinned parent's background, as the
// skinned statics and range controls keep it.

#include <windows.h>

#include <functional>

#include "base/win/gdi.h"

class CTWWnd;

// Fills `cache` with a bitmap of the window's size holding what the object's
// EraseBackground draws (the skinned parent's background under it), then
// whatever `decorate` draws over it. Returns the bitmap.
HBITMAP RebuildParentBackground(CTWWnd& object, hexmoor::win::Bitmap& cache,
                                const std::function<void(HDC, const RECT&)>& decorate = {});
