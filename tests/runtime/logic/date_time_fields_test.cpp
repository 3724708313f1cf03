// The date-time picker's rules: format runs, field widths and alignment,
// the picker's boxes, focus movement over editable fields with the check
// box between, scrolling the focused field into view, clicks, and the
// custom format setting.
#include <gtest/gtest.h>

#include "runtime/logic/date_time_fields.h"

using namespace hexmoor;
using namespace hexmoor::rt::datetime;

namespace {
FormatRun F(const wchar_t* t) { return {FormatRun::kField, t}; }
FormatRun Q(const wchar_t* t) { return {FormatRun::kQuoted, t}; }
FormatRun P(const wchar_t* t) { return {FormatRun::kPlain, t}; }

const WidthTable kWidths{/*fullDay*/ 70,     /*abbrevDay*/ 30, /*month*/ 80,      /*genitiveMonth*/ 90,
                         /*abbrevMonth*/ 35, /*ampm*/ 22,      /*fourDigits*/ 28, /*twoDigits*/ 14};
} // namespace

TEST(DateTimeFields, FormatRunsWithQuotedAndPlainLiterals) {
    struct Case {
        const wchar_t* format;
        std::vector<FormatRun> runs;
    } cases[] = {
        {L"dd/MM/yyyy", {F(L"dd"), P(L"/"), F(L"MM"), P(L"/"), F(L"yyyy")}},
        {L"d 'de' MMMM", {F(L"d"), P(L" "), Q(L"de"), P(L" "), F(L"MMMM")}},
        {L"HH'h'mm", {F(L"HH"), Q(L"h"), F(L"mm")}},
        {L"'It''s' hh", {Q(L"It's"), P(L" "), F(L"hh")}},
        {L"hh''mm", {F(L"hh"), P(L"'"), F(L"mm")}},
        {L"'open ended", {Q(L"open ended")}},
        {L"ddddMMMyyyy", {F(L"dddd"), F(L"MMM"), F(L"yyyy")}},
        {L"tt gg", {F(L"tt"), P(L" gg")}},
        {L"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseFormat(c.format), c.runs) << testing::PrintToString(std::wstring(c.format));
}

TEST(DateTimeFields, WidthsAlignmentAndEditability) {
    struct Case {
        FormatRun run;
        bool dayBefore, focusedYear;
        FieldSpec spec;
    } cases[] = {
        {F(L"dd"), false, false, {14, kAlignRight, true, L"dd", false}},
        {F(L"MMM"), false, false, {35, kAlignCenter, true, L"MMM", false}},
        {F(L"MMMM"), false, false, {80, kAlignCenter, true, L"MMMM", false}},
        {F(L"MMMM"), true, false, {90, kAlignCenter, true, L"MMMM", true}},
        {F(L"ddd"), false, false, {30, kAlignCenter, false, L"ddd", false}},
        {F(L"dddd"), false, false, {70, kAlignCenter, false, L"dddd", false}},
        {F(L"tt"), false, false, {22, kAlignLeft, true, L"tt", false}},
        {F(L"yy"), false, false, {14, kAlignRight, true, L"yy", false}},
        {F(L"yy"), false, true, {28, kAlignRight, true, L"yyy", false}},
        {F(L"yyyy"), false, false, {28, kAlignRight, true, L"yyy", false}},
        {Q(L"de"), false, false, {17, kAlignCenter, false, L"de", false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpecOf(c.run, kWidths, c.dayBefore, c.focusedYear, 17), c.spec) << testing::PrintToString(c.run.text);
}

TEST(DateTimeFields, GenitiveMonthOnlyAfterADayNumber) {
    const auto runs = ParseFormat(L"d MMMM yyyy");
    const auto specs = SpecsOf(runs, kWidths, {0, 4, 0, 4, 0}, -1, false);
    ASSERT_EQ(specs.size(), 5u);
    EXPECT_TRUE(specs[2].genitive);
    EXPECT_EQ(specs[2].width, kWidths.genitiveMonth);
    const auto nominative = SpecsOf(ParseFormat(L"MMMM d, yyyy"), kWidths, {}, -1, false);
    EXPECT_FALSE(nominative[0].genitive);
    EXPECT_EQ(nominative[0].width, kWidths.month);
    const auto dayName = SpecsOf(ParseFormat(L"dddd MMMM"), kWidths, {}, -1, false);
    EXPECT_FALSE(dayName[2].genitive) << "a day name is no day number";
    // The focused two-digit year of the focused window is four digits wide.
    const auto year = SpecsOf(ParseFormat(L"dd.MM.yy"), kWidths, {}, 4, true);
    EXPECT_EQ(year[4].width, kWidths.fourDigits);
    EXPECT_EQ(SpecsOf(ParseFormat(L"dd.MM.yy"), kWidths, {}, 4, false)[4].width, kWidths.twoDigits);
}

TEST(DateTimeFields, PickerBoxes) {
    const PickerLayout plain = LayoutPicker({0, 0, 200, 20}, false, 17);
    EXPECT_TRUE(plain.checkBox.IsEmpty());
    EXPECT_EQ(plain.button, (Rect{183, 0, 200, 20}));
    EXPECT_EQ(plain.textArea, (Rect{2, 0, 181, 20}));
    EXPECT_EQ(plain.firstFieldX, 0);
    const PickerLayout none = LayoutPicker({0, 0, 200, 20}, true, 17);
    EXPECT_EQ(none.checkBox, (Rect{1, 1, 19, 19})) << "square, one pixel in";
    EXPECT_EQ(none.firstFieldX, 20);
    EXPECT_EQ(none.textArea.left, 20);
    // A narrow tall picker: the check box stops at the middle, the button
    // never starts left of it.
    const PickerLayout narrow = LayoutPicker({0, 0, 24, 40}, true, 17);
    EXPECT_EQ(narrow.checkBox.right, 12);
    EXPECT_GE(narrow.button.left, narrow.checkBox.right);
    EXPECT_GE(narrow.textArea.Width(), 0);
}

TEST(DateTimeFields, LeftAndRightWrapOverEditableFieldsWithTheCheckBoxBetween) {
    // dd '/' MM '/' yyyy, and a day name first: editable 1, 3, 5.
    const std::vector<bool> editable = {false, true, false, true, false, true};
    struct Case {
        int from;
        bool forward, showNone;
        int to;
    } cases[] = {
        {1, true, false, 3},  {3, true, false, 5},   {5, true, false, 1},  {1, false, false, 5},
        {5, true, true, -1},  {-1, true, true, 1},   {1, false, true, -1}, {-1, false, true, 5},
        {-1, true, false, 1}, {-1, false, false, 5}, {0, true, false, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MoveFocus(editable, c.from, c.forward, c.showNone), c.to)
            << c.from << (c.forward ? " right" : " left") << (c.showNone ? " with check box" : "");
    EXPECT_EQ(MoveFocus({false, false}, 0, true, true), 0) << "nothing editable: unchanged";
}

TEST(DateTimeFields, FirstFieldScrollsTheFocusedFieldIntoView) {
    const std::vector<int> widths = {40, 10, 40, 10, 60};
    const Rect area{2, 0, 100, 20};
    EXPECT_EQ(ScrollToField(2, widths, 0, area), 2) << "already inside";
    EXPECT_EQ(ScrollToField(2, widths, 4, area), 2 - (2 + 160 - 100)) << "ends past the button: moved left";
    EXPECT_EQ(ScrollToField(-60, widths, 0, area), 2) << "starts before the text area: moved right";
    EXPECT_EQ(ScrollToField(2, widths, -1, area), 2);
}

TEST(DateTimeFields, AClickFocusesTheLastEditableFieldAtOrLeftOfIt) {
    const std::vector<int> widths = {20, 5, 20, 5, 40};
    const std::vector<bool> editable = {true, false, true, false, true};
    EXPECT_EQ(FieldAt(0, widths, editable, 10), 0);
    EXPECT_EQ(FieldAt(0, widths, editable, 22), 0) << "on a literal: the field before it";
    EXPECT_EQ(FieldAt(0, widths, editable, 30), 2);
    EXPECT_EQ(FieldAt(0, widths, editable, 200), 4);
    EXPECT_EQ(FieldAt(10, widths, editable, 5), -1);
}

TEST(DateTimeFields, CustomFormatOfAnyLengthAndNullClears) {
    CustomFormat format;
    EXPECT_FALSE(format.IsSet());
    const std::wstring longFormat(5000, L'd');
    format.Set(longFormat.c_str());
    EXPECT_TRUE(format.IsSet());
    EXPECT_EQ(format.Text(), longFormat);
    format.Set(nullptr);
    EXPECT_FALSE(format.IsSet());
    EXPECT_TRUE(format.Text().empty());
    format.Set(L"");
    EXPECT_TRUE(format.IsSet()) << "an empty custom format is still one";
}

TEST(DateTimeFields, FieldOfChangeNamesTheFieldTheUpKeyStepped) {
    // "dd.MM.yyyy hh:mm:ss tt" and a format with a day name and two day fields.
    const std::vector<FormatRun> time = ParseFormat(L"dd.MM.yyyy hh:mm:ss tt");
    const std::vector<bool> timeEditable{true,  false, true,  false, true,  false, true,
                                         false, true,  false, true,  false, true};
    const std::vector<FormatRun> twice = ParseFormat(L"dddd d MMMM 'day' d");
    const std::vector<bool> twiceEditable{false, false, true, false, true, false, false, false, true};
    const DateParts base{2026, 6, 15, 10, 30, 20};
    auto with = [&](int DateParts::*part, int value) {
        DateParts p = base;
        p.*part = value;
        return p;
    };
    struct Case {
        const char* what;
        const std::vector<FormatRun>& runs;
        const std::vector<bool>& editable;
        DateParts after;
        int preferred;
        int field;
    } cases[] = {
        {"nothing changed", time, timeEditable, base, 4, -1},
        {"day", time, timeEditable, with(&DateParts::day, 16), -1, 0},
        {"month", time, timeEditable, with(&DateParts::month, 7), -1, 2},
        {"year", time, timeEditable, with(&DateParts::year, 2027), -1, 4},
        {"hour", time, timeEditable, with(&DateParts::hour, 11), -1, 6},
        {"an hour step with the AM/PM field preferred", time, timeEditable, with(&DateParts::hour, 11), 12, 6},
        {"AM/PM", time, timeEditable, with(&DateParts::hour, 22), -1, 12},
        {"minute", time, timeEditable, with(&DateParts::minute, 31), -1, 8},
        {"second", time, timeEditable, with(&DateParts::second, 21), -1, 10},
        {"day: first editable day field", twice, twiceEditable, with(&DateParts::day, 16), -1, 2},
        {"day: the preferred one of two", twice, twiceEditable, with(&DateParts::day, 16), 8, 8},
        {"a preferred field of another kind is not taken", twice, twiceEditable, with(&DateParts::day, 16), 4, 2},
        {"no field edits the year", twice, twiceEditable, with(&DateParts::year, 2027), -1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FieldOfChange(c.runs, c.editable, base, c.after, c.preferred), c.field) << c.what;
    // Twelve hours without an AM/PM field is the hour field's step.
    EXPECT_EQ(FieldOfChange(ParseFormat(L"HH:mm"), {true, false, true}, base, with(&DateParts::hour, 22), -1), 0);
}
