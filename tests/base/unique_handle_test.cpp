// The one handle owner, with counting traits: every handle is released
// exactly once, a moved-from owner is empty, Release gives up ownership.
#include "base/unique_handle.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, int>& Closed() {
    static std::map<int, int> closed;
    return closed;
}

struct CountingTraits {
    static int Invalid() noexcept { return -1; }
    static void Close(int h) noexcept { ++Closed()[h]; }
};
using Owner = hexmoor::UniqueHandle<int, CountingTraits>;

} // namespace

TEST(UniqueHandle, ReleasesEachHandleOnceWhateverHappensToTheOwner) {
    Closed().clear();
    {
        Owner a(1);
        Owner b(std::move(a));
        EXPECT_FALSE(a) << "a moved-from owner is empty";
        EXPECT_EQ(a.Get(), -1);
        Owner c(2);
        c = std::move(b); // 2 goes, 1 moves on
        EXPECT_EQ(Closed()[2], 1);
        EXPECT_FALSE(b);
        c.Reset(c.Get()); // resetting to the held handle keeps it
        EXPECT_EQ(Closed()[1], 0);
        Owner d(3);
        EXPECT_EQ(d.Release(), 3);
        EXPECT_FALSE(d);
        Owner zero(0); // a handle equal to zero is a real handle here
        EXPECT_TRUE(zero);
    }
    EXPECT_EQ(Closed()[1], 1);
    EXPECT_EQ(Closed()[2], 1);
    EXPECT_EQ(Closed()[3], 0) << "a released handle is the caller's";
    EXPECT_EQ(Closed()[0], 1);
    EXPECT_EQ(Closed().count(-1), 0u) << "the empty value is never closed";
}
