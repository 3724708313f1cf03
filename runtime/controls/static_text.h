#pragma once
// The skinned text static: the parent's skinned background with the text in
// the element's enabled or disabled colour (or the colour the host set).

#include "runtime/controls/static_base.h"

class CTWStaticText : public CTWStaticBase {
public:
    BOOL Enable(BOOL on) override;
    COLORREF GetTextColor(int state) override;
    LRESULT Paint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;
};
