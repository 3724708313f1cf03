#pragma once
// The application's settings store, integers as REG_DWORD and texts as
// REG_SZ, under HKEY_CURRENT_USER: Software, company, application, section.

#include <windows.h>

#include <map>
#include <string>

#include "base/win/handles.h"

namespace hexmoor::fw {

class Profile {
public:
    Profile(std::wstring company, std::wstring application);

    const std::wstring& KeyPath() const { return keyPath_; }

    int GetInt(const std::wstring& section, const std::wstring& entry, int fallback) const;
    std::wstring GetString(const std::wstring& section, const std::wstring& entry, const std::wstring& fallback) const;
    bool WriteInt(const std::wstring& section, const std::wstring& entry, int value) const;
    bool WriteString(const std::wstring& section, const std::wstring& entry, const std::wstring& value) const;
    bool HasValue(const std::wstring& section, const std::wstring& entry) const;
    // Removes the application's whole key (tests start from nothing).
    void DeleteAll() const;

private:
    std::wstring SectionPath(const std::wstring& section) const;
    // Reads one value of a section through its key, opened once and kept
    // open for the next reads (each open and close is a round trip to the
    // system, a costly one under Wine). A key deleted meanwhile is opened
    // again. ERROR_MORE_DATA leaves the needed size in *size.
    LONG QueryValue(const std::wstring& section, const std::wstring& entry, DWORD flags, void* data, DWORD* size) const;
    std::wstring keyPath_;
    mutable std::map<std::wstring, win::RegistryKey> readKeys_;
};

// Sets the default value of HKEY_CLASSES_ROOT-style keys: creates
// root\subKey and writes value under valueName as REG_SZ. Null or empty
// arguments fail with ERROR_INVALID_PARAMETER set as the last error.
bool SetClassesRootValue(HKEY root, const wchar_t* subKey, const wchar_t* valueName, const wchar_t* value);

// Reads a REG_SZ value; empty when missing.
std::wstring ReadRegistryString(HKEY root, const std::wstring& subKey, const std::wstring& valueName);

} // namespace hexmoor::fw
