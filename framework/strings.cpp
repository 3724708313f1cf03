#include "framework/strings.h"

#include <windows.h>

#include "framework/window.h"

namespace hexmoor::fw {

std::wstring LoadText(unsigned id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW returns a pointer into the
    // resource itself, so texts of any length come back whole.
    int len = LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (len <= 0 || !text) return {};
    return std::wstring(text, static_cast<std::size_t>(len));
}

std::wstring PromptPart(const std::wstring& text) { return text.substr(0, text.find(L'\n')); }

std::wstring TooltipPart(const std::wstring& text) {
    auto nl = text.find(L'\n');
    return nl == std::wstring::npos ? std::wstring{} : text.substr(nl + 1);
}

} // namespace hexmoor::fw
