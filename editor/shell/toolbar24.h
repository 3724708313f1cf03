#pragma once
// The small toolbar of the panes and the name dialog: a common-controls
// toolbar whose images come from 24-bit bitmaps in which one key colour is
// replaced by the menu colour, so the buttons blend with the pane.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <span>

#include "framework/window.h"

namespace hexmoor::shell {

struct KeyColor {
    std::uint8_t b, g, r; // in the memory order of a 24-bit DIB
};

// Replaces every pixel equal to key with replacement (0x00BBGGRR) in a
// buffer of 24-bit pixels (no row padding: pass each row, or a padded
// buffer whose padding cannot match three bytes of a pixel).
void ReplaceKeyColor(std::span<std::uint8_t> pixels, KeyColor key, COLORREF replacement);

class CToolBar24BitCtrl : public fw::Window {
public:
    CToolBar24BitCtrl(SIZE imageSize, int imageCount, KeyColor key)
        : imageSize_(imageSize), imageCount_(imageCount), key_(key) {}
    ~CToolBar24BitCtrl() override;

    bool CreateIn(HWND parent, UINT id, DWORD style);
    // Loads the three bitmaps and hands the lists to the control.
    void LoadImages(UINT normal, UINT disabled, UINT hot);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HIMAGELIST LoadList(UINT bitmapId);
    SIZE imageSize_;
    int imageCount_;
    KeyColor key_;
    HIMAGELIST disabled_ = nullptr, hot_ = nullptr, normal_ = nullptr;
};

} // namespace hexmoor::shell
