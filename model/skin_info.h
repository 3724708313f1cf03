// The nine information strings of a skin, in the order the skin file and the
// editor's information dialog address them (fields 1 to 9).
#pragma once

#include <array>
#include <string>

struct SkinInfo {
    enum Field {
        kSkinName = 0,
        kCopyright,
        kAuthor,
        kCompany,
        kEmail,
        kUrl,
        kVersion,
        kLastUpdated,
        kDescription,
        kFieldCount
    };

    std::wstring skinName;
    std::wstring copyright;
    std::wstring author;
    std::wstring company;
    std::wstring email;
    std::wstring url;
    std::wstring version;
    std::wstring lastUpdated;
    std::wstring description;

    // Field by position 0..8 (file position minus one).
    std::wstring& Field(int index);
    const std::wstring& Field(int index) const;
    // Empties all nine strings.
    void Clear();
};
