#include "runtime/logic/edit_text.h"

#include <algorithm>

namespace hexmoor::rt::edit {

namespace {
constexpr unsigned kEnd = 35, kHome = 36, kLeft = 37, kRight = 39, kBack = 8;

enum class Kind { Rtl, Neutral, Other };

Kind KindOf(wchar_t c) {
    if (IsRtlScriptChar(c)) return Kind::Rtl;
    if (IsNeutralChar(c)) return Kind::Neutral;
    return Kind::Other;
}

// The end of the group of neutral characters starting at i.
size_t NeutralGroupEnd(std::wstring_view line, size_t i) {
    while (i < line.size() && KindOf(line[i]) == Kind::Neutral) ++i;
    return i;
}
} // namespace

bool IsRtlScriptChar(wchar_t c) {
    const unsigned high = (unsigned(c) >> 8) & 0xFF;
    return high == 0x05 || high == 0x06;
}

std::wstring_view NeutralChars() { return L"/.,?><][}{'\";:)(-=+\\|`~!@#$%^&*"; }

bool IsNeutralChar(wchar_t c) { return NeutralChars().find(c) != std::wstring_view::npos; }

std::vector<TextRun> SplitRuns(std::wstring_view line, bool rtlReading) {
    std::vector<TextRun> runs;
    const size_t n = line.size();
    size_t i = 0;
    while (i < n) {
        const size_t begin = i;
        TextRun run;
        run.begin = int(begin);
        if (KindOf(line[i]) == Kind::Rtl) {
            run.rtlScript = run.drawnRtl = true;
            ++i;
            while (i < n) {
                const Kind k = KindOf(line[i]);
                if (k == Kind::Rtl) {
                    ++i;
                } else if (k == Kind::Neutral) {
                    const size_t groupEnd = NeutralGroupEnd(line, i);
                    // Under right-to-left reading the neutrals belong to the
                    // run; otherwise only when more Hebrew or Arabic follows.
                    if (rtlReading || (groupEnd < n && KindOf(line[groupEnd]) == Kind::Rtl))
                        i = groupEnd;
                    else
                        break;
                } else {
                    break;
                }
            }
        } else if (!rtlReading) {
            while (i < n && KindOf(line[i]) != Kind::Rtl) ++i;
        } else {
            while (i < n) {
                const Kind k = KindOf(line[i]);
                if (k == Kind::Other) {
                    ++i;
                } else if (k == Kind::Neutral) {
                    const size_t groupEnd = NeutralGroupEnd(line, i);
                    if (groupEnd == n) {
                        // A neutral group ends the line: a final run of its
                        // own, drawn right-to-left. A line that is nothing
                        // but the group is that run.
                        if (i == begin) {
                            i = groupEnd;
                            run.drawnRtl = true;
                        }
                        break;
                    }
                    // Followed by another left-to-right character, or by
                    // Hebrew or Arabic: the group stays with this run, so the
                    // scan always moves on.
                    i = groupEnd;
                    if (KindOf(line[groupEnd]) == Kind::Rtl) break;
                } else {
                    break;
                }
            }
        }
        run.end = int(i);
        runs.push_back(run);
    }
    return runs;
}

SelectionCut CutLine(int line, int first, int length, int selStart, int selEnd, int startLine, int endLine) {
    if (startLine < 0 || endLine < 0 || selStart == selEnd) return {};
    if (line == startLine || line == endLine) {
        const int from = std::clamp(selStart - first, 0, length);
        const int to = std::clamp(selEnd - first, 0, length);
        return {from, std::max(from, to)};
    }
    if (line > startLine && line < endLine) return {0, length};
    return {};
}

SelectionCut CutRun(int begin, int end, SelectionCut line) {
    const int from = std::clamp(line.from, begin, end);
    const int to = std::clamp(line.to, begin, end);
    if (to <= from) return {};
    return {from - begin, to - begin};
}

PieceWidths SplitWidth(int whole, int selected, int after) { return {whole - selected - after, selected, after}; }

Caret CaretAfterKey(unsigned key, bool ctrl, Selection saved, Selection now) {
    if ((ctrl && (key == 'X' || key == 'x')) || key == kBack) return Caret::Start;
    if (key != kEnd && key != kRight && key != kHome && key != kLeft) return Caret::Stay;
    const bool forward = key == kEnd || key == kRight;
    if (!now.Empty() && now.start != saved.start && now.end != saved.end) return forward ? Caret::End : Caret::Start;
    if (now.start != saved.start) return Caret::Start;
    if (now.end != saved.end) return Caret::End;
    return Caret::Stay;
}

bool ScrollRepaints(int thumb, int pos, int max, unsigned page) {
    const int last = max - int(page) + 1;
    const bool moves = (thumb == 0 && pos != 0) || (thumb != 0 && thumb != pos);
    return moves && !(thumb == last && pos == last);
}

bool WheelAtLimit(int delta, int pos, int max, unsigned page) {
    if (delta >= 1) return pos == 0;
    if (delta < 0) return pos == max - int(page) + 1;
    return false;
}

} // namespace hexmoor::rt::edit
