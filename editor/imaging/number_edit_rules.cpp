#include "editor/imaging/number_edit_rules.h"

#include <cwchar>
#include <cwctype>

namespace hexmoor::preview {

bool NumberEditAccepts(wchar_t ch, bool ctrlHeld, const NumberRange& range) {
    if (ctrlHeld || ch == L'\b') return true;
    if (ch >= L'0' && ch <= L'9') return true;
    return ch == L'-' && range.isSigned;
}

short LeadingNumber(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > 1000000) value = 1000000; // far outside any range; keeps the sum bounded
    }
    if (negative) value = -value;
    if (value > 32767) return 32767;
    if (value < -32768) return -32768;
    return static_cast<short>(value);
}

NumberValue NumberEditValue(const std::wstring& text, const NumberRange& range) {
    NumberValue result;
    const short value = LeadingNumber(text);
    if (value >= range.minimum && value <= range.maximum) {
        result.value = value;
        return result;
    }
    result.value = value < range.minimum ? range.minimum : range.maximum;
    wchar_t buffer[16];
    if (range.isSigned) {
        std::swprintf(buffer, 16, L"%+i", static_cast<int>(result.value));
    } else {
        std::swprintf(buffer, 16, L"%u", static_cast<unsigned>(static_cast<unsigned short>(result.value)));
    }
    result.rewritten = buffer;
    return result;
}

bool NumberTextNeedsZero(const std::wstring& text) {
    return !text.empty() && text != L"0" && text != L"-" && LeadingNumber(text) == 0;
}

std::wstring SliderText(int position) {
    if (position == 0) return L"0";
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"%+d", position);
    return buffer;
}

} // namespace hexmoor::preview
