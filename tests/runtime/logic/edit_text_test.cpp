// The skinned edit's text rules: runs of mixed Latin, Hebrew and Arabic in
// both reading orders, selection cuts of lines and runs, the caret after keys
// of a single-line edit, and when scroll and wheel messages repaint.
#include <gtest/gtest.h>

#include <string>

#include "runtime/logic/edit_text.h"

using namespace hexmoor::rt::edit;

namespace {

// Runs written compactly: text of each run, 'R' for a run drawn right-to-left.
std::wstring Describe(std::wstring_view line, const std::vector<TextRun>& runs) {
    std::wstring out;
    for (const TextRun& r : runs) {
        if (!out.empty()) out += L'|';
        out += r.drawnRtl ? L"R:" : L"L:";
        out += line.substr(size_t(r.begin), size_t(r.end - r.begin));
    }
    return out;
}

// Every character lies in exactly one run, the runs in order.
::testing::AssertionResult CoversOnce(std::wstring_view line, const std::vector<TextRun>& runs) {
    int next = 0;
    for (const TextRun& r : runs) {
        if (r.begin != next || r.end <= r.begin)
            return ::testing::AssertionFailure() << "run [" << r.begin << "," << r.end << ") after " << next;
        next = r.end;
    }
    if (next != int(line.size())) return ::testing::AssertionFailure() << "ends at " << next;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(EditRuns, NeutralSetAndScriptTest) {
    EXPECT_EQ(NeutralChars().size(), 31u);
    for (wchar_t c : std::wstring(L"/.,?><][}{'\";:)(-=+\\|`~!@#$%^&*")) EXPECT_TRUE(IsNeutralChar(c)) << int(c);
    for (wchar_t c : std::wstring(L" _aZ09\x05D0\x0627")) EXPECT_FALSE(IsNeutralChar(c)) << int(c);
    for (wchar_t c : {L'\x0590', L'\x05D0', L'\x05FF', L'\x0600', L'\x0627', L'\x06FF'})
        EXPECT_TRUE(IsRtlScriptChar(c));
    for (wchar_t c : {L'\x04FF', L'\x0700', L'a', L'\xFB1D'}) EXPECT_FALSE(IsRtlScriptChar(c));
}

TEST(EditRuns, MixedLinesInBothReadingOrders) {
    // א = U+05D0, ב = U+05D1 (Hebrew); ا = U+0627, ب = U+0628 (Arabic).
    struct Case {
        const wchar_t* line;
        bool rtlReading;
        const wchar_t* expected;
    } cases[] = {
        {L"abc def", false, L"L:abc def"},
        {L"ab\x05D0\x05D1 cd", false, L"L:ab|R:\x05D0\x05D1|L: cd"},
        // Neutrals between Hebrew letters stay in the run; before Latin they do not.
        {L"\x05D0-\x05D1.x", false, L"R:\x05D0-\x05D1|L:.x"},
        // A neutral group at the very end is a final run of its own.
        {L"\x05D0\x05D1?!", false, L"R:\x05D0\x05D1|L:?!"},
        {L"\x0627\x0628, \x05D0", false, L"R:\x0627\x0628|L:, |R:\x05D0"},
        {L"\x0627(\x0628)", false, L"R:\x0627(\x0628|L:)"},
        // Right-to-left reading: Hebrew and Arabic runs take every neutral.
        {L"\x05D0\x05D1?!", true, L"R:\x05D0\x05D1?!"},
        {L"\x05D0.ab", true, L"R:\x05D0.|L:ab"},
        // Left-to-right runs keep neutrals followed by more Latin; a trailing
        // group is its own run drawn right-to-left.
        {L"ab.cd!?", true, L"L:ab.cd|R:!?"},
        {L"ab.\x05D0", true, L"L:ab.|R:\x05D0"},
        {L"!?", true, L"R:!?"},
        {L"!?", false, L"L:!?"},
        {L"a\x0627", true, L"L:a|R:\x0627"},
        {L"", false, L""},
    };
    for (const Case& c : cases) {
        const std::wstring_view line(c.line);
        const auto runs = SplitRuns(line, c.rtlReading);
        EXPECT_TRUE(CoversOnce(line, runs)) << c.rtlReading;
        EXPECT_EQ(Describe(line, runs), c.expected) << "rtl reading " << c.rtlReading;
        for (const TextRun& r : runs) EXPECT_EQ(r.rtlScript, IsRtlScriptChar(line[size_t(r.begin)]));
    }
}

TEST(EditRuns, EveryCharacterOnceOnGeneratedLines) {
    // Every line of length 6 over one letter of each kind and a neutral.
    const wchar_t alphabet[] = {L'a', L'\x05D0', L'.', L' '};
    std::wstring line(6, L' ');
    for (int code = 0; code < 4096; ++code) {
        for (int i = 0, v = code; i < 6; ++i, v /= 4) line[size_t(i)] = alphabet[v % 4];
        for (bool rtl : {false, true}) {
            const auto runs = SplitRuns(line, rtl);
            ASSERT_TRUE(CoversOnce(line, runs)) << code << " " << rtl;
            // Without right-to-left reading a Hebrew run never swallows Latin.
            for (const TextRun& r : runs) {
                if (rtl || !r.rtlScript) continue;
                for (int i = r.begin; i < r.end; ++i) EXPECT_NE(line[size_t(i)], L'a') << code;
            }
        }
    }
}

TEST(EditSelection, LineCutsOfAThreeLineSelection) {
    // Lines of 10 characters (first characters 0, 12, 24: CR LF between),
    // selection from 4 on line 0 to 27 on line 2.
    struct Case {
        int line, first, length;
        SelectionCut expected;
    } cases[] = {
        {0, 0, 10, {4, 10}},  // first line: from the selection point to the end
        {1, 12, 10, {0, 10}}, // inner line: whole
        {2, 24, 10, {0, 3}},  // last line: up to the selection point
        {3, 36, 10, {0, 0}},  // outside
    };
    for (const Case& c : cases) EXPECT_EQ(CutLine(c.line, c.first, c.length, 4, 27, 0, 2), c.expected) << c.line;
    EXPECT_EQ(CutLine(0, 0, 10, 2, 6, 0, 0), (SelectionCut{2, 6})) << "within one line: three pieces";
    EXPECT_TRUE(CutLine(0, 0, 10, 5, 5, 0, 0).Empty()) << "empty selection";
    EXPECT_TRUE(CutLine(0, 0, 10, 2, 6, -1, -1).Empty()) << "not drawn (unfocused)";
    EXPECT_EQ(CutLine(0, 0, 10, 8, 40, 0, 0), (SelectionCut{8, 10})) << "end past the line";

    const SelectionCut line{3, 8};
    EXPECT_EQ(CutRun(0, 3, line), (SelectionCut{})) << "run before the selection";
    EXPECT_EQ(CutRun(2, 6, line), (SelectionCut{1, 4})) << "run cut at the start";
    EXPECT_EQ(CutRun(4, 6, line), (SelectionCut{0, 2})) << "run inside";
    EXPECT_EQ(CutRun(6, 12, line), (SelectionCut{0, 2})) << "run cut at the end";
    const PieceWidths w = SplitWidth(100, 30, 25);
    EXPECT_EQ(w.before, 45);
    EXPECT_EQ(SplitWidth(100, 30, 0).before, 70);
}

TEST(EditCaret, SingleLineKeysAgainstTheSavedSelection) {
    const Selection none{5, 5}, range{2, 7};
    struct Case {
        unsigned key;
        bool ctrl;
        Selection saved, now;
        Caret expected;
        const char* what;
    } cases[] = {
        {'X', true, range, {2, 2}, Caret::Start, "Ctrl+X"},
        {'x', true, range, {2, 2}, Caret::Start, "Ctrl+x"},
        {'X', false, none, {6, 6}, Caret::Stay, "X without Ctrl"},
        {8, false, none, {4, 4}, Caret::Start, "Backspace"},
        {35, false, none, {9, 9}, Caret::Start, "End, collapsed: start moved"},
        {36, false, none, {0, 0}, Caret::Start, "Home"},
        {37, false, none, {4, 4}, Caret::Start, "Left"},
        {39, false, none, {6, 6}, Caret::Start, "Right"},
        {39, false, none, {5, 6}, Caret::End, "Shift+Right grows the end"},
        {37, false, none, {4, 5}, Caret::Start, "Shift+Left grows the start"},
        {35, false, {2, 3}, {3, 9}, Caret::End, "both edges moved, forward key"},
        {36, false, {2, 3}, {0, 1}, Caret::Start, "both edges moved, backward key"},
        {39, false, none, {5, 5}, Caret::Stay, "nothing moved"},
        {40, false, none, {9, 9}, Caret::Stay, "Down is not a caret key"},
        {46, false, none, {5, 5}, Caret::Stay, "Delete"},
    };
    for (const Case& c : cases) EXPECT_EQ(CaretAfterKey(c.key, c.ctrl, c.saved, c.now), c.expected) << c.what;
}

TEST(EditScroll, ScrollAndWheelRules) {
    // Range 0..99 with a page of 10: last position 90.
    struct Case {
        int thumb, pos;
        bool expected;
    } scrolls[] = {{0, 0, false}, {0, 5, true}, {7, 7, false}, {7, 3, true}, {90, 90, false}, {90, 80, true}};
    for (const Case& c : scrolls)
        EXPECT_EQ(ScrollRepaints(c.thumb, c.pos, 99, 10), c.expected) << c.thumb << "," << c.pos;
    EXPECT_TRUE(WheelAtLimit(120, 0, 99, 10)) << "up at the top";
    EXPECT_FALSE(WheelAtLimit(120, 10, 99, 10));
    EXPECT_TRUE(WheelAtLimit(-120, 90, 99, 10)) << "down at the bottom";
    EXPECT_FALSE(WheelAtLimit(-120, 0, 99, 10));
}
