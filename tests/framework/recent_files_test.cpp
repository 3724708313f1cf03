#include "framework/recent_files.h"

#include <gtest/gtest.h>

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

TEST(RecentFiles, MenuTextNumbersFromOneAndKeepsAmpersands) {
    EXPECT_EQ(RecentFileList::MenuText(0, L"C:\\R&D\\x.twf"), L"&1 C:\\R&&D\\x.twf");
    EXPECT_EQ(RecentFileList::MenuText(3, L"y.twfx"), L"&4 y.twfx");
}
