#include "editor/exchange/ini_text.h"

#include "editor/exchange/pe_resources.h"

namespace hexmoor::exchange {
namespace {

// Windows-1252 characters 0x80-0x9F; the undefined ones stay as they are.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// UTF-16LE without a mark: text of this kind has a zero high byte in most of
// its first characters.
bool LooksLikeUtf16(std::span<const std::uint8_t> b) {
    if (b.size() < 2 || b.size() % 2 != 0) return false;
    const std::size_t pairs = std::min<std::size_t>(b.size() / 2, 128);
    std::size_t zeroHigh = 0, zeroLow = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        if (b[2 * i + 1] == 0) ++zeroHigh;
        if (b[2 * i] == 0) ++zeroLow;
    }
    return zeroHigh * 2 > pairs && zeroLow * 4 < pairs;
}

std::u16string FromUtf16(std::span<const std::uint8_t> b) {
    std::u16string out(b.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<char16_t>(b[2 * i] | (b[2 * i + 1] << 8));
    return out;
}

std::u16string FromUtf8(std::span<const std::uint8_t> b) {
    std::u16string out;
    out.reserve(b.size());
    for (std::size_t i = 0; i < b.size();) {
        const std::uint8_t c = b[i];
        std::uint32_t cp = 0xFFFD;
        std::size_t extra = 0;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F, extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F, extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07, extra = 3;
        }
        ++i;
        bool ok = true;
        for (std::size_t k = 0; k < extra; ++k, ++i) {
            if (i >= b.size() || (b[i] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (b[i] & 0x3F);
        }
        if (!ok || cp > 0x10FFFF) cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

} // namespace

std::u16string DecodeIniBytes(std::span<const std::uint8_t> b) {
    if (b.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) return FromUtf16(b.subspan(2));
    if (b.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return FromUtf8(b.subspan(3));
    if (LooksLikeUtf16(b)) return FromUtf16(b);
    std::u16string out(b.size(), u'\0');
    for (std::size_t i = 0; i < b.size(); ++i)
        out[i] = (b[i] >= 0x80 && b[i] < 0xA0) ? kCp1252High[b[i] - 0x80] : static_cast<char16_t>(b[i]);
    return out;
}

std::u16string ToLower(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<char16_t>(c + 32);
    }
    return out;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldUpper(a[i]) != FoldUpper(b[i])) return false;
    return true;
}

void IniText::Parse(std::u16string_view text) {
    sections_.clear();
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", pos);
        if (end == std::u16string_view::npos) end = text.size();
        std::u16string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == u';') continue;
        if (line.front() == u'[') {
            const std::size_t close = line.find(u']');
            if (close == std::u16string_view::npos) continue;
            sections_.push_back({std::u16string(Trim(line.substr(1, close - 1))), {}});
            current = &sections_.back();
            continue;
        }
        const std::size_t eq = line.find(u'=');
        if (!current || eq == std::u16string_view::npos) continue;
        std::u16string_view value = Trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
            value = value.substr(1, value.size() - 2);
        if (value.size() > kMaxValue) value = value.substr(0, kMaxValue);
        current->keys.emplace_back(std::u16string(Trim(line.substr(0, eq))), std::u16string(value));
    }
}

const IniText::Section* IniText::FindSection(std::u16string_view name) const {
    for (const Section& s : sections_)
        if (EqualsNoCase(s.name, name)) return &s;
    return nullptr;
}

std::u16string IniText::Get(std::u16string_view section, std::u16string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return {};
    for (const auto& [k, v] : s->keys)
        if (EqualsNoCase(k, key)) return v;
    return {};
}

std::u16string IniText::Get(std::string_view section, std::string_view key) const {
    return Get(ToUtf16(section), ToUtf16(key));
}

bool IniText::HasSection(std::u16string_view section) const { return FindSection(section) != nullptr; }
bool IniText::HasSection(std::string_view section) const { return HasSection(ToUtf16(section)); }

} // namespace hexmoor::exchange
