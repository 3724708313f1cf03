// The edit's text painter: each visible line written in the element's
// colours, the selection in its selection colours, right-to-left reading
// runs in the order the control shows them.
#include "runtime/controls/edit.h"

#include <algorithm>
#include <cwctype>

#include "base/win/rect.h"
#include "base/win/dib.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/combo_box.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/controls/tree_ctrl.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/range_layout.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/scroll/control_scroll.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/text/support_unicode.h"

using namespace hexmoor;
using namespace hexmoor::rt;
namespace ed = hexmoor::rt::edit;
namespace rg = hexmoor::rt::range;
using namespace hexmoor::rt::edit;

int CTWEdit::MeasureEditRun(HDC dc, const wchar_t* run, int length) {
    if (length <= 0) return 0;
    // The run written twice less the run once: its advance, without the
    // overhang of its last character.
    std::wstring twice(run, size_t(length));
    twice.append(run, size_t(length));
    SIZE once{}, both{};
    GetTextExtentPoint32W(dc, run, length, &once);
    GetTextExtentPoint32W(dc, twice.c_str(), length * 2, &both);
    return both.cx - once.cx;
}

namespace {

constexpr UINT kLineFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;

struct LineColours {
    COLORREF normal;
    COLORREF selectedText;
    COLORREF selectedBack;
};

// Draws characters [begin, end) of a line as one run whose left edge is at
// x, cut into before, selected and after pieces laid in the run's reading
// direction.
void DrawRun(HDC dc, const CSupportUnicode& unicode, const std::wstring& text, const ed::TextRun& run, int x, int top,
             int bottom, ed::SelectionCut cut, int whole, const LineColours& colours) {
    const UINT format = kLineFormat | (run.drawnRtl ? DT_RTLREADING : 0);
    const wchar_t* chars = text.c_str() + run.begin;
    const int length = run.end - run.begin;
    auto piece = [&](int from, int to, int left, int width, bool selected) {
        if (to <= from || width <= 0) return;
        RECT r{left, top, left + width, bottom};
        if (selected) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, colours.selectedBack);
            ::SetTextColor(dc, colours.selectedText);
        }
        unicode.DrawTextAW(dc, chars + from, to - from, &r, format);
        if (selected) {
            SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, colours.normal);
        }
    };
    if (cut.Empty()) {
        piece(0, length, x, whole, false);
        return;
    }
    const int selectedWidth = CTWEdit::MeasureEditRun(dc, chars + cut.from, cut.to - cut.from);
    const int afterWidth = cut.to < length ? CTWEdit::MeasureEditRun(dc, chars + cut.to, length - cut.to) : 0;
    const ed::PieceWidths w = ed::SplitWidth(whole, selectedWidth, afterWidth);
    if (!run.drawnRtl) {
        piece(0, cut.from, x, w.before, false);
        piece(cut.from, cut.to, x + w.before, w.selected, true);
        piece(cut.to, length, x + w.before + w.selected, w.after, false);
    } else {
        const int right = x + whole;
        piece(0, cut.from, right - w.before, w.before, false);
        piece(cut.from, cut.to, right - w.before - w.selected, w.selected, true);
        piece(cut.to, length, x, w.after, false);
    }
}

} // namespace

void CTWEdit::PaintEditText(HDC dc) {
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const DWORD ex = DWORD(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE));
    const bool multi = (style & ES_MULTILINE) != 0;
    const int lineCount = multi ? int(SendMessageW(hWnd_, EM_GETLINECOUNT, 0, 0)) : 1;
    const int firstVisible = multi ? int(SendMessageW(hWnd_, EM_GETFIRSTVISIBLELINE, 0, 0)) : 0;

    // The selection shows while the edit has the focus or keeps it shown;
    // the focus (a server round trip under Wine) is asked only about a
    // selection that is not empty.
    ed::Selection sel = GetEditSelection();
    if (!sel.Empty() && !(style & ES_NOHIDESEL) && GetFocus() != hWnd_) sel = {};
    int startLine = -1, endLine = -1;
    if (!sel.Empty()) {
        startLine = int(SendMessageW(hWnd_, EM_LINEFROMCHAR, WPARAM(sel.start), 0));
        endLine = int(SendMessageW(hWnd_, EM_LINEFROMCHAR, WPARAM(sel.end), 0));
    }

    hexmoor::win::SavedDC saved(dc);
    const hexmoor::win::SelectGuard selectFont(dc, WindowFontOrSystem(hWnd_));
    SetBkMode(dc, TRANSPARENT);
    const LineColours colours{element_->GetColor(IsWindowEnabled(hWnd_) ? kTextColour : kDisabledText),
                              element_->GetColor(kSelectedText), element_->GetColor(kSelectionBack)};
    ::SetTextColor(dc, colours.normal);

    RECT format{};
    SendMessageW(hWnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    // Only what lies inside the formatting rectangle is the control's text.
    IntersectClipRect(dc, format.left, format.top, format.right, format.bottom);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int height = metrics.tmHeight;

    const CSupportUnicode unicode = Unicode();
    wchar_t password = 0;
    if (style & ES_PASSWORD) {
        password = unicode.UsesWide() ? wchar_t(SendMessageW(hWnd_, EM_GETPASSWORDCHAR, 0, 0))
                                      : wchar_t(BYTE(SendMessageA(hWnd_, EM_GETPASSWORDCHAR, 0, 0)));
    }
    const bool rtlReading = (ex & WS_EX_RTLREADING) != 0;
    const bool simple = !IsWindowUnicode(hWnd_) && !rtlReading;

    // Wide windows: the text is read once and cut at the line starts, so a
    // line costs two messages to the control (each one runs the thread's
    // hooks). ANSI windows read line by line: their indices need not match
    // the wide text's.
    const bool wholeText = unicode.UsesWide();
    const std::wstring all = wholeText ? unicode.GetText().Str() : std::wstring();
    int first = multi ? int(SendMessageW(hWnd_, EM_LINEINDEX, WPARAM(firstVisible), 0)) : 0;
    for (int line = firstVisible; line < lineCount; ++line) {
        if (first < 0) break;
        const int lineStart = first;
        std::wstring text;
        if (wholeText) {
            const int next = multi && line + 1 < lineCount ? int(SendMessageW(hWnd_, EM_LINEINDEX, WPARAM(line + 1), 0))
                                                           : int(all.size());
            first = next;
            size_t end = size_t(std::clamp(next, lineStart, int(all.size())));
            // The line's own characters, its break (CR LF, soft CR CR LF) left out.
            while (end > size_t(lineStart) && (all[end - 1] == L'\n' || all[end - 1] == L'\r')) --end;
            if (size_t(lineStart) < end) text = all.substr(size_t(lineStart), end - size_t(lineStart));
        } else {
            text = unicode.GetEditLine(line, lineStart).Str();
            if (multi && line + 1 < lineCount) first = int(SendMessageW(hWnd_, EM_LINEINDEX, WPARAM(line + 1), 0));
        }
        if (text.empty()) continue;
        POINT start{};
        if (!PosFromChar(lineStart, &start)) continue;
        if (start.y >= format.bottom) break;
        if (start.y + height <= format.top) continue;
        if (password) text.assign(text.size(), password);
        RECT rect{format.left, start.y, format.right, start.y + height};
        const ed::SelectionCut cut =
            ed::CutLine(line, lineStart, int(text.size()), sel.start, sel.end, startLine, endLine);
        if (simple) {
            rect.left = start.x;
            const ed::TextRun whole{0, int(text.size()), false, false};
            DrawRun(dc, unicode, text, whole, rect.left, rect.top, rect.bottom, cut,
                    MeasureEditRun(dc, text.c_str(), int(text.size())), colours);
        } else {
            DrawEditLineBidi(dc, text, line, lineStart, start, rect, cut, rtlReading);
        }
    }
}

void CTWEdit::DrawEditLineBidi(HDC dc, const std::wstring& text, int, int first, POINT firstAt, RECT line,
                               ed::SelectionCut cut, bool rtlReading) {
    const CSupportUnicode unicode = Unicode();
    const LineColours colours{::GetTextColor(dc), element_->GetColor(kSelectedText),
                              element_->GetColor(kSelectionBack)};
    const std::vector<ed::TextRun> runs = ed::SplitRuns(text, rtlReading);
    if (runs.empty()) return;
    const int whole = MeasureEditRun(dc, text.c_str(), int(text.size()));
    int pen = 0;
    if (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_RIGHT)
        pen = rtlReading ? line.right : line.right - whole;
    else
        pen = rtlReading ? line.left + whole : line.left;

    bool firstRun = true;
    for (const ed::TextRun& run : runs) {
        const int width = MeasureEditRun(dc, text.c_str() + run.begin, run.end - run.begin);
        int left = 0;
        if (firstRun) {
            // A run that starts the line starts where the line does: the
            // control is asked only about a run further in.
            POINT at = firstAt;
            const bool placed = run.begin == 0 || PosFromChar(first + run.begin, &at);
            if (rtlReading) {
                if (!run.rtlScript && placed) {
                    left = at.x;
                    pen = at.x;
                } else {
                    left = pen - width;
                    pen = left;
                }
            } else {
                left = placed ? at.x - (run.rtlScript ? width : 0) : line.left;
                pen = left + width;
            }
            firstRun = false;
        } else if (rtlReading) {
            left = pen - width;
            pen = left;
        } else {
            left = pen;
            pen += width;
        }
        DrawRun(dc, unicode, text, run, left, line.top, line.bottom, ed::CutRun(run.begin, run.end, cut), width,
                colours);
    }
}
