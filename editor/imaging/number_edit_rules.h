#pragma once
// The rules of the numeric edit beside each colour-adjustment slider, free
// of windows.

#include <optional>
#include <string>

namespace hexmoor::preview {

struct NumberRange {
    short minimum = 0;
    short maximum = 100;
    short textLimit = 3;
    bool isSigned = false;
};

// Whether a typed character reaches the edit: digits and backspace always,
// anything with Ctrl held, "-" only in a signed edit (at any position).
bool NumberEditAccepts(wchar_t ch, bool ctrlHeld, const NumberRange& range);

// The integer value of the text's leading sign and digits (0 without
// digits), as a 16-bit number.
short LeadingNumber(const std::wstring& text);

// The value of an edit: the text's number clamped into the range; rewritten
// holds the new text ("%+i" signed, "%u" unsigned) when it was outside.
struct NumberValue {
    short value = 0;
    std::optional<std::wstring> rewritten;
};
NumberValue NumberEditValue(const std::wstring& text, const NumberRange& range);

// A typed text that reads as 0 but is not written "0", "-" or empty (like
// "00" or "+0") is replaced by "0".
bool NumberTextNeedsZero(const std::wstring& text);

// The text a slider position puts into its edit: "0" or "%+d".
std::wstring SliderText(int position);

} // namespace hexmoor::preview
