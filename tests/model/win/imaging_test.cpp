// The manager refuses to load while images cannot be decoded (GDI+ not
// started): a skin without its images must not count as loaded.
#include <gtest/gtest.h>

#include "model/gdiplus_init.h"
#include "model/platform/imaging.h"
#include "model/twf_error.h"
#include "model/twf_manager.h"

namespace {

TEST(ImagingState, FollowsSuccessfulStartups) {
    const bool before = hexmoor::platform::ImagingAvailable();
    {
        CGdiPlusInit gdiplus;
        EXPECT_TRUE(gdiplus.IsStarted());
        EXPECT_EQ(gdiplus.GetStatus(), 0);
        EXPECT_TRUE(hexmoor::platform::ImagingAvailable());
    }
    EXPECT_EQ(hexmoor::platform::ImagingAvailable(), before);
}

TEST(ImagingState, AFailedStartupIsReportedAndNotCounted) {
    const bool before = hexmoor::platform::ImagingAvailable();
    {
        CGdiPlusInit unsupported(99); // no GDI+ knows this input version
        EXPECT_FALSE(unsupported.IsStarted());
        EXPECT_NE(unsupported.GetStatus(), 0);
        EXPECT_EQ(hexmoor::platform::ImagingAvailable(), before);
    }
    EXPECT_EQ(hexmoor::platform::ImagingAvailable(), before);
}

TEST(ImagingState, ManagerDoesNotLoadWithoutImaging) {
    if (hexmoor::platform::ImagingAvailable()) GTEST_SKIP() << "GDI+ already started in this process";
    CTwfManager manager;
    manager.CreateMainSkin(L"Default");
    manager.SetMainSkinLoaded(TRUE);
    const char bytes[300] = {};
    EXPECT_EQ(manager.LoadMainSkinFromMemory(bytes, sizeof bytes), kTwfNothingToRead);
    EXPECT_FALSE(manager.GetMainSkinLoaded());
    EXPECT_FALSE(manager.LoadSkin(2, L"C:\\none.twf"));
    EXPECT_EQ(manager.GetSkin(2), nullptr);
}

} // namespace
