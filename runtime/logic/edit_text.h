#pragma once
// The rules of the skinned edit's text painting and caret as plain
// functions: the cutting of a line into reading-direction runs, the cutting
// of a line or run at the selection, where the caret goes after a key in a
// single-line edit, and when a scroll or wheel message is painted by the
// skinned edit itself.

#include <string_view>
#include <vector>

namespace hexmoor::rt::edit {

// Hebrew and Arabic: UTF-16 units whose high byte is 0x05 or 0x06.
bool IsRtlScriptChar(wchar_t c);
// The 31 punctuation characters that join the run around them.
bool IsNeutralChar(wchar_t c);
// The neutral characters in their fixed order.
std::wstring_view NeutralChars();

// One run of a line: characters [begin, end). `rtlScript`: the run starts
// with a Hebrew or Arabic character; `drawnRtl`: the run is drawn with
// right-to-left reading (right-to-left runs, and under right-to-left reading
// the neutral group that ends a left-to-right line).
struct TextRun {
    int begin = 0;
    int end = 0;
    bool rtlScript = false;
    bool drawnRtl = false;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// The runs of a line, in order, covering every character exactly once.
std::vector<TextRun> SplitRuns(std::wstring_view line, bool rtlReading);

// The selection within one line or run: characters [from, to) are selected.
// `whole` and `none` are the two cases without a cut.
struct SelectionCut {
    int from = 0;
    int to = 0;
    bool Empty() const { return to <= from; }
    friend bool operator==(const SelectionCut&, const SelectionCut&) = default;
};

// The selected part of a line of `length` characters whose first character
// has index `first`; `line` and the selection lines are line numbers (-1
// for no selection). Lines strictly inside the selection are selected whole;
// lines outside it not at all; the first and last line from or up to the
// selection point.
SelectionCut CutLine(int line, int first, int length, int selStart, int selEnd, int startLine, int endLine);

// The selected part of the run [begin, end) of a line whose selected part is
// `line`, in offsets within the run.
SelectionCut CutRun(int begin, int end, SelectionCut line);

// Widths of the three pieces of a cut run: the selected piece and the piece
// after it are measured, the piece before is what is left of the whole.
struct PieceWidths {
    int before = 0;
    int selected = 0;
    int after = 0;
};
PieceWidths SplitWidth(int whole, int selected, int after);

// A selection as the edit answers EM_GETSEL.
struct Selection {
    int start = 0;
    int end = 0;
    bool Empty() const { return start == end; }
};

enum class Caret { Stay, Start, End };

// Where a single-line edit puts its caret after a key, given the selection
// before the key and after the control handled it.
Caret CaretAfterKey(unsigned key, bool ctrl, Selection saved, Selection now);

// True when a scroll message moves a bar away from its position, so that
// the edit scrolls with its painting off and repaints itself once.
bool ScrollRepaints(int thumb, int pos, int max, unsigned page);

// True when a wheel turn would go past the end of the vertical bar (up at
// the top, down at the bottom): the control handles it alone.
bool WheelAtLimit(int delta, int pos, int max, unsigned page);

} // namespace hexmoor::rt::edit
