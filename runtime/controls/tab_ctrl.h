#pragma once
// The skinned tab control: a panel image over the parent's background and
// every tab in the image and text colour of its look (normal, selected,
// hot, disabled, focused), with its image-list icon; vertical tab controls
// take their own image set and rotated text. The panel is the background
// its children ask for, and a skinned dialog page inside can show it.

#include "runtime/wnd/tw_wnd.h"

class CTWTabCtrl : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT OnPrintClient(HDC dc, DWORD flags) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;
    void Detach() override;

    int HotItem() const { return hotItem_; }

private:
    bool Vertical() const;
    void DrawItem(HDC dc, int index, bool vertical);
    void OnMouseMove(LPARAM lp);
    void InvalidateItem(int index);
    // The element's transparent-page value (634, vertical 683), read at
    // enabling and again at every skin refresh.
    void ReadPageValue();
    // Hands the panel to the first skinned dialog page inside when the skin
    // asks for it (the page may be skinned after the tab).
    void ShareWithPage();
    // Switch-off and removal: the page the panel was handed to gets the
    // value it had before, so it never asks a tab that no longer answers.
    void GiveBackPage();
    void BackgroundChanged(WPARAM wp, LPARAM lp);

    BOOL tracking_ = FALSE;
    int hotItem_ = -1;
    BOOL firstPaintPending_ = TRUE;
    BOOL buttonDown_ = FALSE;
    BOOL userIcon_ = FALSE;
    BOOL userText_ = FALSE;
    POINT iconPos_{0, 0};
    POINT userTextOffset_{0, 0};
    int userTextWidth_ = 0;
    BOOL placementGiven_ = FALSE;
    DWORD pageValue_ = 0;
    HWND sharedPage_ = nullptr;
    int pageValueBefore_ = 0;
};
