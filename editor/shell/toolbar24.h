#pragma once
// The small toolbar of the panes and the name dialog: a common-controls
// toolbar whose images come from 24-bit bitmaps in which one key colour is
// replaced by the menu colour, so the buttons blend with the pane.

#include <windows.h>
#include <commctrl.h>

#include "framework/toolbar_images.h"
#include "framework/window.h"

namespace hexmoor::shell {

using fw::KeyColor;
using fw::ReplaceKeyColor;

class CToolBar24BitCtrl : public fw::Window {
public:
    CToolBar24BitCtrl(SIZE imageSize, int imageCount, KeyColor key)
        : imageSize_(imageSize), imageCount_(imageCount), key_(key) {}

    bool CreateIn(HWND parent, UINT id, DWORD style);
    // Loads the three bitmaps and hands the lists to the control.
    void LoadImages(UINT normal, UINT disabled, UINT hot);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    SIZE imageSize_;
    int imageCount_;
    KeyColor key_;
    fw::ToolbarImageLists lists_;
};

} // namespace hexmoor::shell
