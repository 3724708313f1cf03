#pragma once
// The texts the samples fill their controls with and the tooltip sample's
// tip texts. Free of windows.

#include <cstddef>
#include <string>

namespace hexmoor::preview {

// "Listbox Item - 3", "Combobox Item - 3".
std::string ListItemText(int index);
std::string ComboItemText(int index);
// The six colour names by index 0-5: "yellow", "red", "green", "magenta",
// "cyan", "blue" (the index taken modulo 6).
std::string ColourName(int index);
// "Header 2"; "List Item 1"; "Tab Item - 4".
std::string HeaderText(int column);
std::string ListItemLabel(int number);
std::string TabText(int index);
// The edit sample text.
inline constexpr const char* kEditSampleText = "Tarnwick";

// The tip of a control id of the tooltip sample: its name from the table,
// "" for 0 and "Control ID = %d" for any other id.
std::string ToolTipText(unsigned id);

// A notification record's own tip buffer holds 80 characters with its
// terminator: the ANSI text truncated to fit, the wide one converted from
// the ANSI code page into at most 80 wide characters (terminated).
inline constexpr std::size_t kTipBufferLength = 80;
void CopyTipText(char (&buffer)[kTipBufferLength], const std::string& text);
void CopyTipText(wchar_t (&buffer)[kTipBufferLength], const std::string& text);

// The progress bars of the range sample cycle 0, 5, ..., 95 and wrap: the
// counter after one tick.
constexpr int NextProgressValue(int value) { return value + 5 >= 100 ? 0 : value + 5; }

} // namespace hexmoor::preview
