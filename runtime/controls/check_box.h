#pragma once
// Skinned check boxes and radio buttons: the parent's background, a 13 x 13
// glyph chosen by check state and look, and the caption beside it. The
// system's drawing is moved out of sight through the reflected colour
// answer; the mouse is taken over for the hot, pressed and fade looks.

#include "runtime/controls/button_base.h"

// What check boxes and radios share.
class CTWCheckBase : public CTWButtonBase {
public:
    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    unsigned GetImageAlignment(DWORD style) override;
    unsigned GetTextFormat(DWORD style) override;
    COLORREF GetTextColor(int state) override;
    CMrgBitmap* GetGlyphImage(int state) override;

protected:
    // The element kind (6 or 7) and the check shown: 0, 1, or 2 (indeterminate).
    virtual int Kind() const = 0;
    virtual int CheckShown() = 0;
    LRESULT SetFont(WPARAM wp, LPARAM lp, bool invalidateInParent);
};

class CTWCheckBox : public CTWCheckBase {
public:
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    int Kind() const override { return 6; }
    int CheckShown() override;

private:
    int check_ = 0;
};

class CTWRadio : public CTWCheckBase {
public:
    BOOL Enable(BOOL on) override;
    void InitMode(const char* className) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    int Kind() const override { return 7; }
    int CheckShown() override;
    void SetCheckedFlag(int checked) override { checked_ = checked != 0; }

private:
    BOOL checked_ = FALSE;
    BOOL checkRead_ = FALSE;
    int framework_ = -1; // -1: the runtime's host framework kind
};

// The host framework kind a window of these classes follows.
int HostFrameworkOf(int own);
