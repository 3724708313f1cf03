// Native 8-bit text is Latin-1: each byte is one code point.
#include "model/platform/text.h"

namespace hexmoor::platform {

std::wstring AnsiToWide(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

std::string WideToAnsi(std::wstring_view text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) narrow.push_back(static_cast<unsigned>(c) <= 0xFF ? static_cast<char>(c) : '?');
    return narrow;
}

} // namespace hexmoor::platform
