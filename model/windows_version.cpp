#include "model/windows_version.h"

namespace {

constexpr DWORD kPlatformWin32s = 0;
constexpr DWORD kPlatformWindows = 1;
constexpr DWORD kPlatformNT = 2;

constexpr WORD kSuitePersonal = 0x200;
constexpr WORD kSuiteDatacenter = 0x80;
constexpr WORD kSuiteEnterprise = 0x2;
constexpr WORD kSuiteBackOffice = 0x4;
constexpr BYTE kWorkstation = 1;

int ParseServicePack(const std::wstring& text) {
    if (text == L"Service Pack") return -1;
    // The three characters from position 12 (" 1", " 12"), read as a decimal
    // number after leading blanks.
    int value = 0;
    size_t i = 12;
    while (i < 15 && i < text.size() && text[i] == L' ') ++i;
    for (; i < 15 && i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') break;
        value = value * 10 + (text[i] - L'0');
    }
    return value;
}

} // namespace

WindowsProductType ClassifyWindowsProduct(const OsVersionRecord& record) {
    WindowsProductType product;
    product.major = record.major;
    product.minor = record.minor;
    product.build = record.build;
    switch (record.platformId) {
    case kPlatformWin32s: product.platformCode = 1; break;
    case kPlatformWindows: product.platformCode = 2; break;
    case kPlatformNT: product.platformCode = 5; break;
    default: product.platformCode = 0; break;
    }
    if (product.platformCode == 5 && record.major >= 5) product.platformCode = 6;
    // Every NT release from 6 on (Vista, 7, 8, 10, 11) is the newest code.
    if (product.platformCode == 6 && record.major >= 6) product.platformCode = 9;

    if (product.platformCode == 2) {
        if (record.minor == 10) product.platformCode = 3;
        if (record.minor == 90) product.platformCode = 4;
    }
    if (product.platformCode == 6) {
        if (record.minor == 1) product.platformCode = 7;
        if (record.minor == 2) product.platformCode = 8;
    }

    product.servicePack = product.platformCode >= 5 ? ParseServicePack(record.servicePack) : -1;

    const wchar_t second = record.servicePack.size() > 1 ? record.servicePack[1] : L'\0';
    if (product.platformCode == 2) {
        product.edition = (second == L'C' || second == L'B') ? 1 : 0;
    } else if (product.platformCode == 3) {
        product.edition = second == L'A' ? 1 : 0;
    } else if (product.platformCode >= 5) {
        if (record.extended) {
            if (record.productType == kWorkstation) {
                product.edition = (record.suiteMask & kSuitePersonal) ? 1 : 2;
            } else if (record.suiteMask & kSuiteDatacenter) {
                product.edition = 5;
            } else if (record.suiteMask & kSuiteEnterprise) {
                product.edition = 4;
            } else if (record.suiteMask & kSuiteBackOffice) {
                product.edition = 6;
            } else {
                product.edition = 3;
            }
        } else if (record.registryProductType == L"WINNT") {
            product.edition = 2;
        } else if (record.registryProductType == L"LANMANNT") {
            product.edition = 3;
        } else if (record.registryProductType == L"SERVERNT") {
            product.edition = 4;
        }
    }
    return product;
}

int WindowsVersionCodeFromPlatform(int platformCode) {
    switch (platformCode) {
    case 2: return 0;
    case 3: return 1;
    case 4: return 2;
    default: break;
    }
    return platformCode >= 5 && platformCode <= 10 ? platformCode : -1;
}

int GetWindowsVersionCode() {
    int platformCode = 0, edition = 0, servicePack = 0;
    DWORD major = 0, minor = 0, build = 0;
    if (DetectWindowsProductType(&platformCode, &edition, &major, &minor, &servicePack, &build) != 0) return -1;
    return WindowsVersionCodeFromPlatform(platformCode);
}

int WindowsVersionCode = GetWindowsVersionCode();
