// Conversions between the program's wide text and the 8-bit text that skin
// files store (the ANSI code page on Windows; Latin-1 in the native tree).
#pragma once

#include <string>
#include <string_view>

namespace hexmoor::platform {

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

} // namespace hexmoor::platform
