// Which context menu an item of each tree gets, and the entries it shows.
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/tree_menus.h"
#include "resources/command_ids.h"
#include "resources/context_menus_ids.h"

using namespace hexmoor::shell;

namespace {

using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)>;

// The entries of the menu as shown: ids, 0 for a separator.
std::vector<UINT> Shown(const TreeMenuChoice& choice) {
    Menu loaded(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(choice.menu)), &DestroyMenu);
    if (!loaded) return {};
    Menu copy(CopyMenuWithout(GetSubMenu(loaded.get(), 0), choice.leftOut), &DestroyMenu);
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(copy.get()); ++i)
        ids.push_back(GetMenuItemID(copy.get(), i) == UINT(-1) ? 0 : GetMenuItemID(copy.get(), i));
    return ids;
}

TEST(TreeMenus, EachItemGetsItsMenuWithTheEntriesItsKindAllows) {
    using V = std::vector<UINT>;
    const struct {
        const char* what;
        int mode, kind, parentKind;
        bool hasParent;
        UINT menu;
        V shown; // empty: the whole menu (or none)
    } cases[] = {
        {"default root", 0, kKindDefaultRoot, 0, false, 0, {}},
        {"default group", 0, 82, kKindDefaultRoot, true, IDR_PROPERTY_CONTEXT_MENU, {ID_CONTEXT_CLEAR}},
        {"default button", 0, 11, 82, true, IDR_PROPERTY_CONTEXT_MENU, {ID_CONTEXT_CLEAR}},
        {"frame side", 0, 3, 52, true, IDR_PROPERTY_CONTEXT_MENU, {ID_CONTEXT_FILL_INACTIVE, 0, ID_CONTEXT_CLEAR}},
        {"standalone h bar", 0, 47, 46, true, IDR_SCROLLBAR_MENU, {ID_FILL_FROM_INTERNAL_HSCROLL, 0, ID_CONTEXT_CLEAR}},
        {"internal v bar", 1, 74, 46, true, IDR_SCROLLBAR_MENU, {ID_FILL_FROM_STANDALONE_VSCROLL, 0, ID_CONTEXT_CLEAR}},
        {"custom root", 1, kKindCustomRoot, 0, false, IDR_ADD_CUSTOM_MENU, {}},
        {"custom folder", 1, kKindFolder, kKindCustomRoot, true, IDR_ADD_CUSTOM_MENU, {}},
        {"custom button at the root",
         1,
         11,
         kKindCustomRoot,
         true,
         IDR_TREE_ITEM_MENU,
         {ID_TREE_RENAME, ID_TREE_DELETE, ID_TREE_CLEAR_ITEM}},
        {"user-data root",
         2,
         kKindUserDataRoot,
         0,
         false,
         IDR_USER_DATA_MENU,
         {ID_TREE_ADD_USER_DATA, ID_TREE_ADD_UD_FOLDER}},
        {"user-data folder",
         2,
         kKindFolder,
         kKindUserDataRoot,
         true,
         IDR_USER_DATA_MENU,
         {ID_TREE_ADD_USER_DATA, ID_TREE_ADD_UD_FOLDER, ID_TREE_RENAME_UD, ID_TREE_DELETE_UD}},
        {"user data", 2, kKindUserData, kKindFolder, true, IDR_TREE_ITEM_MENU, {ID_TREE_RENAME, ID_TREE_DELETE}},
        {"frame's menu bar", 1, 49, 0, true, IDR_PROPERTY_CONTEXT_MENU, {ID_CONTEXT_CLEAR}},
        {"frame's minimized frame", 1, 62, 0, true, IDR_PROPERTY_CONTEXT_MENU, {ID_CONTEXT_CLEAR}},
        {"custom root's kind unknown", 1, 99, 0, true, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TreeMenuChoice choice = ChooseTreeMenu(c.mode, c.kind, c.parentKind, c.hasParent);
        EXPECT_EQ(choice.menu, c.menu);
        if (!c.shown.empty()) {
            EXPECT_EQ(Shown(choice), c.shown);
        }
        if (c.menu) {
            EXPECT_NE(TreeMenuName(c.menu), nullptr);
        }
    }
    for (int kind : {0, 11, 53, 74, 80, 84}) EXPECT_TRUE(IsClearableKind(kind)) << kind;
    for (int kind : {12, 33, 54, 64, 71, 72, 85, -123}) EXPECT_FALSE(IsClearableKind(kind)) << kind;
}

} // namespace
