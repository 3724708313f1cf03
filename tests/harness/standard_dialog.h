#pragma once
// A test dialog holding one of each standard control, built from an
// in-memory template, and the kind the classifier must give each control.

#include <windows.h>

#include <vector>

namespace hexmoor::test {

struct StandardControl {
    int id;
    const wchar_t* className;
    DWORD style;
    int expectedKind;
};

// Every control the dialog holds, in creation order.
const std::vector<StandardControl>& StandardControls();

// Creates the modeless dialog (WS_POPUP, caption, visible at 0,0) with its
// controls; common controls are registered first. The dialog's own
// procedure does nothing beyond the default.
HWND CreateStandardDialog(HWND owner = nullptr);

// Area of the dialog's client rectangle (dialog units converted) that no
// control covers: its lower right part.
RECT FreeClientArea(HWND dialog);

} // namespace hexmoor::test
