#include "editor/shell/editor_state.h"

namespace hexmoor::shell {

EditorState& Editor() {
    static EditorState state;
    return state;
}

} // namespace hexmoor::shell
