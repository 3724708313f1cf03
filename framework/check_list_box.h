#pragma once
// A list box whose items carry check boxes: unchecked, checked or
// indeterminate, each item enabled or not. It binds to an owner-drawn
// fixed list box with strings, paints the boxes itself when nobody skins
// the list, and publishes its states to the skinning runtime through the
// check-list host interface, so that a skinned list draws the same boxes.

#include <windows.h>

#include <string>

#include "base/win/hosts.h"
#include "framework/window.h"

namespace hexmoor::fw {

class CheckListBox : public Window, public win::CheckListHost {
public:
    ~CheckListBox() override;
    // Binds to the list box (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS).
    bool Bind(HWND listBox);

    int AddString(const std::wstring& text);
    // 0 unchecked, 1 checked, 2 indeterminate.
    void SetCheck(int item, int state);
    int GetCheck(int item) const { return CheckState(item); }
    void Enable(int item, bool enabled);

    int CheckState(int item) const override;
    bool IsItemEnabled(int item) const override;

    // The notification code the parent gets (WM_COMMAND) when a click or
    // the space bar changed an item's check.
    static constexpr WORD kCheckChanged = 40;

    // The state a click gives an item in `state`: checked and unchecked
    // take turns, an indeterminate item becomes checked.
    static constexpr int NextCheck(int state) { return (state + 1) % 2; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* dis) override;
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) override;

private:
    LPARAM Data(int item) const;
    void SetData(int item, LPARAM data);
    void Toggle(int item);
    int BoxSize() const;
};

} // namespace hexmoor::fw
