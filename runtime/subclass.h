#pragma once
// The one way the runtime puts a window procedure of its own on a window.
//
// Each kind of subclasser (the common window procedure of skinned objects,
// the skinned frame's, the menu bar's, the scroll-bar engine's, the
// scroll-data hooks' and the property-kept image windows') describes itself
// in a small struct and installs its procedure with `Subclass`; the
// procedure itself is one line, RunSubclassed<Kind>. That gives every kind
// the same rules:
// - the procedure is installed in the form that matches the window (wide for
//   Unicode windows) and taken off only while it is still the current one;
// - under a later subclasser it stays in the window's chain: its link is
//   kept in one process-wide, locked registry of orphaned procedures, keyed
//   by window and procedure, so that the procedure keeps forwarding to what
//   it replaced; a new object of the same kind takes that link over instead
//   of stacking a second copy while the chain still leads to it (the current
//   procedure, followed down through our other orphaned procedures on the
//   window, reaches it or the procedure that sat on top of it); otherwise the
//   window handle was recycled and the stale link is dropped. So none of our
//   procedures is ever on a window twice or leads to itself;
// - every call is one entry on the thread's stack of calls, with the kind's
//   own current-message record saved and restored around it, and an owner
//   with a call on the stack is freed only when the outermost call over it
//   has returned (DeleteWhenUnwound).
//
// A kind is a struct with:
//   using Owner = ...;                               the object that subclasses
//   static constexpr WNDPROC Entry = &SomeProc;      its procedure
//   static Owner* Find(HWND hwnd);                   the owner serving the window, or null
//   static LRESULT Handle(Owner&, HWND, UINT, WPARAM, LPARAM);
// and the procedure is:
//   LRESULT CALLBACK SomeProc(HWND h, UINT m, WPARAM w, LPARAM l) { return RunSubclassed<SomeKind>(h, m, w, l); }

#include <windows.h>

#include <memory>
#include <utility>

namespace hexmoor::rt {

// What a subclasser replaced: the previous procedure and the form it was
// read in (calls go back in the same form).
struct SubclassLink {
    WNDPROC previous = nullptr;
    bool wide = false;
};

// Calls a saved procedure in the form it was saved with (DefWindowProc
// without one).
LRESULT CallSavedProc(const SubclassLink& link, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// One of our procedures on one window.
class Subclass {
public:
    Subclass() = default;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // Puts `entry` on the window, or takes over the link of an orphaned
    // `entry` still live in its chain. False (and nothing installed) when the
    // window's procedure cannot be replaced (a window of another process).
    bool Install(HWND hwnd, WNDPROC entry);
    // Puts the procedure on again when something took it off the top (the
    // link is read anew); nothing while it is current.
    void Reinstall();
    // Takes the procedure off while it is current; under a later subclasser
    // its link goes to the registry of orphans. The window is forgotten, the
    // link kept (calls still forward to it).
    void Remove();

    HWND Window() const { return hwnd_; }
    const SubclassLink& Link() const { return link_; }
    // The procedure under ours.
    LRESULT CallPrevious(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
        return CallSavedProc(link_, hwnd, msg, wp, lp);
    }

private:
    HWND hwnd_ = nullptr;
    WNDPROC entry_ = nullptr;
    SubclassLink link_;
};

// For a procedure of ours that found no owner for the window: the procedure
// it replaced, when its link was kept (the link goes at WM_NCDESTROY), else
// the default procedure.
LRESULT ForwardUnowned(WNDPROC entry, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// One call of one of our procedures over one owner: on the thread's stack of
// calls for its length, with the kind's current-message record set to the
// message (and put back after).
class SubclassCall {
public:
    SubclassCall(const void* owner, MSG& record, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    ~SubclassCall();
    SubclassCall(const SubclassCall&) = delete;
    SubclassCall& operator=(const SubclassCall&) = delete;

private:
    MSG& record_;
    MSG saved_;
};

// How many calls over the owner are on this thread's stack.
int CallsOnStack(const void* owner);

// Frees the owner now when no call over it is on this thread's stack, or once
// the outermost one has returned.
void FreeWhenUnwound(const void* owner, void (*destroy)(void*), void* object);
template <class T>
void DeleteWhenUnwound(std::unique_ptr<T> object) {
    if (!object) return;
    T* raw = object.release();
    FreeWhenUnwound(
        raw, [](void* p) { delete static_cast<T*>(p); }, raw);
}

// The current-message record of one kind of procedure on this thread.
template <class Kind>
MSG& CurrentRecord() {
    thread_local MSG record{};
    return record;
}

// The body of every procedure of ours.
template <class Kind>
LRESULT RunSubclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    typename Kind::Owner* owner = Kind::Find(hwnd);
    if (!owner) return ForwardUnowned(Kind::Entry, hwnd, msg, wp, lp);
    const SubclassCall call(owner, CurrentRecord<Kind>(), hwnd, msg, wp, lp);
    return Kind::Handle(*owner, hwnd, msg, wp, lp);
}

// For objects that subclass one window and keep themselves under a window
// property (Owner::kProp); Owner supplies Handle(msg, wp, lp) and Detach(),
// and makes PropSubclassKind<Owner> a friend.
template <class Owner>
struct PropSubclassKind;

template <class Owner>
LRESULT CALLBACK PropSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return RunSubclassed<PropSubclassKind<Owner>>(hwnd, msg, wp, lp);
}

template <class Owner>
class PropSubclass {
public:
    HWND GetHwnd() const { return hwnd_; }

protected:
    PropSubclass() = default;
    ~PropSubclass() = default;
    PropSubclass(const PropSubclass&) = delete;
    PropSubclass& operator=(const PropSubclass&) = delete;

    // Sets the property and installs the procedure. When the procedure cannot
    // be installed (a window of another process) neither stays behind, so
    // that a later attach can try again.
    bool AttachWindow(HWND hwnd) {
        if (!hwnd || hwnd_) return false;
        SetPropW(hwnd, Owner::kProp, static_cast<Owner*>(this));
        if (!subclass_.Install(hwnd, &PropSubclassProc<Owner>)) {
            RemovePropW(hwnd, Owner::kProp);
            return false;
        }
        hwnd_ = hwnd;
        return true;
    }
    // Undoes AttachWindow (the property goes while it still names this
    // object); nothing when detached.
    void DetachWindow() {
        const HWND hwnd = std::exchange(hwnd_, nullptr);
        if (!hwnd) return;
        subclass_.Remove();
        if (IsWindow(hwnd) && GetPropW(hwnd, Owner::kProp) == static_cast<Owner*>(this))
            RemovePropW(hwnd, Owner::kProp);
    }
    // The window's own procedure.
    LRESULT CallOld(UINT msg, WPARAM wp, LPARAM lp) { return subclass_.CallPrevious(hwnd_, msg, wp, lp); }

    HWND hwnd_ = nullptr;
    Subclass subclass_;

    friend struct PropSubclassKind<Owner>;
};

template <class O>
struct PropSubclassKind {
    using Owner = O;
    static constexpr WNDPROC Entry = &PropSubclassProc<O>;
    static O* Find(HWND hwnd) { return static_cast<O*>(GetPropW(hwnd, O::kProp)); }
    // At WM_NCDESTROY the object lets go first and the window's own
    // procedure gets the message last. When the property names another
    // window's object (it was copied onto a window that leads here), the
    // message goes on to that object's saved procedure untouched.
    static LRESULT Handle(O& self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (self.GetHwnd() != hwnd) return CallSavedProc(self.subclass_.Link(), hwnd, msg, wp, lp);
        if (msg != WM_NCDESTROY) return self.Handle(msg, wp, lp);
        const SubclassLink link = self.subclass_.Link();
        self.Detach();
        return CallSavedProc(link, hwnd, msg, wp, lp);
    }
};

} // namespace hexmoor::rt
