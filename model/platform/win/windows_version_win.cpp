// The operating system's version record, read for the classification.
#include "model/windows_version.h"

namespace {

using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);

// GetVersionEx may report a compatibility version; ntdll's RtlGetVersion
// reports the real one and is tried first.
bool ReadVersion(OSVERSIONINFOEXW* info, bool* extended) {
    info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
    if (HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll")) {
        auto get = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")));
        if (get && get(info) == 0) {
            *extended = true;
            return true;
        }
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(info))) {
        *extended = true;
        return true;
    }
    info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    *extended = false;
    const bool ok = ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(info)) != FALSE;
#pragma GCC diagnostic pop
    return ok;
}

std::wstring ReadRegistryProductType() {
    wchar_t value[64] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions", L"ProductType",
                       RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

} // namespace

int DetectWindowsProductType(int* platformCode, int* edition, DWORD* major, DWORD* minor, int* servicePack,
                             DWORD* build) {
    OSVERSIONINFOEXW info{};
    bool extended = false;
    if (!ReadVersion(&info, &extended)) return kWindowsProbeFailed;
    OsVersionRecord record;
    record.platformId = info.dwPlatformId;
    record.major = info.dwMajorVersion;
    record.minor = info.dwMinorVersion;
    record.build = info.dwBuildNumber;
    record.servicePack = info.szCSDVersion;
    record.extended = extended;
    if (extended) {
        record.suiteMask = info.wSuiteMask;
        record.productType = info.wProductType;
    } else {
        record.registryProductType = ReadRegistryProductType();
    }
    const WindowsProductType product = ClassifyWindowsProduct(record);
    if (platformCode) *platformCode = product.platformCode;
    if (edition) *edition = product.edition;
    if (major) *major = product.major;
    if (minor) *minor = product.minor;
    if (servicePack) *servicePack = product.servicePack;
    if (build) *build = product.build;
    return 0;
}
