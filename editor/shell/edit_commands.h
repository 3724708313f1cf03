#pragma once
// The Edit menu's commands on the property grid (copy, paste, delete, the
// copies with margins, "Fill all states"), their enable rules, the preview
// refresh and the skin-information command, bound into a command table.

#include <windows.h>

#include <functional>

#include "editor/links/edit_rules.h"
#include "framework/command.h"

namespace hexmoor::links {
class CPropertyList;
} // namespace hexmoor::links

namespace hexmoor::shell {

// What a refresh of one element type redraws.
struct RefreshPlan {
    // The .NET strip sample is shown again (hidden and shown), types 40-43.
    bool showStripSample = false;
    // The runtime redraws the skinned windows of the type (all but 5, whose
    // sample scroll bars the preview redraws itself).
    bool runtimeRefresh = false;
};
RefreshPlan RefreshPlanFor(WORD elementType);

// The clipboard's formats as the rules read them, the clipboard opened with
// owner for the question.
links::ClipboardFormats ReadClipboardFormats(HWND owner);

struct EditCommandSeams {
    // The grid of the Properties pane, or null before it exists.
    std::function<links::CPropertyList*()> grid;
    // The window the clipboard is opened with.
    std::function<HWND()> owner;
    // The clipboard's formats (the system's in the editor; tests inject theirs).
    std::function<links::ClipboardFormats(HWND)> formats = ReadClipboardFormats;
};

// Binds ID_EDIT_COPY_VALUE, ID_EDIT_COPY_WITH_MARGINS, ID_EDIT_PASTE_VALUE,
// ID_EDIT_PASTE_WITH_MARGINS, ID_EDIT_DELETE_VALUE and ID_EDIT_FILL_ALL_STATES
// with their update rules, and ID_VIEW_REFRESH.
void BindEditCommands(fw::CommandTable& table, EditCommandSeams seams);

// Refreshes the preview of the current element link; nothing without one.
void RefreshCurrentPreview();

} // namespace hexmoor::shell
