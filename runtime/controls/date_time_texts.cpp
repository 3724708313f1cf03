#include "runtime/controls/date_time_texts.h"

#include <commctrl.h>

#include <algorithm>

namespace hexmoor::rt::datetime {

namespace {
std::wstring LocaleText(LCID locale, LCTYPE type) {
    wchar_t buffer[128]{};
    const int n = GetLocaleInfoW(locale, type, buffer, 128);
    return n > 1 ? std::wstring(buffer, std::size_t(n - 1)) : std::wstring();
}

std::wstring FormatDate(LCID locale, const SYSTEMTIME& time, const std::wstring& picture) {
    wchar_t buffer[128]{};
    const int n = GetDateFormatW(locale, 0, &time, picture.c_str(), buffer, 128);
    return n > 1 ? std::wstring(buffer, std::size_t(n - 1)) : std::wstring();
}

std::wstring FormatTime(LCID locale, const SYSTEMTIME& time, const std::wstring& picture) {
    wchar_t buffer[128]{};
    const int n = GetTimeFormatW(locale, 0, &time, picture.c_str(), buffer, 128);
    return n > 1 ? std::wstring(buffer, std::size_t(n - 1)) : std::wstring();
}

// The month as it follows a day number: formatted with one and the day's
// two digits dropped.
std::wstring MonthAfterDay(LCID locale, const SYSTEMTIME& time, const std::wstring& picture) {
    const std::wstring both = FormatDate(locale, time, L"dd" + picture);
    return both.size() > 2 ? both.substr(2) : both;
}

int Widest(HDC dc, LCID locale, LCTYPE first, int count) {
    int widest = 0;
    for (int i = 0; i < count; ++i) widest = std::max(widest, TextWidth(dc, LocaleText(locale, first + LCTYPE(i))));
    return widest;
}
} // namespace

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    if (!text.empty()) GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

WidthTable MeasureWidths(HDC dc, LCID locale) {
    WidthTable table;
    table.fullDay = Widest(dc, locale, LOCALE_SDAYNAME1, 7);
    table.abbrevDay = Widest(dc, locale, LOCALE_SABBREVDAYNAME1, 7);
    table.month = Widest(dc, locale, LOCALE_SMONTHNAME1, 12);
    table.abbrevMonth = Widest(dc, locale, LOCALE_SABBREVMONTHNAME1, 12);
    SYSTEMTIME t{};
    t.wYear = 2001;
    t.wDay = 10;
    for (WORD m = 1; m <= 12; ++m) {
        t.wMonth = m;
        table.genitiveMonth = std::max(table.genitiveMonth, TextWidth(dc, MonthAfterDay(locale, t, L"MMMM")));
    }
    SYSTEMTIME h{};
    h.wYear = 2001;
    h.wMonth = 1;
    h.wDay = 1;
    for (WORD hour : {WORD(13), WORD(11)}) {
        h.wHour = hour;
        table.ampm = std::max(table.ampm, TextWidth(dc, FormatTime(locale, h, L"tt")));
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const std::wstring four(4, wchar_t(L'0' + digit));
        table.fourDigits = std::max(table.fourDigits, TextWidth(dc, four));
    }
    table.twoDigits = table.fourDigits / 2;
    return table;
}

std::wstring StyleFormat(LCID locale, DWORD style) {
    if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return LocaleText(locale, LOCALE_STIMEFORMAT);
    if ((style & DTS_LONGDATEFORMAT) == DTS_LONGDATEFORMAT) return LocaleText(locale, LOCALE_SLONGDATE);
    return LocaleText(locale, LOCALE_SSHORTDATE);
}

std::wstring FieldText(LCID locale, const SYSTEMTIME& time, const FormatRun& run, const FieldSpec& spec) {
    if (run.kind != FormatRun::kField || run.text.empty()) return run.text;
    if (spec.genitive) return MonthAfterDay(locale, time, spec.picture);
    const wchar_t letter = run.text[0];
    const bool dateField = letter == L'd' || letter == L'M' || letter == L'y';
    return dateField ? FormatDate(locale, time, spec.picture) : FormatTime(locale, time, spec.picture);
}

} // namespace hexmoor::rt::datetime
