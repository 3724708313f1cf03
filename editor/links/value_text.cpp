#include "editor/links/value_text.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

namespace hexmoor::links {

int ParseInt(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > limit) {
            value = limit;
            // Keep reading digits: the result stays saturated.
        }
    }
    return static_cast<int>(negative ? -value : value);
}

double ParseFixed(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        if (c > 0x7F) break;
        narrow.push_back(static_cast<char>(c));
    }
    return std::strtod(narrow.c_str(), nullptr);
}

std::wstring ColorText(COLORREF color) {
    if (color == 0xFFFFFFFFu) return L"Invert Color";
    wchar_t text[40];
    std::swprintf(text, 40, L"RGB(%d,%d,%d)", static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
    return text;
}

COLORREF ParseColorText(const std::wstring& text, bool invertStored) {
    if (text.find(L"RGB") == std::wstring::npos) return invertStored ? 0xFFFFFFFFu : 0;
    // red from position 4 up to the first ',' after position 3, green up to
    // the next ',', blue up to the next ')'.
    const size_t c1 = text.find(L',', 3);
    const size_t c2 = c1 == std::wstring::npos ? std::wstring::npos : text.find(L',', c1 + 1);
    const size_t close = c2 == std::wstring::npos ? std::wstring::npos : text.find(L')', c2 + 1);
    auto part = [&](size_t from, size_t to) -> DWORD {
        if (from >= text.size()) return 0;
        return static_cast<DWORD>(
                   ParseInt(text.substr(from, to == std::wstring::npos ? std::wstring::npos : to - from))) &
               0xFF;
    };
    const DWORD red = part(4, c1);
    const DWORD green = c1 == std::wstring::npos ? 0 : part(c1 + 1, c2);
    const DWORD blue = c2 == std::wstring::npos ? 0 : part(c2 + 1, close);
    return red | (green << 8) | (blue << 16);
}

std::wstring FixedText(double value) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%.2f", value);
    return text;
}

bool IsWholeSignedText(const std::wstring& text) {
    if (text.empty() || text == L"-") return false;
    return text.find_first_of(L".,") == std::wstring::npos;
}

} // namespace hexmoor::links
