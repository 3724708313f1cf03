#pragma once
// Three small skinned windows: the tooltip (one image behind the whole
// window, its text centred in a skin colour), the splitter of a host
// framework (border, bars between its panes, their crossings and split
// boxes, never over the panes) and the size grip (one image at natural
// size over the parent's background).

#include "runtime/wnd/tw_wnd.h"

class CTWToolTipCtrl : public CTWWnd {
public:
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

    // The window whose skinned object the tooltip follows: the tooltip
    // itself for a Visual Basic 6 host, else the current tool's window.
    HWND GetToolOwner() const;

private:
    void FollowToolOwner();
};

class CTWSplitter : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;
};

class CTWGrip : public CTWWnd {
public:
    ~CTWGrip() override;
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;
    void Detach() override;

private:
    bool engine_ = false;
};
