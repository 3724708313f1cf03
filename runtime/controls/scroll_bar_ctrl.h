#pragma once
// The skinned stand-alone scroll-bar control: the whole control is handed
// to the scroll-bar engine as a control bar, which paints it part by part
// through the control's own custom-draw answer (the stand-alone image set of
// the scroll-bar element) and sends the scroll messages to the parent.

#include "runtime/wnd/tw_wnd.h"

class CTWScrollBarCtrl : public CTWWnd {
public:
    ~CTWScrollBarCtrl() override;
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Detach() override;
    void Reset(const std::wstring& name) override;
};
