#pragma once
// A text window that shows a link and opens it through the shell when
// clicked: a web address as it is, an e-mail address as "mailto:".

#include <windows.h>

#include <string>

#include "framework/window.h"

namespace hexmoor::shell {

// What a click opens.
std::wstring LinkTarget(const std::wstring& text, bool web);

class CUrlStatic : public fw::Window {
public:
    bool CreateIn(HWND parent, UINT id, const RECT& rect);
    // Sets the address shown; the window grows to fit it.
    void SetLink(const std::wstring& text, bool web);
    void SetTextColor(COLORREF color) { color_ = color; }
    const std::wstring& Link() const { return text_; }

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FitToText();
    std::wstring text_;
    HCURSOR hand_ = nullptr;
    bool web_ = true;
    HFONT font_ = nullptr; // the parent's font, not owned
    COLORREF color_ = RGB(0, 0, 255);
};

} // namespace hexmoor::shell
