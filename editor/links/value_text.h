#pragma once
// Texts of row values: reading typed numbers and colour texts, and writing
// colours, numbers and fixed-point values the way the grid shows them.

#include <string>

#include "model/platform/types.h"

namespace hexmoor::links {

// Reads a number as atoi does (leading white space, an optional sign, then
// decimal digits up to the first other character; 0 when there are none),
// saturating at the 32-bit limits instead of overflowing.
int ParseInt(const std::wstring& text);

// Reads a fixed-point number as atof does for plain decimal texts ("12.5",
// "-3", ".25"); 0 when the text starts with no number.
double ParseFixed(const std::wstring& text);

// "RGB(%d,%d,%d)" of the colour's low three bytes; 0xFFFFFFFF reads "Invert Color".
std::wstring ColorText(COLORREF color);

// The colour a colour row's text names: "RGB(r,g,b)" (each part as atoi,
// kept to its byte); otherwise invertStored ? 0xFFFFFFFF : 0.
COLORREF ParseColorText(const std::wstring& text, bool invertStored);

// "%.2f" of the value.
std::wstring FixedText(double value);

// A whole signed number: not empty, not a lone "-", without '.' or ','.
bool IsWholeSignedText(const std::wstring& text);

} // namespace hexmoor::links
