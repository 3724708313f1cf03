#pragma once
// Paths of the generated skin files for the runtime's entries, which take
// Windows paths: the build tree's Unix path seen through Wine's Z: drive.

#include <string>

namespace hexmoor::test {

inline std::wstring SkinFixturePath(const char* name) {
    const std::string unix = std::string(HEXMOOR_SKIN_FIXTURES) + "/" + name;
    std::wstring path = L"Z:";
    for (char c : unix) path += c == '/' ? L'\\' : wchar_t(c);
    return path;
}

} // namespace hexmoor::test
