// A skin file that another process holds locked is retried once a second
// rather than refused at once (Windows: sharing violations).
#include <gtest/gtest.h>

#ifdef _WIN32
#include <chrono>
#include <thread>

#include "model/twf_skin.h"
#include "tests/model/file/skin_test_support.h"

namespace {

TEST(LockedSkinFile, IsReadOnceTheLockIsReleased) {
    ASSERT_TRUE(skin_test::Imaging().IsStarted());
    skin_test::ScratchDir dir("locked");
    const auto path = (dir / "locked.twf").wstring();
    CTwfSkin source;
    source.InitNewSkin(L"Default");
    source.GetInfo().skinName = L"Locked";
    source.SetPath(path);
    ASSERT_TRUE(source.WriteSkinFile());

    HANDLE lock = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::thread release([lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        CloseHandle(lock);
    });
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    skin.SetPath(path);
    const auto start = std::chrono::steady_clock::now();
    const int code = skin.LoadSkinFromPath(FALSE);
    const auto waited = std::chrono::steady_clock::now() - start;
    release.join();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(skin.GetInfo().skinName, L"Locked");
    EXPECT_GE(waited, std::chrono::milliseconds(1000));
}

} // namespace
#endif
