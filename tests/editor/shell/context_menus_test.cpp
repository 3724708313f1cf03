// The application's named context menus and the images menus show for the
// element trees' commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_fixture.h"
#include "resources/command_ids.h"
#include "resources/toolbar_images_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

// One line per item: nesting by indent, "text id", "-" for a separator,
// "text >" for a sub-popup.
void Flatten(HMENU menu, const std::wstring& indent, std::vector<std::wstring>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128]{};
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = text;
        mii.cch = 128;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii));
        if (mii.fType & MFT_SEPARATOR) {
            out.push_back(indent + L"-");
        } else if (mii.hSubMenu) {
            out.push_back(indent + text + L" >");
            Flatten(mii.hSubMenu, indent + L"  ", out);
        } else {
            out.push_back(indent + text + L" " + std::to_wstring(mii.wID));
        }
    }
}

HBITMAP ItemImage(HMENU menu, UINT command) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_BITMAP;
    if (!GetMenuItemInfoW(menu, command, FALSE, &mii)) return nullptr;
    return mii.hbmpItem;
}

// What the open context menu looked like, seen from a timer while it was
// being tracked; the timer then closes it.
struct SeenOpen {
    HMENU popup = nullptr;
    bool opened = false;
    UINT frameWindow = 0, button = 0, addFolder = 0; // GetMenuState results
    HBITMAP buttonImage = nullptr, addFolderImage = nullptr;
} g_seen;

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_seen.opened = true;
    g_seen.frameWindow = GetMenuState(g_seen.popup, ID_ADD_FRAME_WINDOW, MF_BYCOMMAND);
    g_seen.button = GetMenuState(g_seen.popup, ID_ADD_BUTTON, MF_BYCOMMAND);
    g_seen.addFolder = GetMenuState(g_seen.popup, ID_TREE_ADD_FOLDER, MF_BYCOMMAND);
    g_seen.buttonImage = ItemImage(g_seen.popup, ID_ADD_BUTTON);
    g_seen.addFolderImage = ItemImage(g_seen.popup, ID_TREE_ADD_FOLDER);
    EndMenu();
}

// Closes a menu that the keys posted to choose an item left open.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

// A child of the frame whose own commands come first on the route.
struct Owner : fw::Window {
    fw::CommandTable table;
    fw::CommandTable* Commands() override { return &table; }
};

} // namespace

TEST_F(EditorApp, RegistersTheTwoContextMenusWithTheirExactItems) {
    Start({L"x.twf"});
    std::vector<std::wstring> items;
    HMENU clear = app->ContextMenus().GetMenuByName(L"Clear, FillNA");
    ASSERT_NE(clear, nullptr);
    Flatten(clear, L"", items);
    EXPECT_EQ(items, (std::vector<std::wstring>{L"Fill Inactive State 32897", L"-", L"Clear 32898"}));

    items.clear();
    HMENU add = app->ContextMenus().GetMenuByName(L"Add Custom Controls");
    ASSERT_NE(add, nullptr);
    Flatten(add, L"", items);
    EXPECT_EQ(items, (std::vector<std::wstring>{
                         L"Windows >",
                         L"  Frame Window 32821",
                         L"  Dialog Background 32822",
                         L"  Region Defined 32841",
                         L"Standart Controls >",
                         L"  Button 32823",
                         L"  Check Box 32824",
                         L"  Radio Button 32825",
                         L"  Group Box 32826",
                         L"  Push-like Radio and Check Box 32901",
                         L"  Scrollbars 32827",
                         L"  Edit 32828",
                         L"  List Box 32829",
                         L"  Combo Box 32830",
                         L"  Static Text 32831",
                         L"Common Controls >",
                         L"  Tab Controls 32832",
                         L"  Progress Bars 32833",
                         L"  Spin Controls 32834",
                         L"  Sliders 32835",
                         L"  Header 32836",
                         L"  List Control 32837",
                         L"  Tree Control 32838",
                         L"  Toolbar 32839",
                         L"  Status Bar 32840",
                         L"Add Folder 32916",
                         L"Rename 32919",
                         L"Delete 32918",
                     }));
    EXPECT_EQ(app->ContextMenus().GetMenuByName(L"No Such Menu"), nullptr);
    EXPECT_FALSE(app->ContextMenus().ShowPopupMenu(L"No Such Menu", {10, 10}, frame->Handle()));
}

TEST_F(EditorApp, ShownContextMenuAsksItsOwnerDownIntoSubPopupsAndCarriesTheCommandImages) {
    Start({L"x.twf"});
    Owner owner;
    fw::WindowArgs a;
    a.parent = frame->Handle();
    a.width = a.height = 10;
    ASSERT_TRUE(owner.Create(a));
    int buttons = 0, folders = 0;
    owner.table.On(ID_ADD_BUTTON, [&] { ++buttons; });
    owner.table.Update(ID_ADD_BUTTON, [](fw::CommandState& s) { s.enabled = false; });
    owner.table.On(ID_TREE_ADD_FOLDER, [&] { ++folders; });

    g_seen = {};
    g_seen.popup = app->ContextMenus().GetMenuByName(L"Add Custom Controls");
    SetTimer(nullptr, 0, 50, &LookAndClose);
    POINT at{40, 40};
    ClientToScreen(frame->Handle(), &at);
    EXPECT_TRUE(app->ContextMenus().ShowPopupMenu(L"Add Custom Controls", at, owner.Handle()));
    ASSERT_TRUE(g_seen.opened);
    // The sub-popup's disabled and unhandled commands are greyed, the
    // owner's enabled one is not; closing the menu ran nothing.
    EXPECT_TRUE(g_seen.button & MF_GRAYED);
    EXPECT_TRUE(g_seen.frameWindow & MF_GRAYED);
    EXPECT_FALSE(g_seen.addFolder & MF_GRAYED);
    EXPECT_EQ(buttons + folders, 0);
    EXPECT_FALSE(frame->RunCommand(ID_ADD_BUTTON, owner.Handle()));
    EXPECT_EQ(buttons, 0);
    // A tree command shows its image; "Add Folder" is no tree command.
    EXPECT_NE(g_seen.buttonImage, nullptr);
    EXPECT_EQ(g_seen.buttonImage, frame->Images().ImageFor(ID_ADD_BUTTON));
    EXPECT_EQ(g_seen.addFolderImage, nullptr);

    // Chosen from the keyboard, "Add Folder" runs the owner's handler.
    for (WPARAM key : {VK_END, VK_UP, VK_UP}) PostMessageW(owner.Handle(), WM_KEYDOWN, key, 1);
    PostMessageW(owner.Handle(), WM_CHAR, L'\r', 1);
    UINT_PTR guard = SetTimer(nullptr, 0, 3000, &CloseMenu);
    EXPECT_TRUE(app->ContextMenus().ShowPopupMenu(L"Add Custom Controls", at, owner.Handle()));
    KillTimer(nullptr, guard);
    EXPECT_EQ(folders, 1);
    EXPECT_EQ(buttons, 0);
}

TEST_F(EditorApp, MenuBarPopupsShowTheTreeCommandImagesOnlyOnThoseCommands) {
    Start({L"x.twf"});
    // Every tree command has the 16 x 16 image at its place in the strip:
    // light grey pixels transparent, all others opaque with their colour.
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TREE_COMMANDS), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(strip, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    int index = 0, transparent = 0;
    for (unsigned id : shell::kTreeCommandButtons) {
        HBITMAP image = frame->Images().ImageFor(id);
        ASSERT_NE(image, nullptr) << id;
        DIBSECTION ds{};
        ASSERT_EQ(GetObjectW(image, sizeof ds, &ds), static_cast<int>(sizeof ds)) << id;
        ASSERT_EQ(ds.dsBm.bmWidth, 16);
        ASSERT_EQ(ds.dsBm.bmHeight, 16);
        ASSERT_EQ(ds.dsBm.bmBitsPixel, 32);
        const auto* px = static_cast<const std::uint32_t*>(ds.dsBm.bmBits);
        int wrong = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                COLORREF c = GetPixel(dc, index * 16 + x, y);
                std::uint32_t want = c == RGB(192, 192, 192)
                                         ? 0u
                                         : 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
                wrong += px[y * 16 + x] != want;
                transparent += want == 0;
            }
        EXPECT_EQ(wrong, 0) << id;
        ++index;
    }
    EXPECT_GT(transparent, 16 * 16); // the strip's grey does occur
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(strip);
    EXPECT_EQ(frame->Images().ImageFor(ID_FILE_NEW_SKIN), nullptr);

    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, ID_ADD_EDIT, L"Edit");
    AppendMenuW(popup, MF_STRING, ID_FILE_NEW_SKIN, L"New");
    SendMessageW(frame->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(ItemImage(popup, ID_ADD_EDIT), frame->Images().ImageFor(ID_ADD_EDIT));
    EXPECT_EQ(ItemImage(popup, ID_FILE_NEW_SKIN), nullptr);
    DestroyMenu(popup);
}
