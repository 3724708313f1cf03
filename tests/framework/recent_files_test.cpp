#include "framework/recent_files.h"

#include <gtest/gtest.h>

#include <windows.h>

using hexmoor::fw::RecentFileList;

TEST(RecentFiles, NewestFirstAtMostFourAndOneEntryPerFileWhateverTheCase) {
    RecentFileList list(4);
    for (const wchar_t* p : {L"C:\\a.twf", L"C:\\b.twf", L"C:\\c.twf", L"C:\\d.twf", L"C:\\e.twf"}) list.Add(p);
    EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"C:\\e.twf", L"C:\\d.twf", L"C:\\c.twf", L"C:\\b.twf"}));
    list.Add(L"c:\\C.TWF");
    EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"c:\\C.TWF", L"C:\\e.twf", L"C:\\d.twf", L"C:\\b.twf"}));
    list.Remove(9);
    list.Remove(0);
    EXPECT_EQ(list.Entries().size(), 3u);
    list.Add(L"");
    EXPECT_EQ(list.Entries().size(), 3u);
}

// Adding one of the list's own entries (opening a recent file) moves it to
// the front and keeps every other entry as it was.
TEST(RecentFiles, AddingAnEntryOfTheListItselfMovesItToTheFront) {
    RecentFileList list(4);
    for (const wchar_t* p : {L"C:\\d.twf", L"C:\\c.twf", L"C:\\b.twf", L"C:\\a.twf"}) list.Add(p);
    list.Add(list.Entries()[2]);
    EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"C:\\c.twf", L"C:\\a.twf", L"C:\\b.twf", L"C:\\d.twf"}));
    list.Add(list.Entries().front());
    EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"C:\\c.twf", L"C:\\a.twf", L"C:\\b.twf", L"C:\\d.twf"}));
    list.Add(list.Entries().back());
    EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"C:\\d.twf", L"C:\\c.twf", L"C:\\a.twf", L"C:\\b.twf"}));
}

TEST(RecentFiles, MenuTextNumbersFromOneAndKeepsAmpersands) {
    EXPECT_EQ(RecentFileList::MenuText(0, L"C:\\R&D\\x.twf"), L"&1 C:\\R&&D\\x.twf");
    EXPECT_EQ(RecentFileList::MenuText(3, L"y.twfx"), L"&4 y.twfx");
}

TEST(RecentFiles, MenuShowsTheEntriesInPlaceOfThePlaceholderAndBackWhenEmpty) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"Open");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 57616, L"Recent File");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 57665, L"Exit");
    RecentFileList list(4);
    list.Add(L"C:\\a.twf");
    list.Add(L"C:\\b.twf");
    list.FillMenu(menu, 57616, L"Recent File");
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(menu, 1), 57616u);
    EXPECT_EQ(GetMenuItemID(menu, 2), 57617u);
    wchar_t text[64]{};
    GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&1 C:\\b.twf");
    EXPECT_FALSE(GetMenuState(menu, 57616, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(GetMenuItemID(menu, 4), 57665u);
    RecentFileList empty(4);
    empty.FillMenu(menu, 57616, L"Recent File");
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_TRUE(GetMenuState(menu, 57616, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
}
