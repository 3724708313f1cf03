#pragma once
// The skinshot panel of buttons and scroll bars: push buttons, check boxes,
// radios, push-like buttons, scroll-bar controls and windows with both
// scroll bars, each driven into one state through real messages and taken
// into the picture while it shows that state.

#include <windows.h>

#include <string>
#include <vector>

namespace hexmoor::skinshot {

struct PanelItem {
    int kind = 0;      // element type
    std::string state; // e.g. "hot", "checked-pressed", "window-arrow-hot"
    RECT rect{};       // in picture coordinates
};

// Builds the panel, hands it to the runtime unless `off`, takes every item
// in its state and writes the picture. False when the panel could not be
// made or the file written.
bool WriteControlsPanelPng(const std::wstring& path, bool off, std::vector<PanelItem>* items);

} // namespace hexmoor::skinshot
