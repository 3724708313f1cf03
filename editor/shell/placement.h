#pragma once
// Remembers top-level window placements in the profile, one section per
// window named after its caption (or given when it is registered), and puts
// windows back inside the work area. The maths is separate from the windows so it can be checked alone.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::fw {
class Profile;
} // namespace hexmoor::fw

namespace hexmoor::shell {

struct Placement {
    int show = 0;
    int flags = 0;
    Point minPos;
    Point maxPos;
    Rect normal;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// What to set: the stored placement moved into the work area, or the
// current one when the stored rectangle lies wholly outside it. A stored
// minimised window comes back restored; a maximised one stays maximised.
Placement ResolvePlacement(const Placement& stored, const Placement& current, const Rect& workArea);

// The section for a caption: captions beginning with the properties word
// share that word's section.
std::wstring PlacementSection(const std::wstring& caption, const std::wstring& propertiesWord);

class CSaveRestoreWinPos {
public:
    explicit CSaveRestoreWinPos(const fw::Profile* profile) : profile_(profile) {}
    void SetProfile(const fw::Profile* profile) { profile_ = profile; }

    // Registers wnd; with miniFramesOnly, registers instead the floating
    // pane windows wnd owns now. False for no window.
    bool AddWindow(HWND wnd, bool miniFramesOnly = false);
    // Registers wnd under a section of its own, whatever its caption says
    // (the main frame's caption names the open skin).
    bool AddNamedWindow(HWND wnd, const std::wstring& section);
    const std::vector<HWND>& Windows() const { return windows_; }
    void SaveWindowPos(HWND wnd) const;
    void RestoreWindowPos(HWND wnd) const;
    void SaveAll() const;
    void RestoreAll() const;

private:
    std::wstring SectionOf(HWND wnd) const;
    const fw::Profile* profile_;
    std::vector<HWND> windows_;
    std::map<HWND, std::wstring> sections_;
};

} // namespace hexmoor::shell
