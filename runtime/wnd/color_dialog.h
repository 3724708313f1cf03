#pragma once
// The skinned system colour-chooser dialog: a skinned dialog whose enabling
// runs only the common window form (its own controls keep their system
// behaviour beside the skinned background).

#include "runtime/wnd/tw_dialog.h"

class CTWColorDialog : public CTWDialog {
public:
    BOOL Enable(BOOL on) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int reserved_ = 0;
};

// Whether the window is the system colour-chooser dialog (its module and
// its colour controls).
bool IsChooseColorDialog(HWND hwnd);
