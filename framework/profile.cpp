#include "framework/profile.h"

#include <vector>

namespace hexmoor::fw {

Profile::Profile(std::wstring company, std::wstring application)
    : keyPath_(L"Software\\" + company + L"\\" + application) {}

std::wstring Profile::SectionPath(const std::wstring& section) const {
    return section.empty() ? keyPath_ : keyPath_ + L"\\" + section;
}

int Profile::GetInt(const std::wstring& section, const std::wstring& entry, int fallback) const {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, SectionPath(section).c_str(), entry.c_str(), RRF_RT_REG_DWORD, &type, &value,
                     &size) != ERROR_SUCCESS)
        return fallback;
    return static_cast<int>(value);
}

std::wstring Profile::GetString(const std::wstring& section, const std::wstring& entry,
                                const std::wstring& fallback) const {
    DWORD size = 0;
    std::wstring path = SectionPath(section);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), entry.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return fallback;
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), entry.c_str(), RRF_RT_REG_SZ, nullptr, buf.data(), &size) !=
        ERROR_SUCCESS)
        return fallback;
    return buf.data();
}

namespace {

bool WriteValue(const std::wstring& path, const std::wstring& entry, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExW(key, entry.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

} // namespace

bool Profile::WriteInt(const std::wstring& section, const std::wstring& entry, int value) const {
    DWORD v = static_cast<DWORD>(value);
    return WriteValue(SectionPath(section), entry, REG_DWORD, &v, sizeof v);
}

bool Profile::WriteString(const std::wstring& section, const std::wstring& entry, const std::wstring& value) const {
    return WriteValue(SectionPath(section), entry, REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool Profile::HasValue(const std::wstring& section, const std::wstring& entry) const {
    return RegGetValueW(HKEY_CURRENT_USER, SectionPath(section).c_str(), entry.c_str(), RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

void Profile::DeleteAll() const { RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_.c_str()); }

bool SetClassesRootValue(HKEY root, const wchar_t* subKey, const wchar_t* valueName, const wchar_t* value) {
    if (!root || !subKey || !*subKey || !valueName || !value) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

std::wstring ReadRegistryString(HKEY root, const std::wstring& subKey, const std::wstring& valueName) {
    DWORD size = 0;
    const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
    if (RegGetValueW(root, subKey.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    if (RegGetValueW(root, subKey.c_str(), name, RRF_RT_REG_SZ, nullptr, buf.data(), &size) != ERROR_SUCCESS) return {};
    return buf.data();
}

} // namespace hexmoor::fw
