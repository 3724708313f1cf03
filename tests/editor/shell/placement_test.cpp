// The placement keeper against real windows and the registry profile.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "editor/shell/placement.h"
#include "framework/profile.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

HWND MakeWindow(const wchar_t* caption, RECT r) {
    return CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
}

RECT NormalRect(HWND h) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(h, &wp);
    return wp.rcNormalPosition;
}

class PlacementKeeper : public ::testing::Test {
protected:
    void SetUp() override { test::ClearEditorRegistry(); }
    void TearDown() override { test::ClearEditorRegistry(); }
    fw::Profile profile{L"Tarnwick", L"Hexmoor"};
};

} // namespace

TEST_F(PlacementKeeper, TwoPropertiesCaptionsShareOneSection) {
    HWND a = MakeWindow(L"Properties - Button", {40, 50, 340, 350});
    HWND b = MakeWindow(L"Properties - Edit", {400, 400, 600, 600});
    shell::CSaveRestoreWinPos keeper(&profile);
    keeper.AddWindow(a);
    keeper.SaveAll();
    EXPECT_EQ(profile.GetInt(L"Properties", L"left", -1), NormalRect(a).left);
    keeper.RestoreWindowPos(b);
    RECT ra = NormalRect(a), rb = NormalRect(b);
    EXPECT_EQ(rb.left, ra.left);
    EXPECT_EQ(rb.top, ra.top);
    EXPECT_EQ(rb.right, ra.right);
    DestroyWindow(a);
    DestroyWindow(b);
}

// A window registered under a section of its own keeps it whatever its
// caption says when it is saved (the frame's names the open skin).
TEST_F(PlacementKeeper, AGivenSectionOutlivesCaptionChanges) {
    HWND w = MakeWindow(L"Hexmoor", {70, 80, 370, 380});
    shell::CSaveRestoreWinPos keeper(&profile);
    keeper.AddNamedWindow(w, L"Hexmoor");
    SetWindowTextW(w, L"Hexmoor - v768");
    keeper.SaveAll();
    EXPECT_EQ(profile.GetInt(L"Hexmoor", L"left", -1), 70);
    EXPECT_FALSE(profile.HasValue(L"Hexmoor - v768", L"left"));
    MoveWindow(w, 200, 200, 300, 300, TRUE);
    SetWindowTextW(w, L"Hexmoor - v512");
    keeper.RestoreAll();
    EXPECT_EQ(NormalRect(w).left, 70);
    EXPECT_EQ(NormalRect(w).top, 80);
    DestroyWindow(w);
}

TEST_F(PlacementKeeper, MinimisedWindowComesBackRestored) {
    HWND w = MakeWindow(L"Keeper minimised", {60, 60, 360, 300});
    ShowWindow(w, SW_MINIMIZE);
    shell::CSaveRestoreWinPos keeper(&profile);
    keeper.AddWindow(w);
    keeper.SaveAll();
    ShowWindow(w, SW_RESTORE);
    keeper.RestoreAll();
    EXPECT_FALSE(IsIconic(w));
    EXPECT_TRUE(IsWindowVisible(w));
    DestroyWindow(w);
}

TEST_F(PlacementKeeper, FullyOffScreenPlacementLeavesTheWindowWhereItIs) {
    HWND w = MakeWindow(L"Keeper off screen", {70, 80, 370, 380});
    RECT before = NormalRect(w);
    for (auto [name, v] :
         {std::pair{L"show", 1}, {L"flags", 0}, {L"left", 5000}, {L"top", 5000}, {L"right", 5300}, {L"bottom", 5300}})
        profile.WriteInt(L"Keeper off screen", name, v);
    shell::CSaveRestoreWinPos keeper(&profile);
    keeper.RestoreWindowPos(w);
    RECT after = NormalRect(w);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    DestroyWindow(w);
}

// A hidden maximised window (the frame at start-up) coming back maximised
// takes its normal rectangle and stays hidden for its owner to show; shown,
// it is maximised and restores to that rectangle.
TEST_F(PlacementKeeper, HiddenMaximisedWindowTakesItsNormalRectangleAndStaysHidden) {
    HWND w =
        CreateWindowExW(0, L"STATIC", L"Keeper maximised", (WS_OVERLAPPEDWINDOW | WS_MAXIMIZE) & ~WS_VISIBLE,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsZoomed(w));
    for (auto [name, v] : {std::pair{L"show", int(SW_SHOWMAXIMIZED)},
                           {L"flags", 0},
                           {L"left", 90},
                           {L"top", 100},
                           {L"right", 490},
                           {L"bottom", 400}})
        profile.WriteInt(L"Keeper maximised", name, v);
    shell::CSaveRestoreWinPos keeper(&profile);
    keeper.RestoreWindowPos(w);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_TRUE(IsZoomed(w));
    ShowWindow(w, SW_SHOWNA);
    EXPECT_TRUE(IsZoomed(w));
    ShowWindow(w, SW_RESTORE);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 90);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right, 490);
    EXPECT_EQ(r.bottom, 400);
    DestroyWindow(w);
}

// Pins a behaviour of this Wine: setting a hidden maximised window's
// placement to the one it has (shown state SW_HIDE, the default maximised
// position -1,-1) moves it from its maximised place, borders off the
// screen, to the screen's corner. The keeper therefore leaves such a window
// alone (see EditorApp.AMaximisedFrameComesBackWithItsBordersOffTheScreen).
TEST_F(PlacementKeeper, WineMovesAHiddenMaximisedWindowWhoseOwnPlacementIsSetAgain) {
    HWND w = CreateWindowExW(0, L"STATIC", L"Keeper maximised", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(w);
    ASSERT_TRUE(IsZoomed(w));
    RECT before;
    GetWindowRect(w, &before);
    ASSERT_LT(before.left, 0);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(w, &wp);
    wp.showCmd = SW_HIDE;
    SetWindowPlacement(w, &wp);
    RECT after;
    GetWindowRect(w, &after);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(after.left, 0);
    EXPECT_EQ(after.top, 0);
    DestroyWindow(w);
}

// The frame's caption names the open skin; its placement is kept under the
// application's own section all the same and comes back on the next start.
TEST_F(EditorApp, TheFramePlacementIsKeptUnderTheApplicationsSectionWhateverTheCaption) {
    Start();
    const std::wstring path = TempSkinPath(L"placement.twf");
    ASSERT_TRUE(OpenNewSkin(path));
    wchar_t caption[256]{};
    GetWindowTextW(frame->Handle(), caption, 256);
    ASSERT_NE(std::wstring(caption), app->AppName());
    ShowWindow(frame->Handle(), SW_RESTORE);
    MoveWindow(frame->Handle(), 90, 70, 640, 480, TRUE);
    test::Settle();
    const RECT placed = NormalRect(frame->Handle());
    const std::wstring section = app->AppName();
    Stop();
    DeleteFileW(path.c_str());

    fw::Profile profile{L"Tarnwick", L"Hexmoor"};
    EXPECT_EQ(profile.GetInt(section, L"left", -1), placed.left);
    EXPECT_EQ(profile.GetInt(section, L"bottom", -1), placed.bottom);
    EXPECT_FALSE(profile.HasValue(caption, L"left"));

    Start();
    const RECT back = NormalRect(frame->Handle());
    EXPECT_FALSE(IsZoomed(frame->Handle()));
    EXPECT_EQ(back.left, placed.left);
    EXPECT_EQ(back.top, placed.top);
    EXPECT_EQ(back.right, placed.right);
    EXPECT_EQ(back.bottom, placed.bottom);
}
