// The application's start-up and exit roads and the main frame, in real
// windows under the test display.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>

#include "app_fixture.h"
#include "framework/look.h"
#include "tests/harness/capture.h"
#include "editor/shell/color_adjust/color_adjust_panel.h"
#include "editor/shell/dialogs/dialog_size.h"
#include "resources/color_adjust_ids.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/panes/options_pages.h"
#include "editor/shell/placement.h"
#include "resources/start_dialog_ids.h"
#include "editor/shell/settings.h"
#include "framework/profile.h"
#include "resources/command_ids.h"
#include "resources/mainframe_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

const wchar_t* kAssociationKeys[] = {L".TWF", L".TWF\\shell\\open\\command", L"Tarnwick.Document",
                                     L"Tarnwick.Document\\DefaultIcon", L"Tarnwick.Document\\shell\\open\\command"};

bool Visible(HWND h) { return h && IsWindowVisible(h); }

RECT ScreenRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

void PressKey(HWND target, UINT vk) {
    PostMessageW(target, WM_KEYDOWN, vk, 1);
    PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}

// The docked group that shows pane in front, or null.
const fw::GroupGeometry* GroupOf(const fw::LayoutGeometry& geometry, int pane) {
    for (const auto& g : geometry.groups)
        if (g.activePane == pane) return &g;
    return nullptr;
}

} // namespace

TEST_F(EditorApp, StartWithoutFileWritesTheAssociationAndShowsTheStartDialog) {
    Start();
    for (const wchar_t* key : kAssociationKeys)
        EXPECT_FALSE(fw::ReadRegistryString(HKEY_CLASSES_ROOT, key, L"").empty()) << key;
    std::wstring command = fw::ReadRegistryString(HKEY_CLASSES_ROOT, L".TWF\\shell\\open\\command", L"");
    EXPECT_EQ(command.front(), L'"');
    EXPECT_NE(command.find(L"\" \"%1\""), std::wstring::npos);
    std::wstring icon = fw::ReadRegistryString(HKEY_CLASSES_ROOT, L"Tarnwick.Document\\DefaultIcon", L"");
    EXPECT_EQ(icon.substr(icon.size() - 5), L",-128");
    ASSERT_TRUE(app->StartDialog());
    EXPECT_TRUE(Visible(app->StartDialog()->Handle()));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(EditorApp, TheStartDialogOpensAtTheFirstIdleTimeAfterTheFrameHasPainted) {
    Launch();
    // Start-up ends with the frame shown and painted, and no start dialog
    // yet: the message loop's first idle time opens it.
    ASSERT_TRUE(frame);
    EXPECT_TRUE(Visible(frame->Handle()));
    EXPECT_FALSE(GetUpdateRect(frame->Handle(), nullptr, FALSE));
    EXPECT_EQ(app->StartDialog(), nullptr);
    app->RunPending();
    ASSERT_TRUE(app->StartDialog());
    EXPECT_TRUE(Visible(app->StartDialog()->Handle()));
    EXPECT_EQ(GetWindow(app->StartDialog()->Handle(), GW_OWNER), frame->Handle());
    // Later idle times open no second one.
    shell::CSplashDialog* first = app->StartDialog();
    app->RunPending();
    EXPECT_EQ(app->StartDialog(), first);
}

TEST_F(EditorApp, StartWithAMissingFileWritesNoAssociationAndNamesTheFile) {
    Start({L"C:\\skins\\blue.twf"});
    for (const wchar_t* key : kAssociationKeys)
        EXPECT_TRUE(fw::ReadRegistryString(HKEY_CLASSES_ROOT, key, L"").empty()) << key;
    EXPECT_EQ(app->StartDialog(), nullptr);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_NE(messages->shown[0].find(L"C:\\skins\\blue.twf"), std::wstring::npos);
    // Closing writes the settings all the same.
    Stop();
    fw::Profile profile(L"Tarnwick", L"Hexmoor");
    EXPECT_TRUE(profile.HasValue(shell::kSettingsSection, L"BackgroundColor"));
}

TEST_F(EditorApp, MissingSettingsTakeTheirDefaultsAndExitWritesFourValuesButNeverTheHelpPath) {
    Start({L"x.twf"});
    const shell::EditorSettings& s = app->Settings();
    EXPECT_EQ(s.backgroundColor, 0xFFFFFFu);
    EXPECT_EQ(s.backgroundImagePos, 0);
    EXPECT_EQ(s.showImage, 1);
    EXPECT_EQ(s.helpPath, L"");
    EXPECT_EQ(s.backgroundImageFile, L"");
    Stop();
    fw::Profile profile(L"Tarnwick", L"Hexmoor");
    for (const wchar_t* v : {L"BackgroundImageFile", L"BackgroundColor", L"BackgroundImagePos", L"ShowImage"})
        EXPECT_TRUE(profile.HasValue(shell::kSettingsSection, v)) << v;
    EXPECT_FALSE(profile.HasValue(shell::kSettingsSection, L"HelpPath"));
    EXPECT_EQ(profile.GetInt(shell::kSettingsSection, L"BackgroundColor", 0), 0xFFFFFF);

    // A help path set by hand is read and survives the next exit.
    profile.WriteString(shell::kSettingsSection, L"HelpPath", L"C:\\docs\\manual.chm");
    profile.WriteInt(shell::kSettingsSection, L"BackgroundColor", 0x123456);
    Start({L"x.twf"});
    EXPECT_EQ(app->Settings().helpPath, L"C:\\docs\\manual.chm");
    EXPECT_EQ(app->Settings().backgroundColor, 0x123456u);
    Stop();
    EXPECT_EQ(profile.GetString(shell::kSettingsSection, L"HelpPath", L""), L"C:\\docs\\manual.chm");
}

TEST_F(EditorApp, FrameComesUpWithItsMenusToolbarStatusBarAndSevenPanes) {
    Start();
    HWND h = frame->Handle();
    wchar_t caption[64]{};
    GetWindowTextW(h, caption, 64);
    EXPECT_STREQ(caption, L"Hexmoor");

    HMENU bar = GetMenu(h);
    ASSERT_TRUE(bar);
    const wchar_t* tops[] = {L"&File", L"&Edit", L"&View", L"&Tools", L"&Help"};
    ASSERT_EQ(GetMenuItemCount(bar), 5);
    for (int i = 0; i < 5; ++i) {
        wchar_t text[32]{};
        GetMenuStringW(bar, static_cast<UINT>(i), text, 32, MF_BYPOSITION);
        EXPECT_STREQ(text, tops[i]);
    }
    wchar_t text[64]{};
    GetMenuStringW(bar, ID_VIEW_SHOW_HIDE_ALL, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Show/Hide All\tF11");

    HWND toolbar = frame->Bar().Handle();
    ASSERT_TRUE(Visible(toolbar));
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 21);
    TBBUTTON first{};
    SendMessageW(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.idCommand, ID_FILE_NEW_SKIN);
    HWND status = frame->Status().Handle();
    ASSERT_TRUE(Visible(status));
    EXPECT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 4);
    EXPECT_EQ(frame->Status().Prompt(), L"Ready");

    using namespace shell;
    auto& docks = frame->Docks();
    for (int pane : kShowHideAllOrder) EXPECT_EQ(frame->IsPaneVisible(pane), pane != kPaneColorAdjustment) << pane;
    // Left: the tree tab group over the Zoomer; right: Properties over Options.
    RECT trees = ScreenRect(docks.Container(kPaneDefaultControls));
    RECT zoom = ScreenRect(docks.Container(kPaneZoomer));
    RECT props = ScreenRect(docks.Container(kPaneProperties));
    RECT opts = ScreenRect(docks.Container(kPaneOptions));
    RECT view = ScreenRect(frame->View());
    EXPECT_LE(trees.bottom, zoom.top);
    EXPECT_EQ(trees.left, zoom.left);
    EXPECT_LE(trees.right, view.left);
    EXPECT_LE(view.right, props.left);
    EXPECT_LE(props.bottom, opts.top);
    // Between the toolbar and the status bar: the layout made while the
    // frame was still hidden left them their room.
    const RECT toolbarRect = ScreenRect(toolbar), statusBar = ScreenRect(status);
    for (const RECT& r : {trees, props, view}) EXPECT_GE(r.top, toolbarRect.bottom);
    for (const RECT& r : {zoom, opts, view}) EXPECT_LE(r.bottom, statusBar.top);
    EXPECT_EQ(docks.Layout().GroupMates(kPaneDefaultControls),
              (std::vector<int>{kPaneDefaultControls, kPaneCustomControls, kPaneUserData}));
    EXPECT_EQ(docks.Layout().ActiveInGroupOf(kPaneUserData), kPaneDefaultControls);
    EXPECT_TRUE(Visible(docks.Content(kPaneDefaultControls)));
    EXPECT_FALSE(Visible(docks.Content(kPaneCustomControls)));
}

// The colour-adjustment pane starts hidden and the Options pages start
// hidden: neither makes its windows at start-up. The colour dialog comes
// when the pane first shows, filling the panel; the pages come when first
// asked for, laid out over the Options panel.
TEST_F(EditorApp, HiddenPaneContentsAreMadeWhenFirstNeeded) {
    Start();
    using namespace shell;
    HWND colourPanel = frame->ColorAdjustment()->Handle();
    HWND optionsPanel = frame->Options()->Handle();
    EXPECT_EQ(GetWindow(colourPanel, GW_CHILD), nullptr);
    EXPECT_EQ(GetWindow(optionsPanel, GW_CHILD), nullptr);

    frame->TogglePane(kPaneColorAdjustment);
    test::Settle();
    HWND dialog = GetWindow(colourPanel, GW_CHILD);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(Visible(dialog));
    RECT panelClient, dialogRect;
    GetClientRect(colourPanel, &panelClient);
    GetWindowRect(dialog, &dialogRect);
    MapWindowPoints(nullptr, colourPanel, reinterpret_cast<POINT*>(&dialogRect), 2);
    EXPECT_TRUE(EqualRect(&dialogRect, &panelClient));
    EXPECT_EQ(frame->ColorAdjustment()->Pane().Handle(), dialog);

    HWND page = frame->Options()->Pages().ImagePage().Handle();
    ASSERT_TRUE(page);
    EXPECT_EQ(GetParent(page), optionsPanel);
    EXPECT_FALSE(Visible(page));
    GetClientRect(optionsPanel, &panelClient);
    RECT pageRect;
    GetWindowRect(page, &pageRect);
    MapWindowPoints(nullptr, optionsPanel, reinterpret_cast<POINT*>(&pageRect), 2);
    EXPECT_EQ(pageRect.top, 7);
    EXPECT_EQ(pageRect.right - pageRect.left, panelClient.right);
    EXPECT_TRUE(frame->Options()->Pages().RegionPage().Handle());
}

TEST_F(EditorApp, PaneTogglesFromTheViewMenuAndByAccelerator) {
    Start({L"x.twf"});
    using namespace shell;
    HWND h = frame->Handle();
    // The View menu's item as the menu sends it.
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_VIEW_PROPERTIES, 0), 0);
    EXPECT_FALSE(frame->IsPaneVisible(kPaneProperties));
    EXPECT_FALSE(Visible(frame->Docks().Content(kPaneProperties)));
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_VIEW_PROPERTIES, 0), 0);
    EXPECT_TRUE(frame->IsPaneVisible(kPaneProperties));
    EXPECT_TRUE(Visible(frame->Docks().Content(kPaneProperties)));
    // The check mark follows.
    HMENU view = GetSubMenu(GetMenu(h), 2);
    SendMessageW(h, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 2);
    EXPECT_TRUE(GetMenuState(view, ID_VIEW_PROPERTIES, MF_BYCOMMAND) & MF_CHECKED);

    // F8 through the application's loop and the accelerator table.
    PressKey(h, VK_F8);
    app->RunPending();
    EXPECT_FALSE(frame->IsPaneVisible(kPaneOptions));
    SendMessageW(h, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 2);
    EXPECT_FALSE(GetMenuState(view, ID_VIEW_OPTIONS, MF_BYCOMMAND) & MF_CHECKED);
    PressKey(h, VK_F8);
    app->RunPending();
    EXPECT_TRUE(frame->IsPaneVisible(kPaneOptions));
    // F4 toggles the front tree tab; the group stays for its other tabs.
    PressKey(h, VK_F4);
    app->RunPending();
    EXPECT_FALSE(frame->IsPaneVisible(kPaneDefaultControls));
    EXPECT_TRUE(Visible(frame->Docks().Content(kPaneCustomControls)));
}

TEST_F(EditorApp, ShowHideAllRestoresExactlyThePanesThatWereVisible) {
    Start({L"x.twf"});
    using namespace shell;
    frame->TogglePane(kPaneOptions); // hidden by hand before
    std::vector<bool> before;
    for (int pane : kShowHideAllOrder) before.push_back(frame->IsPaneVisible(pane));
    PressKey(frame->Handle(), VK_F11);
    app->RunPending();
    for (int pane : kShowHideAllOrder) EXPECT_FALSE(frame->IsPaneVisible(pane)) << pane;
    frame->TogglePane(kPaneColorAdjustment); // shown by hand in between
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_VIEW_SHOW_HIDE_ALL, 0), 0);
    for (std::size_t i = 0; i < kShowHideAllOrder.size(); ++i)
        EXPECT_EQ(frame->IsPaneVisible(kShowHideAllOrder[i]), before[i]) << kShowHideAllOrder[i];
}

TEST_F(EditorApp, DisabledCommandRunsNeitherByAcceleratorNorFromAContextMenu) {
    Start({L"x.twf"});
    HWND h = frame->Handle();
    // Ctrl+W is bound to "fill all states", which nothing handles yet; give
    // it a handler whose update decides.
    int runs = 0;
    bool enabled = false;
    frame->Commands()->On(ID_EDIT_FILL_ALL_STATES, [&] { ++runs; });
    frame->Commands()->Update(ID_EDIT_FILL_ALL_STATES, [&](fw::CommandState& s) { s.enabled = enabled; });
    auto pressCtrlW = [&] {
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PressKey(h, 'W');
        app->RunPending();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    };
    pressCtrlW();
    EXPECT_EQ(runs, 0);
    enabled = true;
    pressCtrlW();
    EXPECT_EQ(runs, 1);

    // A context menu's owner is asked first; its disabled item is greyed
    // and a command for it does not run.
    struct Owner : fw::Window {
        fw::CommandTable table;
        fw::CommandTable* Commands() override { return &table; }
    } owner;
    fw::WindowArgs a;
    a.style = WS_CHILD | WS_VISIBLE;
    a.parent = h;
    a.width = a.height = 10;
    ASSERT_TRUE(owner.Create(a));
    int clears = 0;
    bool clearEnabled = false;
    owner.table.On(ID_CONTEXT_CLEAR, [&] { ++clears; });
    owner.table.Update(ID_CONTEXT_CLEAR, [&](fw::CommandState& s) { s.enabled = clearEnabled; });
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROPERTY_CONTEXT_MENU));
    HMENU popup = GetSubMenu(menu, 0);
    frame->UpdateMenu(popup, owner.Handle());
    EXPECT_TRUE(GetMenuState(popup, ID_CONTEXT_CLEAR, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(popup, ID_CONTEXT_FILL_INACTIVE, MF_BYCOMMAND) & MF_GRAYED); // no handler at all
    EXPECT_FALSE(frame->RunCommand(ID_CONTEXT_CLEAR, owner.Handle()));
    EXPECT_EQ(clears, 0);
    clearEnabled = true;
    frame->UpdateMenu(popup, owner.Handle());
    EXPECT_FALSE(GetMenuState(popup, ID_CONTEXT_CLEAR, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(frame->RunCommand(ID_CONTEXT_CLEAR, owner.Handle()));
    EXPECT_EQ(clears, 1);
    DestroyMenu(menu);
}

TEST_F(EditorApp, F1OpensTheHelpOnce) {
    Start({L"x.twf"});
    PressKey(frame->Handle(), VK_F1);
    app->RunPending();
    ASSERT_EQ(shell->opened.size(), 1u);
    EXPECT_EQ(shell->opened[0], app->StartDirectory() + L"\\hexmoormanual.chm");
    // The menu item runs it too.
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_HELP_CONTENTS, 0), 0);
    EXPECT_EQ(shell->opened.size(), 2u);
}

TEST_F(EditorApp, LookIsKeptAcrossRuns) {
    Start({L"x.twf"});
    EXPECT_EQ(frame->ApplicationLook(), 2);
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_VIEW_LOOK_BLUE, 0), 0);
    EXPECT_EQ(frame->ApplicationLook(), 4);
    Stop();
    Start({L"x.twf"});
    EXPECT_EQ(frame->ApplicationLook(), 4);
    // A stored look without a menu item is taken as it is; no look item
    // carries the radio mark then.
    Stop();
    fw::Profile(L"Tarnwick", L"Hexmoor").WriteInt(L"Workspace", L"ApplicationLook", 1);
    Start({L"x.twf"});
    EXPECT_EQ(frame->ApplicationLook(), 1);
    for (unsigned id : {ID_VIEW_LOOK_WINDOWS, ID_VIEW_LOOK_SILVER, ID_VIEW_LOOK_BLACK, ID_VIEW_LOOK_BLUE})
        EXPECT_FALSE(frame->QueryCommand(id).checked) << id;
}

// The frame comes back maximised from a saved maximised placement as a
// maximised window sits: over the work area with its borders off the
// screen on every side. Setting the placement it already had moved it to
// the screen's corner here, its left and top borders showing.
TEST_F(EditorApp, AMaximisedFrameComesBackWithItsBordersOffTheScreen) {
    Start();
    ASSERT_TRUE(IsZoomed(frame->Handle()));
    Stop();
    Start();
    ASSERT_TRUE(IsZoomed(frame->Handle()));
    RECT work, window;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(frame->Handle(), &window);
    EXPECT_LT(window.left, work.left);
    EXPECT_EQ(window.left - work.left, window.top - work.top);
    EXPECT_EQ(work.left - window.left, window.right - work.right);
}

TEST_F(EditorApp, DockedPlacesAreKeptAcrossRuns) {
    Start({L"x.twf"});
    using namespace shell;
    frame->TogglePane(kPaneUserData);
    frame->Docks().FloatPane(kPaneOptions, {200, 200, 500, 500});
    Stop();
    Start({L"x.twf"});
    EXPECT_FALSE(frame->IsPaneVisible(kPaneUserData));
    EXPECT_EQ(frame->Docks().Layout().Mode(kPaneOptions), fw::PaneMode::Floating);
    HWND container = frame->Docks().Container(kPaneOptions);
    EXPECT_TRUE(Visible(container));
    EXPECT_NE(container, frame->Handle());
    // Docked back into its old place.
    frame->Docks().DockPaneHome(kPaneOptions);
    RECT props = ScreenRect(frame->Docks().Container(kPaneProperties));
    RECT opts = ScreenRect(frame->Docks().Container(kPaneOptions));
    EXPECT_LE(props.bottom, opts.top);
}

TEST_F(EditorApp, CaptionDraggedOutFloatsThePaneAndDroppingOnTheFrameEdgeDocksIt) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    HWND group = docks.Container(kPaneProperties);
    const fw::GroupGeometry* geo = GroupOf(docks.Geometry(), kPaneProperties);
    ASSERT_TRUE(geo);
    int x = geo->caption.left + 30, y = geo->caption.top + 8;
    SendMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(group, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x - 200, y + 120));
    EXPECT_EQ(docks.Layout().Mode(kPaneProperties), fw::PaneMode::Floating);
    HWND floating = docks.Container(kPaneProperties);
    EXPECT_TRUE(Visible(floating));
    EXPECT_FALSE(GetWindowLongPtrW(floating, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(Visible(docks.Content(kPaneProperties)));

    // The move ends with the cursor at the frame's left edge: docked there.
    RECT client;
    GetClientRect(frame->Handle(), &client);
    POINT edge{docks.Area().left + 5, (docks.Area().top + docks.Area().bottom) / 2};
    ClientToScreen(frame->Handle(), &edge);
    SetCursorPos(edge.x, edge.y);
    RECT moving;
    GetWindowRect(floating, &moving);
    SendMessageW(floating, WM_MOVING, 0, reinterpret_cast<LPARAM>(&moving));
    // The hint shows the left side while the window is over its edge.
    HWND hint = nullptr;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetWindow(w, GW_OWNER) == frame->Handle() && (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYERED) &&
            IsWindowVisible(w))
            hint = w;
    ASSERT_TRUE(hint);
    RECT hr;
    GetWindowRect(hint, &hr);
    POINT areaOrigin{docks.Area().left, docks.Area().top};
    ClientToScreen(frame->Handle(), &areaOrigin);
    EXPECT_EQ(hr.left, areaOrigin.x);
    SendMessageW(floating, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(hint));
    app->RunPending();
    EXPECT_EQ(docks.Layout().Mode(kPaneProperties), fw::PaneMode::Docked);
    EXPECT_EQ(docks.Layout().SideOf(kPaneProperties), fw::DockSide::Left);
    EXPECT_FALSE(Visible(floating));
    EXPECT_TRUE(GetWindowLongPtrW(docks.Container(kPaneProperties), GWL_STYLE) & WS_CHILD);
}

TEST_F(EditorApp, ZoomerPinsToTheEdgeAndSlidesOutFromItsTab) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    const fw::GroupGeometry* geo = GroupOf(docks.Geometry(), kPaneZoomer);
    ASSERT_TRUE(geo);
    ASSERT_FALSE(geo->pinButton.IsEmpty());
    HWND group = docks.Container(kPaneZoomer);
    SendMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(geo->pinButton.left + 4, geo->pinButton.top + 4));
    EXPECT_EQ(docks.Layout().Mode(kPaneZoomer), fw::PaneMode::AutoHidden);
    EXPECT_FALSE(Visible(docks.Content(kPaneZoomer)));
    ASSERT_EQ(docks.Geometry().autoHideTabs.size(), 1u);
    hexmoor::Rect tab = docks.Geometry().autoHideTabs[0].rect;
    SendMessageW(frame->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.left + 4, tab.top + 10));
    EXPECT_TRUE(Visible(docks.Content(kPaneZoomer)));
    // Still "shown" for the View menu while it waits at the edge.
    EXPECT_TRUE(frame->QueryCommand(ID_TOOLS_ZOOMER).checked);
    // The pin of the slid-out pane docks it again.
    const hexmoor::Rect pin = hexmoor::Rect::XYWH(docks.Geometry().slideOut.Width() - 2 * 16 - 4 + 4, 6, 4, 4);
    SendMessageW(docks.Container(kPaneZoomer), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pin.left, pin.top));
    EXPECT_EQ(docks.Layout().Mode(kPaneZoomer), fw::PaneMode::Docked);
    EXPECT_TRUE(docks.Geometry().autoHideTabs.empty());
}

TEST_F(EditorApp, ClosingAsksToSaveOnlyWhenModifiedAndCancelKeepsTheFrame) {
    Start({L"x.twf"});
    messages->shown.clear();
    shell::Editor().documentModified = true;
    messages->answer = IDCANCEL;
    SendMessageW(frame->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"Would you like to save your changes?");
    EXPECT_TRUE(IsWindow(frame->Handle()));
    messages->answer = IDNO;
    shell::Editor().documentModified = false;
    messages->shown.clear();
    SendMessageW(frame->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_FALSE(frame->IsAlive());
}

TEST_F(EditorApp, ClosingWithMarginBitmapOnTheClipboardAsksWhetherToLeaveIt) {
    Start({L"x.twf"});
    UINT format = RegisterClipboardFormatW(L"MARGIN_BITMAP");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 16);
    SetClipboardData(format, data);
    CloseClipboard();
    messages->shown.clear();
    messages->answer = IDNO;
    SendMessageW(frame->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"Do you want to leave clipboard data for other application?");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(format), nullptr);
    EmptyClipboard();
    CloseClipboard();
}

TEST_F(EditorApp, FirstSelectionInATreeClearsTheOtherTreesAndMakesItActive) {
    Start({L"x.twf"});
    // The trees behind the default tree's tab are made when first asked for.
    frame->CustomControls();
    frame->UserData();
    auto& trees = shell::Editor().trees;
    ASSERT_TRUE(trees[0] && trees[1] && trees[2]);
    HTREEITEM items[3][2];
    for (int t = 0; t < 3; ++t)
        for (int i = 0; i < 2; ++i) {
            TVINSERTSTRUCTW ins{};
            ins.hParent = TVI_ROOT;
            ins.hInsertAfter = TVI_LAST;
            ins.item.mask = TVIF_TEXT;
            ins.item.pszText = const_cast<wchar_t*>(L"item");
            items[t][i] = TreeView_InsertItem(trees[t], &ins);
        }
    TreeView_SelectItem(trees[0], items[0][0]);
    TreeView_SelectItem(trees[1], items[1][0]);
    EXPECT_EQ(TreeView_GetSelection(trees[0]), nullptr);
    EXPECT_EQ(shell::Editor().treeIndexActive, 1);
    TreeView_SelectItem(trees[2], items[2][0]);
    EXPECT_EQ(TreeView_GetSelection(trees[1]), nullptr);
    EXPECT_EQ(shell::Editor().treeIndexActive, 2);
    // A second item in the same tree leaves the others alone.
    TreeView_SelectItem(trees[0], items[0][1]);
    EXPECT_EQ(shell::Editor().treeIndexActive, 0);
    TreeView_SelectItem(trees[0], items[0][0]);
    EXPECT_EQ(TreeView_GetSelection(trees[0]), items[0][0]);
    EXPECT_EQ(shell::Editor().treeIndexActive, 0);
}

TEST_F(EditorApp, LooksRepaintThePaneCaptions) {
    Start({L"x.twf"});
    using namespace shell;
    HWND group = frame->Docks().Container(kPaneProperties);
    SetFocus(nullptr);
    for (auto [command, look] : {std::pair{ID_VIEW_LOOK_BLACK, 3}, {ID_VIEW_LOOK_BLUE, 4}, {ID_VIEW_LOOK_SILVER, 2}}) {
        SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        UpdateWindow(group);
        test::PixelBuffer px = test::CaptureClient(group);
        fw::LookColors colors = fw::LookScheme(look, [](int i) -> fw::Color { return GetSysColor(i); });
        auto check = test::CheckRect(px, {1, 1, 4, 12}, colors.captionInactive);
        EXPECT_TRUE(check.Passed()) << look << ": " << check.Describe(colors.captionInactive);
    }
}

TEST_F(EditorApp, ToolbarIconsLabelsAndStatusBarToggleFromTheViewMenu) {
    Start({L"x.twf"});
    HWND h = frame->Handle();
    HWND toolbar = frame->Bar().Handle();
    auto height = [&] { return frame->Bar().Height(); };
    EXPECT_TRUE(frame->Bar().LargeIcons());
    EXPECT_TRUE(frame->Bar().TextLabels());
    int big = height();
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_VIEW_SMALL_ICONS, 0), 0);
    EXPECT_FALSE(frame->Bar().LargeIcons());
    EXPECT_LT(height(), big);
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_VIEW_TEXT_LABELS, 0), 0);
    EXPECT_FALSE(frame->Bar().TextLabels());
    HMENU view = GetSubMenu(GetMenu(h), 2);
    HMENU bar = GetSubMenu(view, 13); // "Toolbar"
    ASSERT_TRUE(bar);
    SendMessageW(h, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(bar), 13);
    EXPECT_TRUE(GetMenuState(bar, ID_VIEW_SMALL_ICONS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(bar, ID_VIEW_LARGE_ICONS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(bar, ID_VIEW_TEXT_LABELS, MF_BYCOMMAND) & MF_CHECKED);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(bar, ID_VIEW_SMALL_ICONS, FALSE, &mii);
    EXPECT_TRUE(mii.fType & MFT_RADIOCHECK);
    // The status bar hides, and the panes take its room.
    RECT before;
    GetWindowRect(frame->Docks().Container(shell::kPaneOptions), &before);
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_VIEW_STATUS_BAR, 0), 0);
    EXPECT_FALSE(IsWindowVisible(frame->Status().Handle()));
    RECT after;
    GetWindowRect(frame->Docks().Container(shell::kPaneOptions), &after);
    EXPECT_GT(after.bottom, before.bottom);
    (void)toolbar;
}

TEST_F(EditorApp, DraggingATabAwayFloatsThatTabsPane) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    const fw::GroupGeometry* geo = GroupOf(docks.Geometry(), kPaneDefaultControls);
    ASSERT_TRUE(geo);
    hexmoor::Rect userTab;
    for (const auto& [pane, r] : geo->tabs)
        if (pane == kPaneUserData) userTab = r;
    ASSERT_FALSE(userTab.IsEmpty());
    HWND group = docks.Container(kPaneDefaultControls);
    int x = userTab.left + 5, y = userTab.top + 5;
    SendMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    EXPECT_EQ(docks.Layout().ActiveInGroupOf(kPaneDefaultControls), kPaneUserData);
    SendMessageW(group, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 150, y - 300));
    EXPECT_EQ(docks.Layout().Mode(kPaneUserData), fw::PaneMode::Floating);
    EXPECT_EQ(docks.Layout().Mode(kPaneDefaultControls), fw::PaneMode::Docked);
    EXPECT_EQ(docks.Layout().GroupMates(kPaneDefaultControls).size(), 2u);
    // A double click on the floating caption docks it back among its tabs.
    SendMessageW(docks.Container(kPaneUserData), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(docks.Layout().GroupMates(kPaneDefaultControls).size(), 3u);
}

TEST_F(EditorApp, PaneToolbarImagesShowThePaneThroughTheirBackgroundAndDisabledOnesAreGrey) {
    Start({L"x.twf"});
    HWND bar = frame->CustomControls()->Bar().Handle();
    auto normal = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETIMAGELIST, 0, 0));
    auto disabled = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETDISABLEDIMAGELIST, 0, 0));
    ASSERT_TRUE(normal && disabled);
    // Drawn as the toolbar draws them, over a colour no image holds.
    auto draw = [](HIMAGELIST list, int index) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, 20, 20);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bmp);
        RECT all{0, 0, 20, 20};
        HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &all, magenta);
        DeleteObject(magenta);
        ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
        test::PixelBuffer px = test::CaptureDC(dc, 0, 0, 20, 20);
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
        return px;
    };
    for (int index = 0; index < 8; ++index) {
        test::PixelBuffer n = draw(normal, index), d = draw(disabled, index);
        // The bitmap's background never shows: what lies under it does.
        int behindN = 0, behindD = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                EXPECT_NE(n.At(x, y), RGB(192, 192, 192)) << index << " " << x << "," << y;
                EXPECT_NE(d.At(x, y), RGB(192, 192, 192)) << index << " " << x << "," << y;
                behindN += n.At(x, y) == RGB(255, 0, 255);
                behindD += d.At(x, y) == RGB(255, 0, 255);
            }
        EXPECT_GT(behindN, 20) << index;
        EXPECT_EQ(behindD, behindN) << index;
        int coloured = 0, differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                COLORREF c = d.At(x, y);
                if (c == RGB(255, 0, 255)) continue;
                EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c))
                    << index << " " << x << "," << y;
                if (n.At(x, y) != c) ++differing;
                if (!(GetRValue(n.At(x, y)) == GetGValue(n.At(x, y)) && GetGValue(n.At(x, y)) == GetBValue(n.At(x, y))))
                    ++coloured;
            }
        if (coloured) {
            EXPECT_GT(differing, 0) << index;
        }
    }
}

TEST_F(EditorApp, TreePaneToolbarRepaintsCleanOverStalePixels) {
    Start({L"x.twf"});
    HWND bar = frame->DefaultControls()->Bar().Handle();
    for (auto [command, look] : {std::pair{ID_VIEW_LOOK_BLACK, 3}, {ID_VIEW_LOOK_BLUE, 4}, {ID_VIEW_LOOK_SILVER, 2}}) {
        SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        UpdateWindow(bar);
        // Stale pixels: something else drawn where the toolbar is.
        RECT rc;
        GetClientRect(bar, &rc);
        HDC dc = GetDC(bar);
        HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &rc, magenta);
        DeleteObject(magenta);
        ReleaseDC(bar, dc);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        test::PixelBuffer px = test::CaptureClient(bar);
        fw::LookColors colors = fw::LookScheme(look, [](int i) -> fw::Color { return GetSysColor(i); });
        // Right of the one button: nothing but the pane's face.
        auto check = test::CheckRect(px, {60, 2, rc.right - 2, rc.bottom - 2}, colors.barFace);
        EXPECT_TRUE(check.Passed()) << look << ": " << check.Describe(colors.barFace);
    }
}

TEST_F(EditorApp, EachLookColoursToolbarLabelsMenuBarAndStatusBar) {
    Start({L"x.twf"});
    HWND h = frame->Handle();
    HWND toolbar = frame->Bar().Handle();
    HWND status = frame->Status().Handle();
    auto count = [](const test::PixelBuffer& px, const RECT& r, COLORREF c) {
        int n = 0;
        for (int y = std::max(0L, r.top); y < std::min<long>(px.Height(), r.bottom); ++y)
            for (int x = std::max(0L, r.left); x < std::min<long>(px.Width(), r.right); ++x)
                if (px.At(x, y) == c) ++n;
        return n;
    };
    auto buttonRect = [&](unsigned id) {
        RECT r{};
        SendMessageW(toolbar, TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
        return r;
    };
    for (auto [command, look] : {std::pair{ID_VIEW_LOOK_BLACK, 3}, {ID_VIEW_LOOK_BLUE, 4}, {ID_VIEW_LOOK_SILVER, 2}}) {
        SendMessageW(h, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        app->RunPending();
        fw::LookColors colors = fw::LookScheme(look, [](int i) -> fw::Color { return GetSysColor(i); });
        UpdateWindow(toolbar);
        test::PixelBuffer bar = test::CaptureClient(toolbar);
        // Refresh is enabled, Save is not (no skin): each label in its colour.
        EXPECT_GT(count(bar, buttonRect(ID_VIEW_REFRESH), colors.barText), 10) << look;
        EXPECT_EQ(count(bar, buttonRect(ID_FILE_SAVE_SKIN), colors.barText), 0) << look;
        EXPECT_GT(count(bar, buttonRect(ID_FILE_SAVE_SKIN), colors.barTextDisabled), 10) << look;

        // The menu bar: its face right of the last item, its items' text.
        MENUBARINFO mbi{};
        mbi.cbSize = sizeof mbi;
        ASSERT_TRUE(GetMenuBarInfo(h, OBJID_MENU, 0, &mbi));
        MENUBARINFO help{};
        help.cbSize = sizeof help;
        ASSERT_TRUE(GetMenuBarInfo(h, OBJID_MENU, 5, &help));
        RECT wr;
        GetWindowRect(h, &wr);
        test::PixelBuffer win = test::CaptureWindow(h);
        test::PixelRect empty{help.rcBar.right - wr.left + 20, mbi.rcBar.top - wr.top + 2,
                              help.rcBar.right - wr.left + 200, mbi.rcBar.bottom - wr.top - 2};
        auto face = test::CheckRect(win, empty, colors.menuBar);
        EXPECT_TRUE(face.Passed()) << look << ": " << face.Describe(colors.menuBar);
        RECT items{mbi.rcBar.left - wr.left, mbi.rcBar.top - wr.top, help.rcBar.right - wr.left,
                   mbi.rcBar.bottom - wr.top};
        EXPECT_GT(count(win, items, colors.menuText), 20) << look;

        // The status bar: its face and the prompt's text.
        UpdateWindow(status);
        test::PixelBuffer st = test::CaptureClient(status);
        RECT part{};
        SendMessageW(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
        auto sface =
            test::CheckRect(st, {part.right - 60, part.top + 3, part.right - 10, part.bottom - 3}, colors.statusBar);
        EXPECT_TRUE(sface.Passed()) << look << ": " << sface.Describe(colors.statusBar);
        EXPECT_GT(count(st, part, colors.statusText), 10) << look;
    }
}

TEST_F(EditorApp, RecentFilesFillTheFileMenuAndOpenThroughTheOpenRoad) {
    Start({L"x.twf"});
    app->RecentFiles().Add(L"C:\\skins\\one.twf");
    app->RecentFiles().Add(L"C:\\skins\\two.twf");
    HWND h = frame->Handle();
    HMENU file = GetSubMenu(GetMenu(h), 0);
    SendMessageW(h, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    wchar_t text[128]{};
    GetMenuStringW(file, ID_FILE_MRU_FIRST, text, 128, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&1 C:\\skins\\two.twf");
    EXPECT_FALSE(GetMenuState(file, ID_FILE_MRU_FIRST + 1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(GetMenuState(file, ID_FILE_MRU_FIRST + 2, MF_BYCOMMAND), static_cast<UINT>(-1));
    messages->shown.clear();
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_FILE_MRU_FIRST + 1, 0), 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_NE(messages->shown[0].find(L"one.twf"), std::wstring::npos);
    // The list is kept in the profile.
    Stop();
    fw::Profile profile(L"Tarnwick", L"Hexmoor");
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File1", L""), L"C:\\skins\\two.twf");
}

TEST_F(EditorApp, ExitClosesTheFrameAndTheFrameKeepsAMinimumSize) {
    Start({L"x.twf"});
    MINMAXINFO mmi{};
    SendMessageW(frame->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(mmi.ptMinTrackSize.x, 300);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 300);
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_APP_EXIT, 0), 0);
    app->RunPending();
    EXPECT_FALSE(frame->IsAlive());
}

TEST_F(EditorApp, ClosingAFloatingPaneHidesItAndTheViewMenuBringsItBackFloating) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    docks.FloatPane(kPaneOptions, {300, 300, 600, 600});
    HWND floating = docks.Container(kPaneOptions);
    SendMessageW(floating, WM_CLOSE, 0, 0);
    EXPECT_FALSE(frame->IsPaneVisible(kPaneOptions));
    EXPECT_FALSE(Visible(floating));
    EXPECT_TRUE(IsWindow(floating));
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_VIEW_OPTIONS, 0), 0);
    EXPECT_TRUE(Visible(floating));
    EXPECT_EQ(docks.Layout().Mode(kPaneOptions), fw::PaneMode::Floating);
}

TEST_F(EditorApp, SplitterDragResizesTheSideAndTheSizeIsKept) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    fw::SplitterGeometry edge{};
    for (const auto& s : docks.Geometry().splitters)
        if (s.side == fw::DockSide::Left && s.groupIndex < 0) edge = s;
    ASSERT_FALSE(edge.rect.IsEmpty());
    RECT before;
    GetWindowRect(docks.Container(kPaneDefaultControls), &before);
    HWND h = frame->Handle();
    int x = edge.rect.left + 1, y = (edge.rect.top + edge.rect.bottom) / 2;
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 40, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(x + 40, y));
    RECT after;
    GetWindowRect(docks.Container(kPaneDefaultControls), &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left + 40);
    Stop();
    Start({L"x.twf"});
    RECT again;
    GetWindowRect(frame->Docks().Container(kPaneDefaultControls), &again);
    EXPECT_EQ(again.right - again.left, after.right - after.left);
}

TEST_F(EditorApp, SlidOutZoomerGoesBackWhenTheMouseAndFocusAreElsewhere) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    docks.SetAutoHide(kPaneZoomer, true);
    hexmoor::Rect tab = docks.Geometry().autoHideTabs.at(0).rect;
    SendMessageW(frame->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.left + 4, tab.top + 10));
    ASSERT_TRUE(Visible(docks.Content(kPaneZoomer)));
    // Mouse over the pane: it stays.
    RECT slide;
    GetWindowRect(docks.Container(kPaneZoomer), &slide);
    SetCursorPos((slide.left + slide.right) / 2, (slide.top + slide.bottom) / 2);
    SendMessageW(frame->Handle(), WM_TIMER, fw::DockManager::kTimerId, 0);
    EXPECT_TRUE(Visible(docks.Content(kPaneZoomer)));
    // Mouse far away, focus elsewhere: it slides back to its tab.
    SetCursorPos(slide.right + 300, slide.bottom - 10);
    SetFocus(frame->Handle());
    SendMessageW(frame->Handle(), WM_TIMER, fw::DockManager::kTimerId, 0);
    EXPECT_FALSE(Visible(docks.Content(kPaneZoomer)));
    EXPECT_EQ(docks.Geometry().autoHideTabs.size(), 1u);
}

TEST_F(EditorApp, StatusBarShowsCommandPromptsAndKeyIndicators) {
    Start({L"x.twf"});
    HWND h = frame->Handle();
    HMENU view = GetSubMenu(GetMenu(h), 2);
    SendMessageW(h, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageW(h, WM_MENUSELECT, MAKEWPARAM(ID_VIEW_SHOW_HIDE_ALL, MF_STRING), reinterpret_cast<LPARAM>(view));
    EXPECT_EQ(frame->Status().Prompt(), L"Show/Hide All Panels");
    app->RunPending(); // idle inside the menu keeps the prompt
    EXPECT_EQ(frame->Status().Prompt(), L"Show/Hide All Panels");
    SendMessageW(h, WM_EXITMENULOOP, FALSE, 0);
    EXPECT_EQ(frame->Status().Prompt(), L"Ready");

    BYTE keys[256]{};
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CAPITAL];
    keys[VK_CAPITAL] = 1;
    SetKeyboardState(keys);
    frame->OnIdleUpdate();
    EXPECT_EQ(frame->Status().IndicatorText(0), L"CAP");
    keys[VK_CAPITAL] = 0;
    SetKeyboardState(keys);
    frame->OnIdleUpdate();
    EXPECT_EQ(frame->Status().IndicatorText(0), L"");
    keys[VK_CAPITAL] = saved;
    SetKeyboardState(keys);
}

TEST_F(EditorApp, PlacementKeeperMiniFramesOnlyTakesTheFramesFloatingPanesAndNothingElse) {
    Start({L"x.twf"});
    using namespace shell;
    fw::Profile profile(L"Tarnwick", L"Hexmoor");
    CSaveRestoreWinPos keeper(&profile);
    EXPECT_FALSE(keeper.AddWindow(nullptr, true));
    // Nothing floats yet: nothing is registered, not even the frame.
    EXPECT_TRUE(keeper.AddWindow(frame->Handle(), true));
    EXPECT_TRUE(keeper.Windows().empty());
    auto& docks = frame->Docks();
    docks.FloatPane(kPaneOptions, {300, 300, 600, 600});
    docks.FloatPane(kPaneProperties, {350, 350, 650, 650});
    EXPECT_TRUE(keeper.AddWindow(frame->Handle(), true));
    std::vector<HWND> got = keeper.Windows();
    std::sort(got.begin(), got.end());
    std::vector<HWND> want = {docks.Container(kPaneOptions), docks.Container(kPaneProperties)};
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want);
    // Saved under their captions like any registered window.
    keeper.SaveAll();
    EXPECT_TRUE(profile.HasValue(L"Options", L"left"));
}

TEST_F(EditorApp, RightSideStartsAsWideAsTheColourPaneWithOptionsAsHighAsGiven) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    frame->TogglePane(kPaneColorAdjustment);
    RECT colour = ScreenRect(docks.Container(kPaneColorAdjustment));
    // 265 pixels, or as wide as the dialog's template asks on this screen
    // with the panel's border, where that is wider.
    const SIZE dialog = DialogTemplatePixelSize(fw::ResourceModule(), IDD_COLOR_ADJUST);
    EXPECT_EQ(colour.right - colour.left, std::max<int>(265, dialog.cx + 4));
    // The three groups of the right side, top to bottom.
    RECT props = ScreenRect(docks.Container(kPaneProperties));
    RECT opts = ScreenRect(docks.Container(kPaneOptions));
    EXPECT_LE(colour.bottom, props.top);
    EXPECT_LE(props.bottom, opts.top);
}

TEST_F(EditorApp, EveryDockLayoutChangeLaysTheViewIntoWhatThePanesLeave) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    HWND h = frame->Handle();
    auto viewMatchesCentre = [&](const char* when) {
        RECT v = ScreenRect(frame->View());
        MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&v), 2);
        hexmoor::Rect c = docks.Geometry().center;
        EXPECT_EQ(v.left, c.left) << when;
        EXPECT_EQ(v.top, c.top) << when;
        EXPECT_EQ(v.right, c.right) << when;
        EXPECT_EQ(v.bottom, c.bottom) << when;
    };
    viewMatchesCentre("at start");
    // Show/Hide All: the view takes the whole area.
    PressKey(h, VK_F11);
    app->RunPending();
    viewMatchesCentre("all hidden");
    EXPECT_EQ(docks.Geometry().center.left, docks.Area().left);
    PressKey(h, VK_F11);
    app->RunPending();
    viewMatchesCentre("all shown");
    // A pane pinned to the edge, and back.
    docks.SetAutoHide(kPaneZoomer, true);
    viewMatchesCentre("zoomer pinned away");
    docks.SetAutoHide(kPaneZoomer, false);
    // A splitter dragged: the view follows while the button is still down.
    fw::SplitterGeometry edge{};
    for (const auto& s : docks.Geometry().splitters)
        if (s.side == fw::DockSide::Left && s.groupIndex < 0) edge = s;
    ASSERT_FALSE(edge.rect.IsEmpty());
    int x = edge.rect.left + 1, y = (edge.rect.top + edge.rect.bottom) / 2;
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 50, y));
    viewMatchesCentre("splitter dragging");
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(x + 50, y));
    // A pane floated out of the right side.
    docks.FloatPane(kPaneProperties, {300, 300, 600, 600});
    docks.FloatPane(kPaneOptions, {320, 320, 620, 620});
    viewMatchesCentre("right side floated away");
    EXPECT_EQ(docks.Geometry().center.right, docks.Area().right);
}

TEST_F(EditorApp, F6AndShiftF6MoveTheFocusThroughTheVisiblePanesInOrder) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    HWND h = frame->Handle();
    // Left: the front tree tab, the Zoomer; right: Properties, Options.
    const std::vector<int> order = {kPaneDefaultControls, kPaneZoomer, kPaneProperties, kPaneOptions};
    EXPECT_EQ(docks.VisiblePanes(), order);
    SetFocus(h);
    auto press = [&](bool shift) {
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        HWND target = GetFocus() ? GetFocus() : h;
        PressKey(target, VK_F6);
        app->RunPending();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return docks.FocusedPane();
    };
    std::vector<int> forward;
    for (int i = 0; i < 5; ++i) forward.push_back(press(false));
    EXPECT_EQ(forward, (std::vector<int>{kPaneDefaultControls, kPaneZoomer, kPaneProperties, kPaneOptions,
                                         kPaneDefaultControls}));
    // The tree pane hands the focus to its tree.
    EXPECT_EQ(GetFocus(), frame->DefaultControls()->Tree());
    std::vector<int> back;
    for (int i = 0; i < 2; ++i) back.push_back(press(true));
    EXPECT_EQ(back, (std::vector<int>{kPaneOptions, kPaneProperties}));
    // The View menu says what the keys do; User Data claims no key.
    HMENU view = GetSubMenu(GetMenu(h), 2);
    wchar_t text[64]{};
    GetMenuStringW(view, ID_NEXT_PANE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Next Pane\tF6");
    GetMenuStringW(view, ID_PREV_PANE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Previous Pane\tShift+F6");
    GetMenuStringW(view, ID_VIEW_USER_DATA, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"User Data");
}

TEST_F(EditorApp, NextPaneCycleWrapsAndStartsFromEitherEnd) {
    const std::vector<int> panes = {4, 7, 9};
    EXPECT_EQ(fw::NextPaneInCycle(panes, 7, true), 9);
    EXPECT_EQ(fw::NextPaneInCycle(panes, 9, true), 4);
    EXPECT_EQ(fw::NextPaneInCycle(panes, 4, false), 9);
    EXPECT_EQ(fw::NextPaneInCycle(panes, 0, true), 4);
    EXPECT_EQ(fw::NextPaneInCycle(panes, 0, false), 9);
    EXPECT_EQ(fw::NextPaneInCycle({}, 3, true), 0);
}

TEST_F(EditorApp, ShowHideAllBringsBackTheTabThatWasInFront) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    docks.RequestActivate(kPaneCustomControls);
    ASSERT_EQ(docks.Layout().ActiveInGroupOf(kPaneDefaultControls), kPaneCustomControls);
    frame->ShowHideAll();
    frame->ShowHideAll();
    EXPECT_EQ(docks.Layout().ActiveInGroupOf(kPaneDefaultControls), kPaneCustomControls);
    EXPECT_TRUE(Visible(docks.Content(kPaneCustomControls)));
    EXPECT_FALSE(Visible(docks.Content(kPaneUserData)));
}

TEST_F(EditorApp, PinGlyphDiffersBetweenADockedAndAnAutoHiddenPane) {
    Start({L"x.twf"});
    using namespace shell;
    auto& docks = frame->Docks();
    SetFocus(nullptr);
    // The glyph's pixels (caption text colour) inside the pin button.
    auto glyph = [&](HWND group, const hexmoor::Rect& pin, COLORREF ink) {
        UpdateWindow(group);
        test::PixelBuffer px = test::CaptureClient(group);
        std::vector<std::pair<int, int>> marks;
        for (int y = pin.top; y < pin.bottom; ++y)
            for (int x = pin.left; x < pin.right; ++x)
                if (px.At(x, y) == ink) marks.push_back({x - pin.left, y - pin.top});
        return marks;
    };
    hexmoor::Rect pin;
    for (const auto& g : docks.Geometry().groups)
        if (g.activePane == kPaneZoomer) pin = g.pinButton;
    ASSERT_FALSE(pin.IsEmpty());
    COLORREF ink = Editor().look.captionTextInactive;
    auto pinned = glyph(docks.Container(kPaneZoomer), pin, ink);
    docks.SetAutoHide(kPaneZoomer, true);
    hexmoor::Rect tab = docks.Geometry().autoHideTabs.at(0).rect;
    SendMessageW(frame->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.left + 4, tab.top + 10));
    ASSERT_TRUE(Visible(docks.Content(kPaneZoomer)));
    hexmoor::Rect slidPin = hexmoor::Rect::XYWH(docks.Geometry().slideOut.Width() - 2 * 16 - 4, 2, 16, 16);
    auto unpinned = glyph(docks.Container(kPaneZoomer), slidPin, ink);
    EXPECT_GT(pinned.size(), 5u);
    EXPECT_GT(unpinned.size(), 5u);
    EXPECT_NE(pinned, unpinned);
}

TEST_F(EditorApp, OpenLastSkinWithoutARecentFileSaysThereIsNoRecentSkin) {
    Start();
    ASSERT_TRUE(app->StartDialog());
    messages->shown.clear();
    SendMessageW(app->StartDialog()->Handle(), WM_COMMAND, MAKEWPARAM(IDC_START_OPEN_LAST_SKIN, BN_CLICKED), 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"There is no recent skin to open.");
}

TEST_F(EditorApp, ToolbarStatesAreFreshWhenAModalMessageBoxOpensAtStartUp) {
    // The message box for the file on the command line is the first modal
    // loop; the toolbar must not show Save (disabled) as enabled there.
    struct Watching : test::ScriptedMessages {
        shell::CMainFrame* const* frame = nullptr;
        std::vector<bool> saveEnabled;
        int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override {
            if (CHexmoorAppFrame()) {
                HWND bar = CHexmoorAppFrame()->Bar().Handle();
                saveEnabled.push_back(SendMessageW(bar, TB_ISBUTTONENABLED, ID_FILE_SAVE_SKIN, 0) != 0);
            }
            return ScriptedMessages::Show(owner, text, caption, type);
        }
        shell::CMainFrame* CHexmoorAppFrame() const {
            auto* app = static_cast<shell::CHexmoorApp*>(fw::Application::Current());
            return app ? app->Frame() : nullptr;
        }
    };
    app = std::make_unique<shell::CHexmoorApp>();
    auto m = std::make_unique<Watching>();
    Watching* watching = m.get();
    messages = m.get();
    app->SetMessages(std::move(m));
    app->SetShell(std::make_unique<test::ScriptedShell>());
    ASSERT_TRUE(app->InitInstance({L"x.twf"}));
    frame = app->Frame();
    ASSERT_EQ(watching->saveEnabled.size(), 1u);
    EXPECT_FALSE(watching->saveEnabled[0]);
}

TEST_F(EditorApp, StartDialogIsOwnedByTheFrameCentredOnItWithItsButtonsInsideAndShowsTheFocus) {
    Start();
    ASSERT_TRUE(app->StartDialog());
    HWND dlg = app->StartDialog()->Handle();
    EXPECT_EQ(GetWindow(dlg, GW_OWNER), frame->Handle());
    RECT d = ScreenRect(dlg), f = ScreenRect(frame->Handle());
    EXPECT_NEAR((d.left + d.right) / 2, (f.left + f.right) / 2, 1);
    EXPECT_NEAR((d.top + d.bottom) / 2, (f.top + f.bottom) / 2, 1);

    // Every button inside the client area; the four commands in one row
    // with equal room before, between and after them.
    RECT client;
    GetClientRect(dlg, &client);
    auto inDialog = [&](int id) {
        RECT r = ScreenRect(GetDlgItem(dlg, id));
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    for (int id :
         {IDOK, IDC_START_OPEN_SKIN, IDC_START_OPEN_LAST_SKIN, IDC_START_CREATE_NEW_SKIN, IDC_START_IMPORT_MSSTYLE}) {
        RECT r = inDialog(id);
        EXPECT_GE(r.left, client.left) << id;
        EXPECT_LE(r.right, client.right) << id;
        EXPECT_GE(r.top, client.top) << id;
        EXPECT_LE(r.bottom, client.bottom) << id;
    }
    std::vector<int> gaps;
    int x = client.left;
    for (int id :
         {IDC_START_OPEN_SKIN, IDC_START_OPEN_LAST_SKIN, IDC_START_CREATE_NEW_SKIN, IDC_START_IMPORT_MSSTYLE}) {
        RECT r = inDialog(id);
        gaps.push_back(r.left - x);
        x = r.right;
        EXPECT_EQ(r.top, inDialog(IDC_START_OPEN_SKIN).top) << id;
    }
    gaps.push_back(client.right - x);
    for (int g : gaps) EXPECT_NEAR(g, gaps[0], 1);
    EXPECT_GT(gaps[0], 0);
    EXPECT_EQ(shell::SpreadInRow(100, {20, 20, 20}), (std::vector<int>{10, 40, 70}));
    EXPECT_EQ(shell::SpreadInRow(50, {30, 30}), (std::vector<int>{0, 30})); // too wide: no room, no overlap

    // The focused button shows that it has the focus (once the keyboard is
    // in use), the others do not.
    HWND open = GetDlgItem(dlg, IDC_START_OPEN_SKIN);
    SendMessageW(dlg, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(GetDlgItem(dlg, IDC_START_CREATE_NEW_SKIN));
    UpdateWindow(dlg);
    test::PixelBuffer unfocused = test::CaptureClient(open);
    SetFocus(open);
    UpdateWindow(open);
    test::PixelBuffer focused = test::CaptureClient(open);
    ASSERT_EQ(focused.Width(), unfocused.Width());
    int differing = 0;
    for (int y = 0; y < focused.Height(); ++y)
        for (int x2 = 0; x2 < focused.Width(); ++x2)
            if (focused.At(x2, y) != unfocused.At(x2, y)) ++differing;
    EXPECT_GT(differing, 20);
}

namespace {
struct OneFile : fw::FileDialogService {
    std::wstring path;
    int shown = 0;
    std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest&) override {
        ++shown;
        return fw::FileDialogResult{path, 1};
    }
};
} // namespace

TEST_F(EditorApp, ClosingWithYesAndAFailedSaveKeepsTheFrameOpen) {
    Start();
    auto f = std::make_unique<OneFile>();
    OneFile* files = f.get();
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    files->path = std::wstring(temp) + L"hexmoor-no-such-folder\\x.twf";
    app->SetFileDialogs(std::move(f));
    shell::Editor().documentModified = true;
    messages->answer = IDYES;
    SendMessageW(frame->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame->Handle()));
    EXPECT_EQ(files->shown, 1);
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_NE(messages->shown[1].find(files->path), std::wstring::npos);
    EXPECT_TRUE(shell::Editor().documentModified);
    EXPECT_TRUE(app->RecentFiles().Entries().empty());
    shell::Editor().documentModified = false;
}
