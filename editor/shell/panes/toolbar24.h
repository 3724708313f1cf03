#pragma once
// The small toolbar of the panes and the name dialog: a common-controls
// toolbar whose images come from 24-bit bitmaps in which one key colour is
// the transparent background, so the buttons blend with the pane on every
// look.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <span>

#include "framework/toolbar_images.h"
#include "framework/buffered_paint.h"

namespace hexmoor::shell {

struct KeyColor {
    std::uint8_t b, g, r; // in the memory order of a 24-bit DIB
};

// Turns every pixel but the key colour into a light grey of its own
// luminance (never the key itself), as a disabled button's image, in a
// buffer of 24-bit pixels (no row padding: pass each row).
void GreyPixels(std::span<std::uint8_t> pixels, KeyColor key);

class CToolBar24BitCtrl : public fw::BufferedPaintWindow {
public:
    CToolBar24BitCtrl(SIZE imageSize, int imageCount, KeyColor key)
        : imageSize_(imageSize), imageCount_(imageCount), key_(key) {}

    bool CreateIn(HWND parent, UINT id, DWORD style);
    // Loads the three bitmaps and hands the lists to the control.
    void LoadImages(UINT normal, UINT disabled, UINT hot);
    // Runs `make` when the mouse first moves over the bar, before the bar
    // sees that move: a tooltip is made there rather than at start-up, where
    // each costs a top-level window.
    void MakeTooltipWhenHovered(std::function<void()> make) { makeTooltip_ = std::move(make); }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    SIZE imageSize_;
    int imageCount_;
    KeyColor key_;
    fw::ToolbarImageLists lists_;
    std::function<void()> makeTooltip_;
};

} // namespace hexmoor::shell
