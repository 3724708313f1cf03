#pragma once
// Editor-wide state that several windows read: the document-modified flag,
// the colours of the current application look and the element trees.

#include <windows.h>

#include <array>

#include "framework/look.h"

namespace hexmoor::shell {

struct EditorState {
    bool documentModified = false;
    bool skinningOn = false;
    fw::LookColors look{};
    // The element trees in the order Default Controls, Custom Controls,
    // User Data, and the one that holds the selection.
    std::array<HWND, 3> trees{};
    int treeIndexActive = 0;
};

EditorState& Editor();

} // namespace hexmoor::shell
