#pragma once
// What the runtime asks of host windows it skins but does not own. A host
// window publishes a pointer to one of these interfaces as a window property
// (SetPropW(window, kSplitterHostProperty, host)); the runtime finds it with
// GetPropW and never takes ownership. Plain abstract classes, so that the
// editor's own windows can implement them without knowing the runtime.

#include <windows.h>

namespace hexmoor::win {

// A splitter window with rows and columns of panes.
class SplitterHost {
public:
    virtual ~SplitterHost() = default;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    // Current size in pixels of a row or column (0 for an index out of range).
    virtual int RowHeight(int row) const = 0;
    virtual int ColumnWidth(int column) const = 0;
    // The scroll-bar style of the splitter (WS_HSCROLL / WS_VSCROLL bits).
    virtual DWORD ScrollStyle() const = 0;
    // The pane in the first row and column; null when there is none.
    virtual HWND FirstPane() const = 0;
};
inline constexpr const wchar_t* kSplitterHostProperty = L"TwfSplitterHost";

// A list whose items carry check boxes.
class CheckListHost {
public:
    virtual ~CheckListHost() = default;
    // The check state of an item: 0 unchecked, 1 checked, 2 indeterminate.
    virtual int CheckState(int item) const = 0;
    virtual bool IsItemEnabled(int item) const = 0;
};
inline constexpr const wchar_t* kCheckListHostProperty = L"TwfCheckListHost";

} // namespace hexmoor::win
