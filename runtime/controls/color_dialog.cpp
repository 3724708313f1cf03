#include "runtime/controls/color_dialog.h"

BOOL CTWColorDialog::Enable(BOOL on) {
    CTWWnd::Enable(on);
    return TRUE;
}

LRESULT CTWColorDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return CTWDialog::WindowProc(msg, wp, lp); }
