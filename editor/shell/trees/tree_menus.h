#pragma once
// Which context menu an element tree shows for an item, and which of the
// menu's entries it leaves out.

#include <windows.h>

#include <vector>

namespace hexmoor::shell {

struct TreeMenuChoice {
    UINT menu = 0; // the menu resource; 0 for none
    std::vector<UINT> leftOut;
};

// Kinds on which Clear is offered (the group roots too, where it does
// nothing).
bool IsClearableKind(int kind);

// mode: 0 default, 1 custom, 2 user data; the item's kind and its
// parent's kind (0 when it has none).
TreeMenuChoice ChooseTreeMenu(int mode, int kind, int parentKind, bool hasParent);

// The name the application registers the menu under, or null.
const wchar_t* TreeMenuName(UINT menu);

// A popup of the menu's entries without those left out (and without the
// separators that would then start, end or double); the caller destroys it.
HMENU CopyMenuWithout(HMENU popup, const std::vector<UINT>& leftOut);

} // namespace hexmoor::shell
