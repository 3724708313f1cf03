#pragma once
// Replacing and restoring a window procedure safely. The procedure is
// installed in the form that matches the window (wide for Unicode windows)
// and restored only while it is still the current one: when another
// subclasser came later, its saved link to us must keep working.

#include <windows.h>

namespace hexmoor::rt {

struct SubclassLink {
    WNDPROC previous = nullptr;
    bool wide = false; // installed with the wide form
};

// Installs `proc`; returns the procedure it replaced and the form used.
SubclassLink InstallWindowProc(HWND hwnd, WNDPROC proc);

// True when `proc` is the window's current procedure (read in `wide` form).
bool IsCurrentWindowProc(HWND hwnd, WNDPROC proc, bool wide);

// Puts `link.previous` back when `ours` is current; false otherwise (the
// window is gone or another procedure sits on top of ours).
bool RestoreWindowProc(HWND hwnd, WNDPROC ours, const SubclassLink& link);

// Calls a saved procedure in the form it was saved with.
LRESULT CallSavedProc(const SubclassLink& link, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// For objects that subclass one window and keep themselves under a window
// property. Takes our procedure off (while it is still current) and the
// property away (while it still names `owner`); nothing once the window is
// gone.
void RemovePropSubclass(HWND hwnd, WNDPROC ours, const SubclassLink& link, const wchar_t* prop, const void* owner);

template <class Owner>
LRESULT CALLBACK PropSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The base of an object that subclasses one window with PropSubclassProc and
// keeps itself under the window property Owner::kProp. Owner supplies
// Handle(msg, wp, lp) and Detach(), and names PropSubclassProc<Owner> a
// friend.
template <class Owner>
class PropSubclass {
public:
    HWND GetHwnd() const { return hwnd_; }

protected:
    PropSubclass() = default;
    ~PropSubclass() = default;
    PropSubclass(const PropSubclass&) = delete;
    PropSubclass& operator=(const PropSubclass&) = delete;

    // Sets the property and replaces the window's procedure. When the
    // procedure cannot be replaced (a window of another process) neither
    // stays behind, so that a later attach can try again.
    bool AttachWindow(HWND hwnd) {
        if (!hwnd || hwnd_) return false;
        hwnd_ = hwnd;
        SetPropW(hwnd, Owner::kProp, static_cast<Owner*>(this));
        link_ = InstallWindowProc(hwnd, &PropSubclassProc<Owner>);
        if (!link_.previous) {
            RemovePropW(hwnd, Owner::kProp);
            hwnd_ = nullptr;
            return false;
        }
        return true;
    }

    // Undoes AttachWindow (see RemovePropSubclass); nothing when detached.
    void DetachWindow() {
        if (!hwnd_) return;
        RemovePropSubclass(hwnd_, &PropSubclassProc<Owner>, link_, Owner::kProp, static_cast<Owner*>(this));
        hwnd_ = nullptr;
    }

    // The window's own procedure.
    LRESULT CallOld(UINT msg, WPARAM wp, LPARAM lp) { return CallSavedProc(link_, hwnd_, msg, wp, lp); }

    SubclassLink link_;
    HWND hwnd_ = nullptr;

    friend LRESULT CALLBACK PropSubclassProc<Owner>(HWND, UINT, WPARAM, LPARAM);
};

// The window procedure of such an object. Messages go to Owner::Handle; at
// WM_NCDESTROY the object detaches first and the saved procedure gets the
// message last. When the property names another window's object (the
// property was copied), the message goes on to that object's saved procedure
// untouched; without the property DefWindowProcW answers.
template <class Owner>
LRESULT CALLBACK PropSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<Owner*>(GetPropW(hwnd, Owner::kProp));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (self->GetHwnd() != hwnd) return CallSavedProc(self->link_, hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        const SubclassLink link = self->link_;
        self->Detach();
        return CallSavedProc(link, hwnd, msg, wp, lp);
    }
    return self->Handle(msg, wp, lp);
}

} // namespace hexmoor::rt
