#include "model/file/skin_header.h"

#include <cstdint>

#include "model/twf_error.h"

namespace {

// Leading decimal digits; only the low 8 bits survive, so wrapping is fine.
std::uint32_t LeadingNumber(std::string_view text) {
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

} // namespace

WORD ParseSkinHeader(std::string_view header) {
    if (header.size() <= 3) throw TwfError{kTwfCorrupt};
    for (int i = 0; i < 3; ++i) {
        char c = header[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != "TWF"[i]) throw TwfError{kTwfCorrupt};
    }
    std::string_view rest = header.substr(3);
    std::uint32_t major = 0;
    std::uint32_t minor;
    if (auto dot = rest.find('.'); dot != std::string_view::npos) {
        major = LeadingNumber(rest.substr(0, dot));
        minor = LeadingNumber(rest.substr(dot + 1));
    } else {
        minor = LeadingNumber(rest);
    }
    return static_cast<WORD>(((major & 0xFF) << 8) | (minor & 0xFF));
}

std::string FormatSkinHeader(WORD version) {
    return "TWF" + std::to_string(version >> 8) + "." + std::to_string(version & 0xFF);
}
