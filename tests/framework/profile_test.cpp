// The settings store: values round-trip, long texts come back whole, and a
// store that keeps its section keys open for reading still sees another
// store's writes, deletions and re-creations of the same keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/profile.h"

using hexmoor::fw::Profile;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    // A company of this process's own, so that parallel runs never meet.
    const std::wstring company = L"HexmoorProfileTest" + std::to_wstring(GetCurrentProcessId());
    Profile profile{company, L"App"};
    void TearDown() override {
        profile.DeleteAll();
        RegDeleteKeyW(HKEY_CURRENT_USER, (L"Software\\" + company).c_str());
    }
};

TEST_F(ProfileTest, ValuesRoundTripAndMissingOnesTakeTheFallback) {
    EXPECT_EQ(profile.GetInt(L"S", L"n", 7), 7);
    EXPECT_EQ(profile.GetString(L"S", L"t", L"none"), L"none");
    EXPECT_FALSE(profile.HasValue(L"S", L"n"));

    ASSERT_TRUE(profile.WriteInt(L"S", L"n", -3));
    ASSERT_TRUE(profile.WriteString(L"S", L"t", L"text"));
    const std::wstring longText(1000, L'x');
    ASSERT_TRUE(profile.WriteString(L"", L"long", longText));
    EXPECT_EQ(profile.GetInt(L"S", L"n", 7), -3);
    EXPECT_EQ(profile.GetString(L"S", L"t", L"none"), L"text");
    EXPECT_EQ(profile.GetString(L"", L"long", L""), longText);
    EXPECT_TRUE(profile.HasValue(L"S", L"n"));
    // A value of the other kind is not taken for this one.
    EXPECT_EQ(profile.GetInt(L"S", L"t", 5), 5);
    EXPECT_EQ(profile.GetString(L"S", L"n", L"none"), L"none");
}

TEST_F(ProfileTest, KeptKeysSeeAnotherStoresDeletionAndNewValues) {
    ASSERT_TRUE(profile.WriteInt(L"S", L"n", 1));
    EXPECT_EQ(profile.GetInt(L"S", L"n", 0), 1);

    Profile other{company, L"App"};
    ASSERT_TRUE(other.WriteInt(L"S", L"n", 2));
    EXPECT_EQ(profile.GetInt(L"S", L"n", 0), 2);

    other.DeleteAll();
    EXPECT_EQ(profile.GetInt(L"S", L"n", 0), 0);
    EXPECT_FALSE(profile.HasValue(L"S", L"n"));
    ASSERT_TRUE(other.WriteInt(L"S", L"n", 3));
    ASSERT_TRUE(other.WriteString(L"S", L"t", L"again"));
    EXPECT_EQ(profile.GetInt(L"S", L"n", 0), 3);
    EXPECT_EQ(profile.GetString(L"S", L"t", L""), L"again");
}

} // namespace
