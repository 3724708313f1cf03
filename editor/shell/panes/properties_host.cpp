#include "editor/shell/panes/properties_host.h"

#include "editor/links/item_link.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/edit_commands.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/main_frame.h"
#include "editor/shell/panes/panels.h"
#include "framework/application.h"
#include "framework/docking/dock_manager.h"
#include "runtime/twf_api.h"

namespace hexmoor::shell {

void PropertiesHost::SetCaption(const std::wstring& text) {
    fw::Application* app = fw::Application::Current();
    auto* frame = app ? dynamic_cast<fw::FrameWindow*>(app->MainWindow()) : nullptr;
    if (frame && frame->Docks().Caption(kPaneProperties) != text) frame->Docks().SetCaption(kPaneProperties, text);
}

bool PropertiesHost::IsStateButtonVisible(int state) const {
    HWND bar = panel_.StateBar().Handle();
    return bar && state >= 0 && state < 5 && !SendMessageW(bar, TB_ISBUTTONHIDDEN, state, 0);
}

void PropertiesHost::SetStateButtonVisible(int state, bool visible) { panel_.ShowStateButton(state, visible); }

int PropertiesHost::CheckedState() const { return panel_.GetSelectedState(); }

void PropertiesHost::CheckState(int state) { panel_.CheckStateButton(state); }

void PropertiesHost::ShowPage(bool show) { panel_.ShowPropertyPage(show ? SW_SHOW : SW_HIDE); }

void PropertiesHost::HideOptionsPages() {
    if (links::OptionsPages* pages = links::Links().options) pages->SelectView(-1);
}

void PropertiesHost::FocusGrid() {
    if (links::CPropertyList* grid = panel_.Grid()) SetFocus(grid->Handle());
}

void PropertiesHost::FocusTree(bool preferImagePage) {
    if (preferImagePage)
        if (links::OptionsPages* pages = links::Links().options; pages && pages->FocusImagePage()) return;
    const EditorState& state = Editor();
    const int active = state.treeIndexActive;
    if (active >= 0 && active < 3 && state.trees[static_cast<size_t>(active)])
        SetFocus(state.trees[static_cast<size_t>(active)]);
}

void PropertiesHost::SelectNextState(bool forward) { panel_.SelectNextState(forward); }

void RuntimePreview::RefreshPreview() { RefreshCurrentPreview(); }

void RuntimePreview::RefreshSkinnedWindows(WORD elementType) { ::RefreshSkinnedWindows(elementType); }

} // namespace hexmoor::shell
