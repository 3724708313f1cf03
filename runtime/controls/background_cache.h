#pragma once
// A cached copy of the skinned parent's background: window-sized as the
// skinned statics, buttons, edits, combo boxes, lists and range controls keep
// it, client-sized as the header and the tab control keep it.

#include <windows.h>

#include <functional>

#include "base/win/gdi.h"

class CTWWnd;

// What the cached bitmap covers and what lies under the parent's background.
struct BackgroundCanvas {
    // The client area (else the whole window).
    bool client = false;
    // Filled first; null fills nothing.
    HBRUSH underlay = nullptr;
    // An empty area gives no bitmap (else a 1 x 1 one).
    bool emptyGivesNone = false;
    // The object's EraseBackground draws first (the skinned parent's
    // background under it); off when `decorate` draws all of it.
    bool erase = true;
};

// Fills `cache` with a bitmap of the canvas's area holding the underlay,
// what the object's EraseBackground draws and then what `decorate` draws.
// Returns the bitmap (null, with the cache empty, when none could be made).
HBITMAP RebuildBackground(CTWWnd& object, hexmoor::win::Bitmap& cache, const BackgroundCanvas& canvas,
                          const std::function<void(HDC, const RECT&)>& decorate = {});

// The window-sized form, without underlay.
HBITMAP RebuildParentBackground(CTWWnd& object, hexmoor::win::Bitmap& cache,
                                const std::function<void(HDC, const RECT&)>& decorate = {});

// The client-sized form over the system's face colour (what shows where no
// skinned parent draws). Null for an empty client area.
HBITMAP RebuildClientBackground(CTWWnd& object, hexmoor::win::Bitmap& cache,
                                const std::function<void(HDC, const RECT&)>& decorate = {});
