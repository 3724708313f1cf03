#pragma once
// The skinned group box: the parent's skinned background with an etched
// frame in two skin colours and the caption cut into its top edge. Controls
// that overlap it and were painted before it keep their pixels.

#include <string>

#include "runtime/wnd/tw_wnd.h"

class CTWGroupBox : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    void InitMode(const char* className) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

private:
    // Clips away the parts of visible siblings lying over the box (not the
    // ones that enclose it, such as panels it sits on).
    void ProtectOverlappingSiblings(HDC dc) const;
    void RefreshChildren(WPARAM wp, LPARAM lp, bool ncPaintPlain);
    LRESULT EraseForWinForms(HDC dc);

    // The caption's measured size from the last paint, for the same text in
    // the same (window's own) font: a paint then draws the text once instead
    // of drawing and measuring it.
    struct CaptionMeasure {
        std::wstring text;
        HFONT font = nullptr;
        SIZE size{};
        bool valid = false;
    };
    CaptionMeasure caption_;
};
