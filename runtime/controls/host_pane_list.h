#pragma once
// Pane texts of a Visual Basic 6 status bar, read from the host control's
// own pane list. The control answers SB_GETTEXT (0, 0) with the address of
// the list's head entry; every entry starts with the address of the next
// entry, followed by the address of its pane's text (UTF-16, ending in 0).
// Pane n is the entry n + 1 steps from the head. Nothing is read before the
// system confirms that the bytes lie in committed, readable memory of this
// process: a bad address gives an empty text, never a fault.

#include <windows.h>

#include <cstdint>
#include <string>

namespace hexmoor::rt {

struct HostPaneEntry {
    const HostPaneEntry* next;
    const wchar_t* text;
};

// The longest pane text read; a longer one counts as damaged.
constexpr size_t kMaxHostPaneText = 4096;

// True when [address, address + length) lies wholly in committed, readable
// memory of this process.
bool IsReadableMemory(std::uintptr_t address, std::uintptr_t length);

// The text of the entry `steps` links from `head`; empty when any link or
// any character of the text cannot be read, or the text has no end within
// kMaxHostPaneText characters.
std::wstring ReadHostPaneText(std::uintptr_t head, int steps);

} // namespace hexmoor::rt
