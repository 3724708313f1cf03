#pragma once
// The base of the bordered list-like controls (list box, list view, tree
// view, and later the date-time picker and month calendar): the element's
// four border numbers become the window's non-client size, one cached
// background bitmap of the whole window (the parent's background under the
// element's background image) paints the border ring and the client's
// backdrop, and child windows (a list view's header and label edit) are
// served the part of it that lies under them.

#include "runtime/wnd/tw_wnd.h"

struct BorderedListIds {
    WORD image;                    // background, window enabled
    WORD disabledImage;            // background, window disabled
    WORD left, top, right, bottom; // border widths
};

class CTWBorderedList : public CTWWnd {
public:
    explicit CTWBorderedList(const BorderedListIds& ids) : ids_(ids) {}

    void GetRect(RECT* out) const override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT PaintBorder(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    void Reset(const std::wstring& name) override;
    void Detach() override;

protected:
    // The client area's backdrop: the background bitmap drawn so that the
    // client shows the inner part of the window's image.
    void DrawBackdrop(HDC dc);
    // The window rectangle in client coordinates (left and right exchanged
    // for a window laid out right to left).
    RECT WindowRectInClient() const;
    // Paints the border ring on the window DC.
    void RepaintBorder();

    // Hooks for a drop list: what lies under the image, whether the image is
    // drawn centre only, and whether the window keeps its own border.
    virtual void FillUnderBackground(HDC dc, const RECT& window);
    virtual BOOL BackgroundCentreOnly() const { return FALSE; }
    virtual BOOL KeepsSystemBorder() const { return FALSE; }

    BorderedListIds ids_;
};
