// Ini texts of a visual style, parsed in memory. Styles keep their scheme
// texts as UTF-16 without a byte-order mark, which the system's profile
// functions cannot read, so the text is decoded and parsed here: sections and
// keys without regard to case, the first match wins, blanks around names and
// values trimmed, one pair of quotes removed, values cut at 255 characters,
// lines starting with ';' ignored.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hexmoor::exchange {

// Bytes as text: UTF-16LE with or without a byte-order mark, UTF-8 with a
// byte-order mark, anything else as Windows-1252.
std::u16string DecodeIniBytes(std::span<const std::uint8_t> bytes);

// Lower case of ASCII and Latin-1 letters.
std::u16string ToLower(std::u16string_view text);

class IniText {
public:
    static constexpr std::size_t kMaxValue = 255;

    IniText() = default;
    explicit IniText(std::span<const std::uint8_t> bytes) { Parse(DecodeIniBytes(bytes)); }
    void Parse(std::u16string_view text);

    // The value of a key; empty when the section or key is missing.
    std::u16string Get(std::u16string_view section, std::u16string_view key) const;
    std::u16string Get(std::string_view section, std::string_view key) const;
    bool HasSection(std::u16string_view section) const;
    bool HasSection(std::string_view section) const;

    struct Section {
        std::u16string name;
        std::vector<std::pair<std::u16string, std::u16string>> keys;
    };
    const std::vector<Section>& Sections() const { return sections_; }

private:
    const Section* FindSection(std::u16string_view name) const;
    std::vector<Section> sections_;
};

bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

} // namespace hexmoor::exchange
