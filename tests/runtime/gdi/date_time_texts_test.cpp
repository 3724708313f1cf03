// The date-time picker's locale texts under English and under Polish, whose
// month names take another form after a day number: field texts and the
// width tables the fields are laid out with.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/win/gdi.h"
#include "runtime/controls/date_time_texts.h"

using namespace hexmoor::rt::datetime;

namespace {
constexpr LCID kEnglish = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
constexpr LCID kPolish = MAKELCID(MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), SORT_DEFAULT);

SYSTEMTIME Thursday15October2026() {
    SYSTEMTIME t{};
    t.wYear = 2026;
    t.wMonth = 10;
    t.wDay = 15;
    t.wDayOfWeek = 4;
    t.wHour = 14;
    return t;
}

// A memory DC with a proportional font, so that names differ in width.
class TextDC {
public:
    TextDC()
        : dc_(nullptr),
          font_(CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")),
          select_(dc_.Get(), font_.Get()) {}
    HDC Get() const { return dc_.Get(); }
    int Widest(const std::vector<std::wstring>& texts) const {
        int widest = 0;
        for (const std::wstring& text : texts) widest = std::max(widest, TextWidth(dc_.Get(), text));
        return widest;
    }

private:
    hexmoor::win::MemoryDC dc_;
    hexmoor::win::Font font_;
    hexmoor::win::SelectGuard select_;
};
} // namespace

TEST(DateTimeTexts, FieldTextsTakeTheGenitiveMonthOnlyAfterADayNumber) {
    struct Case {
        LCID locale;
        const wchar_t* format;
        std::vector<std::wstring> texts;
    } cases[] = {
        {kEnglish, L"d MMMM yyyy", {L"15", L" ", L"October", L" ", L"2026"}},
        {kPolish, L"d MMMM yyyy", {L"15", L" ", L"pa\u017adziernika", L" ", L"2026"}},
        {kEnglish, L"MMMM yyyy", {L"October", L" ", L"2026"}},
        {kPolish, L"MMMM yyyy", {L"pa\u017adziernik", L" ", L"2026"}},
        {kPolish, L"dddd', 'dd", {L"czwartek", L", ", L"15"}},
        {kEnglish, L"dddd', 'dd", {L"Thursday", L", ", L"15"}},
    };
    const SYSTEMTIME time = Thursday15October2026();
    for (const Case& c : cases) {
        const std::vector<FormatRun> runs = ParseFormat(c.format);
        const std::vector<FieldSpec> specs = SpecsOf(runs, WidthTable{}, std::vector<int>(runs.size(), 0), -1, false);
        std::vector<std::wstring> texts;
        for (std::size_t i = 0; i < runs.size(); ++i) texts.push_back(FieldText(c.locale, time, runs[i], specs[i]));
        EXPECT_EQ(texts, c.texts) << testing::PrintToString(std::wstring(c.format)) << " in " << c.locale;
    }
}

TEST(DateTimeTexts, WidthTablesAreTheLocalesWidestNames) {
    const TextDC dc;
    const WidthTable english = MeasureWidths(dc.Get(), kEnglish);
    const WidthTable polish = MeasureWidths(dc.Get(), kPolish);
    const std::vector<std::wstring> englishMonths{L"January",   L"February", L"March",    L"April",
                                                  L"May",       L"June",     L"July",     L"August",
                                                  L"September", L"October",  L"November", L"December"};
    const std::vector<std::wstring> polishMonths{
        L"stycze\u0144", L"luty",          L"marzec",        L"kwiecie\u0144",    L"maj",      L"czerwiec",
        L"lipiec",       L"sierpie\u0144", L"wrzesie\u0144", L"pa\u017adziernik", L"listopad", L"grudzie\u0144"};
    const std::vector<std::wstring> polishAfterDay{
        L"stycznia", L"lutego",   L"marca",         L"kwietnia",          L"maja",      L"czerwca",
        L"lipca",    L"sierpnia", L"wrze\u015bnia", L"pa\u017adziernika", L"listopada", L"grudnia"};
    EXPECT_EQ(english.month, dc.Widest(englishMonths));
    EXPECT_EQ(english.genitiveMonth, english.month) << "one form of each English month";
    EXPECT_EQ(polish.month, dc.Widest(polishMonths));
    EXPECT_EQ(polish.genitiveMonth, dc.Widest(polishAfterDay));
    EXPECT_NE(polish.genitiveMonth, polish.month);
    EXPECT_EQ(english.fullDay,
              dc.Widest({L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday", L"Sunday"}));
    EXPECT_EQ(polish.fullDay, dc.Widest({L"poniedzia\u0142ek", L"wtorek", L"\u015broda", L"czwartek", L"pi\u0105tek",
                                         L"sobota", L"niedziela"}));
    EXPECT_EQ(english.ampm, dc.Widest({L"AM", L"PM"}));
    EXPECT_EQ(english.fourDigits, polish.fourDigits) << "digits do not depend on the locale";
    EXPECT_GT(english.twoDigits, 0);
}
