#pragma once
// The skinned object of a dialog: paints the client background from the
// dialog element, caches it, hands the right part of it to every child that
// erases its background, keeps the system from painting its own, and keeps
// the background in step with scrolling, skin changes and tab pages.

#include "runtime/wnd/tw_wnd.h"

class CTWDialog : public CTWWnd {
public:
    CTWDialog() = default;
    ~CTWDialog() override = default;

    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

    void SetTabPageValue(int value);
    int GetTabPageValue() const { return tabPageValue_; }
    LRESULT EraseSelf(HDC dc);
    void SetCompanion(CTWWnd* companion) { companion_ = companion; }
    BOOL IsColorDialog() const { return colorDialog_; }

protected:
    LRESULT OnSizeColorDialog(WPARAM wp, LPARAM lp);
    LRESULT OnColorDialogCtlColor(BOOL* handled, HDC dc);
    LRESULT DispatchSkinned(UINT msg, WPARAM wp, LPARAM lp);

    CTWWnd* companion_ = nullptr;
    int tabPageValue_ = 0;
    BOOL colorDialog_ = FALSE;
    BOOL resizedOnce_ = FALSE;
    DWORD classBitsAdded_ = 0;
};
