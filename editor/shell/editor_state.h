#pragma once
// Editor-wide state that several windows read: the document-modified flag
// and the colours of the current application look.

#include "framework/look.h"

namespace hexmoor::shell {

struct EditorState {
    bool documentModified = false;
    bool skinningOn = false;
    fw::LookColors look{};
};

EditorState& Editor();

} // namespace hexmoor::shell
