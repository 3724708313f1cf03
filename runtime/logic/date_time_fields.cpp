#include "runtime/logic/date_time_fields.h"

#include <algorithm>

namespace hexmoor::rt::datetime {

namespace {
bool IsFieldLetter(wchar_t c) {
    return c == L'd' || c == L'h' || c == L'H' || c == L'm' || c == L'M' || c == L't' || c == L'y' || c == L's';
}
} // namespace

std::vector<FormatRun> ParseFormat(const std::wstring& format) {
    std::vector<FormatRun> runs;
    auto addPlain = [&runs](wchar_t c) {
        if (runs.empty() || runs.back().kind != FormatRun::kPlain) runs.push_back({FormatRun::kPlain, {}});
        runs.back().text += c;
    };
    std::size_t i = 0;
    const std::size_t n = format.size();
    while (i < n) {
        const wchar_t c = format[i];
        if (IsFieldLetter(c)) {
            std::size_t j = i;
            while (j < n && format[j] == c) ++j;
            runs.push_back({FormatRun::kField, format.substr(i, j - i)});
            i = j;
        } else if (c == L'\'') {
            if (i + 1 < n && format[i + 1] == L'\'') {
                addPlain(L'\'');
                i += 2;
                continue;
            }
            std::wstring text;
            ++i;
            while (i < n) {
                if (format[i] == L'\'') {
                    if (i + 1 < n && format[i + 1] == L'\'') {
                        text += L'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += format[i++];
            }
            runs.push_back({FormatRun::kQuoted, text});
        } else {
            addPlain(c);
            ++i;
        }
    }
    return runs;
}

FieldSpec SpecOf(const FormatRun& run, const WidthTable& widths, bool dayNumberBefore, bool focusedYear,
                 int literalWidth) {
    FieldSpec spec;
    if (run.kind != FormatRun::kField || run.text.empty()) {
        spec.width = std::max(0, literalWidth);
        spec.align = kAlignCenter;
        spec.editable = false;
        spec.picture = run.text;
        return spec;
    }
    const wchar_t letter = run.text[0];
    const std::size_t count = run.text.size();
    spec.width = widths.twoDigits;
    spec.align = kAlignRight;
    spec.editable = true;
    spec.picture = run.text;
    if (letter == L'M' && count == 3) {
        spec.width = widths.abbrevMonth;
        spec.align = kAlignCenter;
    } else if (letter == L'M' && count >= 4) {
        spec.genitive = dayNumberBefore;
        spec.width = dayNumberBefore ? widths.genitiveMonth : widths.month;
        spec.align = kAlignCenter;
    } else if (letter == L'd' && count >= 3) {
        spec.width = count == 3 ? widths.abbrevDay : widths.fullDay;
        spec.align = kAlignCenter;
        spec.editable = false;
    } else if (letter == L't') {
        spec.width = widths.ampm;
        spec.align = kAlignLeft;
    } else if (letter == L'y') {
        if (count >= 3 || focusedYear) {
            spec.width = widths.fourDigits;
            spec.picture = L"yyy";
        }
    }
    return spec;
}

std::vector<FieldSpec> SpecsOf(const std::vector<FormatRun>& runs, const WidthTable& widths,
                               const std::vector<int>& textWidths, int focused, bool windowFocused) {
    std::vector<FieldSpec> specs;
    bool dayNumberBefore = false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const FormatRun& run = runs[i];
        const int measured = i < textWidths.size() ? textWidths[i] : 0;
        specs.push_back(SpecOf(run, widths, dayNumberBefore, windowFocused && int(i) == focused, measured));
        if (run.kind == FormatRun::kField && !run.text.empty() && run.text[0] == L'd' && run.text.size() <= 2)
            dayNumberBefore = true;
    }
    return specs;
}

PickerLayout LayoutPicker(const Rect& client, bool showNone, int buttonWidth) {
    PickerLayout layout;
    int textLeft = client.left + 2;
    layout.firstFieldX = client.left;
    if (showNone) {
        const int top = client.top + 1, bottom = std::max(top, client.bottom - 1);
        const int middle = client.left + client.Width() / 2;
        const int left = client.left + 1;
        const int right = std::max(left, std::min(left + (bottom - top), middle));
        layout.checkBox = {left, top, right, bottom};
        textLeft = right + 1;
        layout.firstFieldX = right + 1;
    }
    int buttonLeft = std::max(client.left, client.right - std::max(0, buttonWidth));
    if (showNone) buttonLeft = std::max(buttonLeft, layout.checkBox.right);
    layout.button = {buttonLeft, client.top, std::max(buttonLeft, client.right), client.bottom};
    layout.textArea = {textLeft, client.top, std::max(textLeft, buttonLeft - 2), client.bottom};
    return layout;
}

int MoveFocus(const std::vector<bool>& editable, int focused, bool forward, bool showNone) {
    const int n = int(editable.size());
    std::vector<int> stops;
    for (int i = 0; i < n; ++i)
        if (editable[std::size_t(i)]) stops.push_back(i);
    if (stops.empty()) return focused;
    // The ring of stops: the editable fields, then the check box.
    if (showNone) stops.push_back(-1);
    const int count = int(stops.size());
    auto at = std::find(stops.begin(), stops.end(), focused);
    int position;
    if (at != stops.end()) {
        position = int(at - stops.begin());
    } else {
        // A field that is not a stop: the nearest stop before (or after) it.
        position = forward ? -1 : count;
        for (int k = 0; k < count; ++k) {
            if (stops[std::size_t(k)] < 0) continue;
            if (forward && stops[std::size_t(k)] < focused) position = k;
            if (!forward && stops[std::size_t(k)] > focused && position == count) position = k;
        }
        if (focused < 0 && !showNone) position = forward ? -1 : count;
    }
    const int next = ((forward ? position + 1 : position - 1) % count + count) % count;
    return stops[std::size_t(next)];
}

int ScrollToField(int firstFieldX, const std::vector<int>& widths, int focused, const Rect& textArea) {
    if (focused < 0 || focused >= int(widths.size())) return firstFieldX;
    int x = firstFieldX;
    for (int i = 0; i < focused; ++i) x += widths[std::size_t(i)];
    const int right = x + widths[std::size_t(focused)];
    if (right > textArea.right) return firstFieldX - (right - textArea.right);
    if (x < textArea.left) return firstFieldX + (textArea.left - x);
    return firstFieldX;
}

int FieldAt(int firstFieldX, const std::vector<int>& widths, const std::vector<bool>& editable, int x) {
    int found = -1;
    int left = firstFieldX;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (left > x) break;
        if (i < editable.size() && editable[i]) found = int(i);
        left += widths[i];
    }
    return found;
}

int FieldOfChange(const std::vector<FormatRun>& runs, const std::vector<bool>& editable, const DateParts& before,
                  const DateParts& after, int preferred) {
    auto has = [&](const wchar_t* letters) {
        for (std::size_t i = 0; i < runs.size() && i < editable.size(); ++i)
            if (editable[i] && runs[i].kind == FormatRun::kField && !runs[i].text.empty() &&
                std::wstring(letters).find(runs[i].text[0]) != std::wstring::npos)
                return true;
        return false;
    };
    const wchar_t* letters = nullptr;
    if (after.year != before.year) {
        letters = L"y";
    } else if (after.month != before.month) {
        letters = L"M";
    } else if (after.day != before.day) {
        letters = L"d";
    } else if (after.hour != before.hour) {
        const int step = (after.hour - before.hour + 24) % 24;
        letters = step == 12 && has(L"t") ? L"t" : L"hH";
    } else if (after.minute != before.minute) {
        letters = L"m";
    } else if (after.second != before.second) {
        letters = L"s";
    }
    if (!letters) return -1;
    int found = -1;
    for (std::size_t i = 0; i < runs.size() && i < editable.size(); ++i) {
        if (!editable[i] || runs[i].kind != FormatRun::kField || runs[i].text.empty()) continue;
        if (std::wstring(letters).find(runs[i].text[0]) == std::wstring::npos) continue;
        if (int(i) == preferred) return preferred;
        if (found < 0) found = int(i);
    }
    return found;
}

} // namespace hexmoor::rt::datetime
