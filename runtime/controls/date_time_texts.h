#pragma once
// The date-time picker's locale texts for a given locale (the picker passes
// the user's): the widest names of each kind measured with the font selected
// in a DC, the locale's format for a picker style, and a field's text.

#include <windows.h>

#include <string>

#include "runtime/logic/date_time_fields.h"

namespace hexmoor::rt::datetime {

WidthTable MeasureWidths(HDC dc, LCID locale);
// The locale's long date, time or short date format as the style asks.
std::wstring StyleFormat(LCID locale, DWORD style);
// A run's text on the face: a field formatted from `time` with its spec's
// picture (the month as it follows a day number when genitive), a literal
// as it is.
std::wstring FieldText(LCID locale, const SYSTEMTIME& time, const FormatRun& run, const FieldSpec& spec);
int TextWidth(HDC dc, const std::wstring& text);

} // namespace hexmoor::rt::datetime
