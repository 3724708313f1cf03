// Reading a Visual Basic 6 status bar's pane texts from its own pane list:
// texts come back for good entries, and every address that does not lead to
// committed, readable memory gives an empty text instead of a fault.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "runtime/controls/host_pane_list.h"

using hexmoor::rt::HostPaneEntry;
using hexmoor::rt::IsReadableMemory;
using hexmoor::rt::ReadHostPaneText;

namespace {

// Two pages: the first read-write, the second as asked (no access, or
// released), so that data can be put right against the boundary.
class PagePair {
public:
    explicit PagePair(bool releaseSecond) {
        SYSTEM_INFO info{};
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        if (releaseSecond)
            VirtualFree(base_ + page_, page_, MEM_DECOMMIT);
        else
            VirtualProtect(base_ + page_, page_, PAGE_NOACCESS, &old);
    }
    ~PagePair() { VirtualFree(base_, 0, MEM_RELEASE); }
    char* Boundary() const { return base_ + page_; }
    char* Base() const { return base_; }

private:
    char* base_ = nullptr;
    size_t page_ = 0;
};

std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

} // namespace

TEST(HostPaneList, WalksTheListFromTheHeadEntry) {
    const wchar_t* texts[] = {L"Ready", L"Line 4", L""};
    HostPaneEntry entries[4] = {};
    for (int i = 0; i < 3; ++i) {
        entries[i].next = &entries[i + 1];
        entries[i + 1].text = texts[i];
    }
    EXPECT_EQ(ReadHostPaneText(Address(&entries[0]), 1), L"Ready");
    EXPECT_EQ(ReadHostPaneText(Address(&entries[0]), 2), L"Line 4");
    EXPECT_EQ(ReadHostPaneText(Address(&entries[0]), 3), L"");
    EXPECT_EQ(ReadHostPaneText(Address(&entries[0]), 4), L"") << "past the end: a null link";
}

TEST(HostPaneList, AddressesOutsideReadableMemoryGiveEmptyTexts) {
    for (bool released : {false, true}) {
        PagePair pages(released);
        ASSERT_NE(pages.Base(), nullptr);
        char* boundary = pages.Boundary();
        EXPECT_TRUE(IsReadableMemory(Address(boundary - 8), 8));
        EXPECT_FALSE(IsReadableMemory(Address(boundary - 8), 9)) << "one byte over the boundary";
        EXPECT_FALSE(IsReadableMemory(Address(boundary), 1));

        // A text whose end is the readable page's last character.
        auto* fits = reinterpret_cast<wchar_t*>(boundary - 8 * sizeof(wchar_t));
        std::memcpy(fits, L"abc", 4 * sizeof(wchar_t));
        PagePair other(released);
        auto* atEdge = reinterpret_cast<wchar_t*>(other.Boundary() - 3 * sizeof(wchar_t));
        std::memcpy(atEdge, L"ok", 3 * sizeof(wchar_t));
        // A text whose end lies beyond the readable page.
        auto* unended = reinterpret_cast<wchar_t*>(boundary - 2 * sizeof(wchar_t));
        unended[0] = L'x';
        unended[1] = L'y';

        auto* head = reinterpret_cast<HostPaneEntry*>(pages.Base());
        HostPaneEntry* good = head + 1;
        HostPaneEntry* badText = head + 2;
        HostPaneEntry* badLink = head + 3;
        // An entry cut in half by the boundary.
        auto* straddling = reinterpret_cast<HostPaneEntry*>(boundary - sizeof(void*));
        head->next = good;
        good->next = badText;
        good->text = fits;
        badText->next = badLink;
        badText->text = unended;
        badLink->next = reinterpret_cast<HostPaneEntry*>(boundary);
        badLink->text = fits;

        EXPECT_EQ(ReadHostPaneText(Address(head), 1), L"abc") << released;
        HostPaneEntry edgeEntry{nullptr, atEdge};
        EXPECT_EQ(ReadHostPaneText(Address(&edgeEntry), 0), L"ok") << "ends on the page's last character";
        EXPECT_EQ(ReadHostPaneText(Address(head), 2), L"") << "text runs into unreadable memory";
        EXPECT_EQ(ReadHostPaneText(Address(head), 4), L"") << "link into unreadable memory";
        EXPECT_EQ(ReadHostPaneText(Address(straddling), 0), L"") << "entry across the boundary";
        EXPECT_EQ(ReadHostPaneText(Address(boundary), 1), L"") << "head itself unreadable";
        for (std::uintptr_t bogus : {std::uintptr_t(0), std::uintptr_t(0x10)})
            EXPECT_EQ(ReadHostPaneText(bogus, 1), L"") << bogus;
    }
}
