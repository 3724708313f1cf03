#include "framework/profile.h"

#include <optional>
#include <vector>

namespace hexmoor::fw {

namespace {

// A REG_SZ value through query(buffer, size in bytes), which answers as
// RegGetValueW does: most values fit the first buffer, a longer one is read
// again in full.
template <class Query>
std::optional<std::wstring> ReadStringValue(Query query) {
    std::vector<wchar_t> buf(256);
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD size = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
        const LONG rc = query(buf.data(), &size);
        if (rc == ERROR_SUCCESS) return std::wstring(buf.data());
        if (rc != ERROR_MORE_DATA) return std::nullopt;
        buf.assign(size / sizeof(wchar_t) + 1, L'\0');
    }
    return std::nullopt;
}

} // namespace

Profile::Profile(std::wstring company, std::wstring application)
    : keyPath_(L"Software\\" + company + L"\\" + application) {}

std::wstring Profile::SectionPath(const std::wstring& section) const {
    return section.empty() ? keyPath_ : keyPath_ + L"\\" + section;
}

LONG Profile::QueryValue(const std::wstring& section, const std::wstring& entry, DWORD flags, void* data,
                         DWORD* size) const {
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto it = readKeys_.find(section);
        if (it == readKeys_.end()) {
            HKEY key = nullptr;
            const LONG opened =
                RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE, &key);
            if (opened != ERROR_SUCCESS) return opened;
            it = readKeys_.emplace(section, win::RegistryKey(key)).first;
        }
        const LONG rc = RegGetValueW(it->second.Get(), nullptr, entry.c_str(), flags, nullptr, data, size);
        if (rc != ERROR_KEY_DELETED) return rc;
        // Deleted (and perhaps made again) since it was opened.
        readKeys_.erase(it);
    }
    return ERROR_KEY_DELETED;
}

int Profile::GetInt(const std::wstring& section, const std::wstring& entry, int fallback) const {
    DWORD value = 0, size = sizeof value;
    if (QueryValue(section, entry, RRF_RT_REG_DWORD, &value, &size) != ERROR_SUCCESS) return fallback;
    return static_cast<int>(value);
}

std::wstring Profile::GetString(const std::wstring& section, const std::wstring& entry,
                                const std::wstring& fallback) const {
    return ReadStringValue(
               [&](wchar_t* data, DWORD* size) { return QueryValue(section, entry, RRF_RT_REG_SZ, data, size); })
        .value_or(fallback);
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
    return QueryValue(section, entry, RRF_RT_ANY, nullptr, nullptr) == ERROR_SUCCESS;
}

void Profile::DeleteAll() const {
    readKeys_.clear();
    RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_.c_str());
}

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
    const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
    return ReadStringValue([&](wchar_t* data, DWORD* size) {
               return RegGetValueW(root, subKey.c_str(), name, RRF_RT_REG_SZ, nullptr, data, size);
           })
        .value_or(std::wstring());
}

} // namespace hexmoor::fw
