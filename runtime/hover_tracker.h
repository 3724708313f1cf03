#pragma once
// Turns mouse movement into enter and leave events with TrackMouseEvent.
// Embedded in skinned objects that show a hot state.

#include <windows.h>

namespace hexmoor::rt {

class HoverTracker {
public:
    static constexpr WORD kInvalidate = 0x1; // invalidate the owner on enter and leave
    static constexpr WORD kRedrawNow = 0x2;  // and redraw it at once

    void Init(HWND owner, WORD flags) {
        owner_ = owner;
        flags_ = flags;
    }
    void Reset() { hovering_ = false; }
    bool IsHovering() const { return hovering_; }

    // True when the pointer has just entered (the caller repaints its hot look).
    // Moving on to another tracked window while hovering re-arms tracking
    // there and reports no new entry.
    bool OnMouseMove(HWND window = nullptr);
    // True when the tracked window reports that the pointer left it.
    bool OnMouseLeave(HWND window = nullptr);

private:
    void Refresh() const;
    HWND owner_ = nullptr;
    HWND tracked_ = nullptr;
    WORD flags_ = 0;
    bool hovering_ = false;
};

} // namespace hexmoor::rt
