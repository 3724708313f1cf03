// The operations on a tree item in the real editor: Clear through the Edit
// menu's command with the page of the item cleared shown again, the
// commands left disabled where the parts have no page yet, the copies into
// the custom tree from both pane toolbars, and the names the item-name
// dialog answers.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "app_fixture.h"
#include "editor/links/item_link.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/dialogs/item_name_service.h"
#include "editor/shell/runtime_link.h"
#include "model/element_types.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

// Answers the item-name dialog from a list; nothing (a cancel) when empty.
struct QueuedNames : shell::ItemNameService {
    std::vector<shell::ItemNameAnswer>* answers;
    std::vector<int>* modes;
    std::optional<shell::ItemNameAnswer> Ask(HWND, int mode, const std::wstring&, HIMAGELIST) override {
        modes->push_back(mode);
        if (answers->empty()) return std::nullopt;
        shell::ItemNameAnswer a = answers->front();
        answers->erase(answers->begin());
        return a;
    }
};

void PressToolbar(shell::CPanelTree* panel, int button) {
    SendMessageW(panel->Handle(), WM_COMMAND, MAKEWPARAM(button, 0), reinterpret_cast<LPARAM>(panel->Bar().Handle()));
}

} // namespace

TEST_F(EditorApp, ClearRefillsThePageOfTheItemClearedAndIsDisabledWherePartsHaveNoPage) {
    Start();
    CTwfSkin* skin = shell::runtime::MainSkin();
    ASSERT_NE(skin, nullptr);
    shell::CPanelTree* panel = frame->DefaultControls();
    HWND tree = panel->Tree();
    auto select = [&](const wchar_t* path) {
        TreeView_SelectItem(tree, shell::TreeViewStore::ToItem(panel->Model()->Find(path)));
        app->RunPending();
    };
    auto caption = [&] { return frame->Docks().Caption(shell::kPaneProperties); };
    const struct {
        const wchar_t* path;
        bool enabled;
    } offered[] = {
        {L"Windows/Window Frame", true},
        {L"Windows/Window Frame/Frame Sides", true},
        {L"Windows/Window Frame/Frame Sides/Right Side", true},
        {L"Windows/Window Frame/Caption Buttons", true},
        {L"Controls/Scrollbars/Standalone HScrollbar", true},
        {L"Controls/Static Text", true},
        {L"Common Controls/Slider Controls", true}, // the two sliders have theirs
        {L"Common Controls", true},                 // offered, nothing to do
    };
    for (const auto& o : offered) {
        SCOPED_TRACE(o.path);
        select(o.path);
        EXPECT_EQ(frame->QueryCommand(ID_EDIT_CLEAR_ITEM, tree).enabled, o.enabled);
        EXPECT_EQ(frame->QueryCommand(ID_CONTEXT_CLEAR, tree).enabled, o.enabled);
    }
    // A scroll bar offers the fill from the other kind of bar only.
    select(L"Controls/Scrollbars/Standalone HScrollbar");
    for (UINT fill : {ID_FILL_FROM_STANDALONE_HSCROLL, ID_FILL_FROM_STANDALONE_VSCROLL, ID_FILL_FROM_INTERNAL_HSCROLL,
                      ID_FILL_FROM_INTERNAL_VSCROLL})
        EXPECT_EQ(frame->QueryCommand(fill, tree).enabled, fill == ID_FILL_FROM_INTERNAL_HSCROLL) << fill;

    // A side cleared: its own page is filled again through the same link.
    select(L"Windows/Window Frame/Frame Sides/Top Side");
    const links::CItemLinkObj* link = frame->PropertiesSeam().Link();
    ASSERT_NE(link, nullptr);
    shell::Editor().documentModified = false;
    EXPECT_TRUE(frame->RunCommand(ID_EDIT_CLEAR_ITEM, tree));
    EXPECT_EQ(frame->PropertiesSeam().Link(), link);
    EXPECT_TRUE(caption().ends_with(L"Top Side")) << caption();
    EXPECT_TRUE(shell::Editor().documentModified);

    // The group of the four sides: they are reset, and the group stays the
    // item shown, not the last side reset.
    select(L"Windows/Window Frame/Frame Sides");
    EXPECT_TRUE(frame->RunCommand(ID_EDIT_CLEAR_ITEM, tree));
    ASSERT_NE(frame->PropertiesSeam().Link(), nullptr);
    EXPECT_STREQ(frame->PropertiesSeam().Link()->ClassName(), "CFrameSides");
    EXPECT_TRUE(caption().ends_with(L"Frame Sides")) << caption();
    ASSERT_NE(frame->PropertiesSeam().Current(), nullptr);
    EXPECT_EQ(frame->PropertiesSeam().Current()->caption, L"Frame Sides");
}

TEST_F(EditorApp, CopiesGoIntoTheCustomTreeAndNewItemsTakeTheNamesGiven) {
    Start();
    ASSERT_NE(shell::runtime::MainSkin(), nullptr);
    shell::CPanelTree* defaults = frame->DefaultControls();
    shell::CPanelTree* custom = frame->CustomControls();
    auto selected = [&] { return custom->Store().Text(custom->Selected()); };

    // Duplicate to Custom Controls from the default tree's toolbar.
    TreeView_SelectItem(defaults->Tree(), shell::TreeViewStore::ToItem(defaults->Model()->Find(L"Controls/Button")));
    app->RunPending();
    PressToolbar(defaults, 1);
    app->RunPending();
    ASSERT_NE(custom->Selected(), nullptr);
    EXPECT_EQ(selected(), L"Button");
    EXPECT_TRUE(frame->Docks().IsPaneVisible(shell::kPaneCustomControls));
    EXPECT_EQ(shell::Editor().treeIndexActive, 1);
    // Copy Item on the copy.
    PressToolbar(custom, 4);
    app->RunPending();
    EXPECT_EQ(selected(), L"Button1");
    CTwfSkin* skin = shell::runtime::MainSkin();
    EXPECT_NE(skin->FindObject(kElemButton, L"Button"), skin->FindObject(kElemButton, L"Button1"));

    // The names the dialog answers for the toolbar's buttons: a folder, a
    // custom control of the kind chosen in it; the menu command adds with its
    // fixed name without asking; a cancelled dialog adds nothing.
    std::vector<shell::ItemNameAnswer> answers = {{L"Gadgets", 0}, {L"Field", kElemEdit}};
    std::vector<int> modes;
    auto names = std::make_unique<QueuedNames>();
    names->answers = &answers;
    names->modes = &modes;
    shell::SetItemNames(std::move(names));
    TreeView_SelectItem(custom->Tree(), shell::TreeViewStore::ToItem(custom->Model()->Root()));
    PressToolbar(custom, 1);
    EXPECT_EQ(selected(), L"Gadgets");
    PressToolbar(custom, 6);
    EXPECT_EQ(selected(), L"Field");
    EXPECT_EQ(custom->Store().Text(custom->Store().Parent(custom->Selected())), L"Gadgets");
    const auto beforeMenu = custom->Model()->Dump();
    EXPECT_TRUE(frame->RunCommand(ID_ADD_BUTTON, custom->Tree()));
    EXPECT_NE(custom->Model()->Dump(), beforeMenu);
    EXPECT_EQ(modes, (std::vector<int>{0, 1}));
    const auto before = custom->Model()->Dump();
    PressToolbar(custom, 1);
    EXPECT_EQ(custom->Model()->Dump(), before);
    EXPECT_EQ(modes, (std::vector<int>{0, 1, 0}));
    shell::SetItemNames(nullptr);
}
