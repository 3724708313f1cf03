#pragma once
// The frame's status bar: a prompt pane that stretches, then key-state
// indicator panes whose text shows while their key is toggled on.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/window.h"

namespace hexmoor::fw {

struct StatusIndicator {
    UINT textId; // string-table text, e.g. "CAP"
    int virtualKey;
};

class StatusBar : public Window {
public:
    bool CreateIn(HWND parent, UINT id, std::vector<StatusIndicator> indicators);
    void SetPrompt(const std::wstring& text);
    std::wstring Prompt() const { return prompt_; }
    // Indicator i shows its text when its key is toggled.
    std::wstring IndicatorText(std::size_t i) const;
    void UpdateIndicators();
    void Relayout();
    int Height() const;
    // The bar's face and text colours: the bar then paints itself in them.
    // CLR_INVALID for both gives the painting back to the control.
    void SetColors(COLORREF background, COLORREF text);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void SetPartText(std::size_t part, const std::wstring& text);
    void Paint(HDC dc);
    COLORREF background_ = CLR_INVALID;
    COLORREF text_ = CLR_INVALID;
    std::vector<StatusIndicator> indicators_;
    std::vector<std::wstring> texts_;
    std::wstring prompt_;
};

} // namespace hexmoor::fw
