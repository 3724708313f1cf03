#include "model/windows_version.h"

#include <gtest/gtest.h>

namespace {

OsVersionRecord Nt(DWORD major, DWORD minor, const wchar_t* servicePack = L"", BYTE productType = 1, WORD suite = 0) {
    OsVersionRecord r;
    r.platformId = 2;
    r.major = major;
    r.minor = minor;
    r.servicePack = servicePack;
    r.extended = true;
    r.productType = productType;
    r.suiteMask = suite;
    return r;
}

OsVersionRecord Win9x(DWORD minor, const wchar_t* servicePack) {
    OsVersionRecord r;
    r.platformId = 1;
    r.major = 4;
    r.minor = minor;
    r.servicePack = servicePack;
    return r;
}

TEST(WindowsVersion, Classification) {
    struct Case {
        OsVersionRecord record;
        int platformCode;
        int versionCode;
        int edition;
        int servicePack;
    };
    const Case cases[] = {
        {Win9x(0, L" C"), 2, 0, 1, -1},
        {Win9x(0, L""), 2, 0, 0, -1},
        {Win9x(10, L" A"), 3, 1, 1, -1},
        {Win9x(90, L""), 4, 2, 0, -1},
        {Nt(4, 0, L"Service Pack 6"), 5, 5, 2, 6},
        {Nt(5, 0, L"Service Pack 4"), 6, 6, 2, 4},
        {Nt(5, 1, L"Service Pack 3", 1, 0x200), 7, 7, 1, 3},
        {Nt(5, 2, L"", 3, 0x2), 8, 8, 4, 0},
        {Nt(6, 1, L"Service Pack 1"), 9, 9, 2, 1},
        {Nt(6, 3), 9, 9, 2, 0},
        // Windows 10 and 11 report major 10: still the newest code.
        {Nt(10, 0), 9, 9, 2, 0},
        {Nt(5, 2, L"Service Pack", 3, 0x80), 8, 8, 5, -1},
        {Nt(6, 0, L"", 2, 0x4), 9, 9, 6, 0},
        {Nt(6, 0, L"", 3, 0), 9, 9, 3, 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const WindowsProductType product = ClassifyWindowsProduct(cases[i].record);
        EXPECT_EQ(product.platformCode, cases[i].platformCode);
        EXPECT_EQ(WindowsVersionCodeFromPlatform(product.platformCode), cases[i].versionCode);
        EXPECT_EQ(product.edition, cases[i].edition);
        EXPECT_EQ(product.servicePack, cases[i].servicePack);
    }
}

TEST(WindowsVersion, RegistryProductTypeWithoutExtendedRecord) {
    const std::pair<const wchar_t*, int> cases[] = {{L"WINNT", 2}, {L"LANMANNT", 3}, {L"SERVERNT", 4}, {L"", 0}};
    for (const auto& [type, edition] : cases) {
        OsVersionRecord r = Nt(5, 0);
        r.extended = false;
        r.registryProductType = type;
        EXPECT_EQ(ClassifyWindowsProduct(r).edition, edition) << edition;
    }
}

TEST(WindowsVersion, CodesOfOtherPlatforms) {
    EXPECT_EQ(WindowsVersionCodeFromPlatform(1), -1); // Win32s
    EXPECT_EQ(WindowsVersionCodeFromPlatform(0), -1);
    EXPECT_EQ(WindowsVersionCodeFromPlatform(10), 10);
    EXPECT_EQ(WindowsVersionCodeFromPlatform(11), -1);
}

TEST(WindowsVersion, ProcessCodeMatchesTheProbe) {
    EXPECT_EQ(WindowsVersionCode, GetWindowsVersionCode());
#ifdef _WIN32
    EXPECT_EQ(WindowsVersionCode, 9); // the test platform reports NT 6.1
#else
    EXPECT_EQ(WindowsVersionCode, -1);
#endif
}

} // namespace
