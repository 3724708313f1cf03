#pragma once
// What the skinned statics and range controls share beyond the pass-through
// gate: a cached window-sized copy of the skinned parent's background, and
// choosing the element again by name when the skin changes.

#include <windows.h>

#include <functional>
#include <string>

#include "base/win/gdi.h"

class CTWWnd;

// Fills `cache` with a bitmap of the window's size holding what the object's
// EraseBackground draws (the skinned parent's background under it), then
// whatever `decorate` draws over it. Returns the bitmap.
HBITMAP RebuildParentBackground(CTWWnd& object, hexmoor::win::Bitmap& cache,
                                const std::function<void(HDC, const RECT&)>& decorate = {});

// Takes `name` as the object's element name and, while it has an element,
// looks the element up again in its skin.
void ReselectElement(CTWWnd& object, const std::wstring& name);
