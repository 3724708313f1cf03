#pragma once
// The date-time picker's rules as plain functions: the format string split
// into fields and literals, each field's width, alignment and editability,
// the picker's boxes (check box, drop-down button, text area), the focused
// field's movement over the editable fields, the scrolling that keeps the
// focused field in view, and the field a click lands on.

#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::datetime {

// One piece of a format: a field ("dd", "MMMM", "yyyy", a run of one of
// d h H m M t y s) or literal text (quoted or plain).
struct FormatRun {
    enum Kind { kField, kQuoted, kPlain } kind = kPlain;
    std::wstring text; // the field's picture, or the literal's own text
    friend bool operator==(const FormatRun&, const FormatRun&) = default;
};
// Quoted text runs to the next lone quote (to the end when none); a doubled
// quote inside it, or outside any quoted text, stands for one quote.
std::vector<FormatRun> ParseFormat(const std::wstring& format);

// The widest texts of the locale, measured in pixels with the window font.
struct WidthTable {
    int fullDay = 0;       // widest day name
    int abbrevDay = 0;     // widest abbreviated day name
    int month = 0;         // widest month name
    int genitiveMonth = 0; // widest month name as it follows a day number
    int abbrevMonth = 0;   // widest abbreviated month name
    int ampm = 0;          // widest "tt" text
    int fourDigits = 0;    // widest four-digit number
    int twoDigits = 0;     // half of that
};

// DrawText alignment flags (the published values).
constexpr unsigned kAlignLeft = 0x0, kAlignCenter = 0x1, kAlignRight = 0x2;

// What a run becomes on the face.
struct FieldSpec {
    int width = 0;
    unsigned align = kAlignRight;
    bool editable = false;
    // The picture to format the field's text with ("yyy" widens a year).
    std::wstring picture;
    // The genitive month form is used (a day number came before "MMMM").
    bool genitive = false;
    friend bool operator==(const FieldSpec&, const FieldSpec&) = default;
};
// `literalWidth` is the measured width of a literal's text; `focusedYear`
// that the run is the focused field of the focused window.
FieldSpec SpecOf(const FormatRun& run, const WidthTable& widths, bool dayNumberBefore, bool focusedYear,
                 int literalWidth);
// Every run's spec in order; `textWidths[i]` measures run i's literal text
// (ignored for fields); `focused` is the focused field index (-1 none).
std::vector<FieldSpec> SpecsOf(const std::vector<FormatRun>& runs, const WidthTable& widths,
                               const std::vector<int>& textWidths, int focused, bool windowFocused);

// The picker's boxes in client coordinates.
struct PickerLayout {
    Rect checkBox;       // empty without DTS_SHOWNONE
    Rect button;         // drop-down button or up-down area
    Rect textArea;       // where fields may lie
    int firstFieldX = 0; // the first field's x before any scrolling
};
PickerLayout LayoutPicker(const Rect& client, bool showNone, int buttonWidth);

// The focused field after Left (`forward` false) or Right: the previous or
// next editable field, wrapping; with a check box (-1) it sits between the
// last and the first field. Unchanged when no field is editable.
int MoveFocus(const std::vector<bool>& editable, int focused, bool forward, bool showNone);

// The first field's x that puts the focused field inside [textArea.left,
// textArea.right): moved left when the field ends past the right edge,
// right when it starts before the left edge.
int ScrollToField(int firstFieldX, const std::vector<int>& widths, int focused, const Rect& textArea);

// The last editable field starting at or left of x; -1 when none.
int FieldAt(int firstFieldX, const std::vector<int>& widths, const std::vector<bool>& editable, int x);

// The parts of a date and time the picker's fields edit.
struct DateParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};
// The editable field whose kind of part changed from `before` to `after`
// (the control's Up key steps the field it edits), `preferred` when several
// fields edit that part and it is one of them; -1 when nothing changed or no
// editable field edits the changed part. An hour that moved by twelve is the
// AM/PM field's step when the format has one.
int FieldOfChange(const std::vector<FormatRun>& runs, const std::vector<bool>& editable, const DateParts& before,
                  const DateParts& after, int preferred);

// The custom format set through DTM_SETFORMAT: any length, null clears it
// (the control then uses its style's locale format).
class CustomFormat {
public:
    void Set(const wchar_t* format) {
        if (format)
            text_ = std::wstring(format);
        else
            text_.reset();
    }
    bool IsSet() const { return text_.has_value(); }
    const std::wstring& Text() const { return text_ ? *text_ : empty_; }

private:
    std::optional<std::wstring> text_;
    std::wstring empty_;
};

} // namespace hexmoor::rt::datetime
