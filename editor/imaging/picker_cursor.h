#pragma once
// The cursor shown while a colour is picked from the screen (the region
// editor's key and range colours, the colour-adjustment pane's eyedropper).

#include <windows.h>

#include "framework/window.h"
#include "resources/app_ids.h"

namespace hexmoor::preview {

// The application's pipette cursor; the system's cross when the resource is
// missing. Loaded cursors are shared and never destroyed.
inline HCURSOR ColorPickerCursor() {
    if (HCURSOR own = ::LoadCursorW(fw::ResourceModule(), MAKEINTRESOURCEW(IDC_COLOR_PICKER))) return own;
    return ::LoadCursorW(nullptr, IDC_CROSS);
}

} // namespace hexmoor::preview
