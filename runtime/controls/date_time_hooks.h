#pragma once
// The two procedures a skinned date-time picker puts on windows other than
// its own, through the runtime's one subclassing mechanism: on its parent,
// to hold the picker's notifications back while the face reads the
// control's field, and on the control's own check-box button, so that the
// picker paints the skin's box in its place.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "runtime/subclass.h"

namespace hexmoor::rt {

// A parent whose date-time pickers' notifications are held back. One per
// parent however many of its pickers read at once.
class QuietParentHook : public PropSubclass<QuietParentHook> {
public:
    QuietParentHook() = default;
    ~QuietParentHook() { Detach(); }

    bool Attach(HWND parent) { return AttachWindow(parent); }
    void Detach() { DetachWindow(); }
    // The hook serving the parent, or null.
    static QuietParentHook* Of(HWND parent) { return static_cast<QuietParentHook*>(GetPropW(parent, kProp)); }

    void Hold(HWND picker) { held_.push_back(picker); }
    void Release(HWND picker);
    bool Holds() const { return !held_.empty(); }

private:
    friend class PropSubclass<QuietParentHook>;
    friend struct PropSubclassKind<QuietParentHook>;
    static constexpr wchar_t kProp[] = L"TwfQuietParent";

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    std::vector<HWND> held_;
};

// While it lives, the picker's notifications do not reach its parent (the
// face's read steps a field and puts it back, which the application must not
// see as a change of the date).
class QuietParent {
public:
    explicit QuietParent(HWND picker);
    ~QuietParent();
    QuietParent(const QuietParent&) = delete;
    QuietParent& operator=(const QuietParent&) = delete;

private:
    HWND picker_;
    HWND parent_;
    QuietParentHook* hook_ = nullptr;
    std::unique_ptr<QuietParentHook> owned_;
};

// The picker's own check-box button, painted by the picker: `paint` draws
// the box into the button's DC.
class CheckBoxChildHook : public PropSubclass<CheckBoxChildHook> {
public:
    using Painter = std::function<void(HWND button, HDC dc)>;
    explicit CheckBoxChildHook(Painter paint) : paint_(std::move(paint)) {}
    ~CheckBoxChildHook() { Detach(); }

    bool Attach(HWND button) { return AttachWindow(button); }
    void Detach() { DetachWindow(); }

private:
    friend class PropSubclass<CheckBoxChildHook>;
    friend struct PropSubclassKind<CheckBoxChildHook>;
    static constexpr wchar_t kProp[] = L"TwfDateCheckBox";

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    Painter paint_;
};

} // namespace hexmoor::rt
