#include "runtime/controls/edit.h"

#include <algorithm>
#include <cwctype>

#include "base/win/rect.h"
#include "base/win/dib.h"
#include "model/twf_obj.h"
#include "runtime/controls/combo_box.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/controls/tree_ctrl.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/range_layout.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/scroll/control_scroll.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;
namespace ed = hexmoor::rt::edit;
namespace rg = hexmoor::rt::range;

namespace {

constexpr WORD kImageNormal = 10, kImageDisabled = 11;
constexpr WORD kTextColour = 13, kSelectionBack = 14, kDisabledText = 15, kSelectedText = 16;
constexpr WORD kBorderLeft = 17, kBorderTop = 18, kBorderRight = 19, kBorderBottom = 20;
constexpr WORD kComboTransparentEdit = 662;
constexpr UINT kLineFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;

bool ClassStartsWith(HWND hwnd, const wchar_t* prefix) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return _wcsnicmp(name, prefix, wcslen(prefix)) == 0;
}

// The window rectangle in the coordinates of its own client area (left and
// right exchanged under a right-to-left layout).
RECT WindowInClient(HWND hwnd) {
    RECT r = CWindowRect(hwnd);
    RectScreenToClient(&r, hwnd);
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(r.left, r.right);
    return r;
}

int ParentType(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    return parent ? GetSkinnedWindowType(parent) : -1;
}

} // namespace

// --- gate and small helpers ---------------------------------------------------

bool CTWEdit::Gated() const { return systemLook_ || PassesThrough(*this); }

bool CTWEdit::IsMultiLine() const { return (GetWindowLongPtrW(hWnd_, GWL_STYLE) & ES_MULTILINE) != 0; }

LRESULT CTWEdit::Quiet() {
    SetRedraw(FALSE);
    const LRESULT result = Default();
    SetRedraw(TRUE);
    return result;
}

ed::Selection CTWEdit::GetEditSelection() const {
    DWORD start = 0, end = 0;
    SendMessageW(hWnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {int(start), int(end)};
}

bool CTWEdit::PosFromChar(int index, POINT* out) const {
    const LRESULT answer = SendMessageW(hWnd_, EM_POSFROMCHAR, WPARAM(index), 0);
    const short x = short(LOWORD(answer)), y = short(HIWORD(answer));
    if (answer == -1 || (x == -1 && y == -1)) return false;
    // The x is a signed 16-bit value, read once: a line scrolled to the left
    // starts left of the client area.
    *out = {x, y};
    return true;
}

POINT CTWEdit::GetEditEndPosition() const {
    const CSupportUnicode unicode(hWnd_, const_cast<CTWEdit*>(this));
    const CUnicodeString text = unicode.GetText();
    if (text.IsEmpty()) {
        RECT format{};
        SendMessageW(hWnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return {format.left, format.top};
    }
    const int last = int(text.GetLength()) - 1;
    POINT p{0, 0};
    if (!PosFromChar(last, &p)) return p;
    wchar_t shown = text.GetAt(size_t(last));
    if (GetWindowLongPtrW(hWnd_, GWL_STYLE) & ES_PASSWORD) {
        if (const auto c = wchar_t(SendMessageW(hWnd_, EM_GETPASSWORDCHAR, 0, 0))) shown = c;
    }
    hexmoor::win::WindowDC dc(hWnd_);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hWnd_, WM_GETFONT, 0, 0));
    hexmoor::win::SelectGuard select(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), &shown, 1, &size);
    return {p.x + size.cx, p.y};
}

void CTWEdit::PlaceEditCaret(BOOL atStart) {
    const ed::Selection sel = GetEditSelection();
    POINT p{};
    if (!PosFromChar(atStart ? sel.start : sel.end, &p)) p = GetEditEndPosition();
    SetCaretPos(p.x, p.y);
}

void CTWEdit::SyncEditCaret(POINT point) {
    const LRESULT answer = SendMessageW(hWnd_, EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y));
    const int index = point.x < 0 ? 0 : int(LOWORD(answer));
    POINT p{};
    if (!PosFromChar(index, &p)) p = GetEditEndPosition();
    RECT client{};
    GetClientRect(hWnd_, &client);
    if (p.x >= 0 && p.x <= client.right && p.y >= 0 && p.y <= client.bottom) SetCaretPos(p.x, p.y);
}

// --- enabling -----------------------------------------------------------------

BOOL CTWEdit::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!on) return TRUE;
    systemLook_ = false;
    if (ClassStartsWith(hWnd_, L"RichEdit")) {
        richEdit_ = TRUE;
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                         SWP_NOOWNERZORDER);
    }
    const HWND parent = GetParent(hWnd_);
    CTWWnd* parentObject = parent ? GetSkinnedWindowObject(parent) : nullptr;
    if (!parentObject) return TRUE;
    const int parentType = parentObject->GetType();
    if (parentType == ctype::kListView) {
        // The list view's own label editor (it asked for one with
        // LVM_EDITLABEL) and the shell's folder view keep the system look.
        auto* list = dynamic_cast<CTWListCtrl*>(parentObject);
        wchar_t text[16] = {};
        GetWindowTextW(parent, text, 16);
        if ((list && list->IsLabelEditRequested()) || _wcsnicmp(text, L"FolderView", 10) == 0) {
            if (list) list->SetLabelEditRequested(FALSE);
            systemLook_ = true;
            SetActive(FALSE, 0);
            return FALSE;
        }
        return TRUE;
    }
    if (parentType == ctype::kComboBox || parentType == ctype::kNumericUpDown) {
        if (GetWindowLongPtrW(parent, GWL_STYLE) & CBS_OWNERDRAWFIXED) {
            auto* combo = dynamic_cast<CTWComboBox*>(parentObject);
            if (!combo || combo->GetCommonDialogRole() != 2) {
                systemLook_ = true;
                SetActive(FALSE, 0);
                return FALSE;
            }
        }
        host_ = parent;
    }
    return TRUE;
}

void CTWEdit::OnEnable() {
    if (scrollElement_ && scrollElement_->GetEnabled() && !scrollHelper_) {
        scrollHelper_ = std::make_unique<CEditScroll>();
        scrollHelper_->SubclassWindow(hWnd_);
        UpdateScrollBarSizes();
        return;
    }
    SuspendSkinScrollbars(hWnd_, FALSE);
}

void CTWEdit::Reset(const std::wstring& name) {
    ResetElementByName(*this, name);
    CTWWnd::Reset(name);
}

void CTWEdit::GetRect(RECT* out) const {
    if (!out) return;
    *out = {};
    if (!element_) return;
    *out = {LONG(element_->GetNumber(kBorderLeft)), LONG(element_->GetNumber(kBorderTop)),
            LONG(element_->GetNumber(kBorderRight)), LONG(element_->GetNumber(kBorderBottom))};
}

// --- reflected messages -------------------------------------------------------

LRESULT CTWEdit::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    // Gated: the parent answers (the parent's message is not replayed into
    // the edit).
    if (Gated()) return 0;
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, element_->GetColor(IsWindowEnabled(hWnd_) ? kTextColour : kDisabledText));
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWEdit::OnReflectedCommand(BOOL*, ReflectRecord* record) {
    if (richEdit_ || Gated() || !record || !record->data) return 0;
    const auto* command = static_cast<const CommandData*>(record->data);
    if (command->code == EN_UPDATE) RedrawNow(FALSE);
    return 0;
}

// --- background and border ----------------------------------------------------

HBITMAP CTWEdit::GetBackgroundBitmap(BOOL rebuild) {
    if (!rebuild && background_) return background_.Get();
    background_.Reset();
    const CWindowRect wr(hWnd_);
    if (wr.Width() == 16384 || wr.Width() <= 0 || wr.Height() <= 0) return nullptr;
    if (!element_ || !element_->GetEnabled()) return nullptr;
    const bool writable = IsWindowEnabled(hWnd_) && !(GetWindowLongPtrW(hWnd_, GWL_STYLE) & ES_READONLY);
    CMrgBitmap* image = element_->GetImage(writable ? kImageNormal : kImageDisabled);

    // A DIB section: selecting a device-dependent bitmap costs server round
    // trips under Wine on every paint that copies from it.
    hexmoor::win::Bitmap bitmap(hexmoor::win::CreateScreenBitmap(wr.Width(), wr.Height()));
    if (!bitmap) return nullptr;
    {
        hexmoor::win::MemoryDC memory(nullptr);
        hexmoor::win::SelectGuard select(memory.Get(), bitmap.Get());
        const RECT whole{0, 0, wr.Width(), wr.Height()};
        FillRect(memory.Get(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EraseBackground(memory.Get(), hWnd_, nullptr);
        if (!host_ && !State().defaultActive) {
            const int parentType = ParentType(hWnd_);
            if (parentType == ctype::kComboBox || parentType == ctype::kNumericUpDown) host_ = GetParent(hWnd_);
        }
        bool draw = image != nullptr;
        BOOL centreOnly = FALSE;
        if (host_) {
            centreOnly = TRUE;
            if (GetSkinnedWindowType(host_) == ctype::kComboBox) {
                CTWWnd* combo = GetSkinnedWindowObject(host_);
                CTwfObj* comboElement = combo ? combo->GetSkinObject() : nullptr;
                if (comboElement && comboElement->GetNumber(kComboTransparentEdit)) draw = false;
            }
        }
        if (draw) {
            // Widened over an up-down control beside the edit.
            RECT span = ImageBox();
            OffsetRect(&span, -wr.left, -wr.top);
            CTWDraw painter;
            painter.AttachDC(memory.Get(), nullptr, FALSE);
            painter.DrawSkinImage(&span, image, centreOnly, nullptr);
            painter.Release();
        }
    }
    background_ = std::move(bitmap);
    return background_.Get();
}

void CTWEdit::SetSpinSide(HWND spin, int side) {
    spin_ = side ? spin : nullptr;
    spinSide_ = spin_ ? side : 0;
    if (!hWnd_ || !element_) return;
    GetBackgroundBitmap(TRUE);
    if (IsWindowVisible(hWnd_)) RedrawNow(TRUE);
}

RECT CTWEdit::ImageBox() const {
    const CWindowRect self(hWnd_);
    if (!spinSide_ || !spin_ || !IsWindow(spin_) || GetSkinnedWindowType(spin_) != ctype::kSpin) return self;
    const CWindowRect spin(spin_);
    return ToRECT(rg::EditBoxJoinedWithSpin(FromRECT(self), FromRECT(spin), spinSide_));
}

LRESULT CTWEdit::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (!element_) return 0;
    if (child && child != hWnd_ && rect) {
        // A child of the edit: its skinned parent's background first, then
        // the part of the edit's image that lies under the child.
        EraseWithParent(hWnd_, dc, child, nullptr);
        const RECT self = ImageBox();
        const CWindowRect under(child);
        const RECT dest{self.left - under.left, self.top - under.top, self.right - under.left, self.bottom - under.top};
        CMrgBitmap* image = element_->GetImage(IsWindowEnabled(hWnd_) ? kImageNormal : kImageDisabled);
        if (image) {
            CTWDraw painter;
            painter.AttachDC(dc, nullptr, FALSE);
            painter.DrawSkinImage(&dest, image, FALSE, nullptr);
            painter.Release();
        }
        return 1;
    }
    // The edit itself shows what its parent shows under it; inside a combo
    // box that is the combo's face.
    return EraseWithParent(hWnd_, dc, hWnd_, rect);
}

LRESULT CTWEdit::CalcBorderSize(BOOL calcValidRects, LPARAM params) {
    const LONG_PTR ex = GetWindowLongPtrW(hWnd_, GWL_EXSTYLE);
    const LRESULT result = DefaultWithoutBorders(*this);

    RECT* r = calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(params)->rgrc[0] : reinterpret_cast<RECT*>(params);
    if (!r) return result;
    const int parentType = ParentType(hWnd_);
    const bool parentSkinned = parentType >= 0 && GetSkinnedWindowObject(GetParent(hWnd_)) != nullptr;
    if ((ex & WS_EX_CLIENTEDGE) && parentSkinned && !host_ && parentType != ctype::kComboBox &&
        parentType != ctype::kNumericUpDown && parentType != ctype::kListView) {
        RECT b{};
        GetRect(&b);
        if (ex & WS_EX_LAYOUTRTL) std::swap(b.left, b.right);
        r->left += b.left;
        r->top += b.top;
        r->right -= b.right;
        r->bottom -= b.bottom;
    } else if ((host_ && GetSkinnedWindowType(host_) != ctype::kComboBox) || parentType == ctype::kListView) {
        InflateRect(r, -1, -1);
    }
    return result;
}

LRESULT CTWEdit::PaintBorder(HDC dc) {
    const int parentType = ParentType(hWnd_);
    if (parentType == ctype::kComboBox || parentType == ctype::kNumericUpDown) return 0;
    if (!(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) || !dc) return 0;
    const CWindowRect wr(hWnd_);
    const RECT whole{0, 0, wr.Width(), wr.Height()};
    hexmoor::win::SavedDC saved(dc);
    if (!host_ && parentType != ctype::kListView) {
        // Only the ring of border widths: the client area and the scroll
        // bars inside it are left alone.
        RECT b{};
        GetRect(&b);
        ExcludeClipRect(dc, b.left, b.top, whole.right - b.right, whole.bottom - b.bottom);
        if (HBITMAP background = GetBackgroundBitmap(FALSE)) {
            CTWDraw painter;
            painter.AttachDC(dc, nullptr, FALSE);
            painter.BitBltBitmap(&whole, background, 0, 0);
            painter.Release();
        }
        return 1;
    }
    hexmoor::win::SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    hexmoor::win::SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, 0, 0, whole.right, whole.bottom);
    return 0;
}

LRESULT CTWEdit::OnNcPaint(HDC dc) {
    const int kind = GetBorderKind(hWnd_);
    if (!host_ && kind == 0) return 0;
    hexmoor::win::WindowDC windowDc(hWnd_, true);
    const HDC target = dc ? dc : windowDc.Get();
    if (!host_ && kind == 2) {
        const CWindowRect wr(hWnd_);
        hexmoor::win::SelectGuard pen(target, GetStockObject(BLACK_PEN));
        hexmoor::win::SelectGuard brush(target, GetStockObject(NULL_BRUSH));
        ::Rectangle(target, 0, 0, wr.Width(), wr.Height());
        return 0;
    }
    return PaintBorder(target);
}

// --- painting -----------------------------------------------------------------

LRESULT CTWEdit::Paint(HDC given) {
    if (systemLook_) return 0;
    // BeginPaint hides the caret and EndPaint shows it again (one server
    // request each under Wine): only a paint into a given DC hides it here.
    if (given) HideCaret(hWnd_);
    RECT client{};
    GetClientRect(hWnd_, &client);
    const RECT window = WindowInClient(hWnd_);
    CTWDraw draw;
    if (given)
        draw.AttachDC(given, &client, FALSE);
    else
        draw.Begin(hWnd_, CTWDraw::kBeginPaint, &client, FALSE);
    if (!draw.GetTargetDC()) {
        if (given) ShowCaret(hWnd_);
        return 0;
    }
    if (paintSuppressed_) SetBoundsRect(draw.GetDrawDC(), nullptr, DCB_ENABLE | DCB_RESET);
    if (HBITMAP background = GetBackgroundBitmap(FALSE)) draw.BitBltBitmap(&window, background, 0, 0);
    PaintEditText(draw.GetDrawDC());
    draw.Release();
    if (given) ShowCaret(hWnd_);
    return 1;
}

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
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hWnd_, WM_GETFONT, 0, 0));
    SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
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

    const CSupportUnicode unicode(hWnd_, this);
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
    const CSupportUnicode unicode(hWnd_, this);
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

// --- messages -----------------------------------------------------------------

LRESULT CTWEdit::OnKeyDown(WPARAM key, LPARAM) {
    const bool navigation = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_DELETE;
    if (IsMultiLine()) {
        const LRESULT result = Default();
        if (navigation) RedrawNow(FALSE);
        return result;
    }
    const ed::Selection saved = GetEditSelection();
    savedStart_ = saved.start;
    savedEnd_ = saved.end;
    const LRESULT result = (key >= VK_END && key <= VK_DOWN) ? Quiet() : Default();
    const ed::Caret caret = ed::CaretAfterKey(unsigned(key), GetKeyState(VK_CONTROL) < 0, saved, GetEditSelection());
    if (caret == ed::Caret::Start) PlaceEditCaret(TRUE);
    if (caret == ed::Caret::End) PlaceEditCaret(FALSE);
    if (navigation) RedrawNow(FALSE);
    return result;
}

LRESULT CTWEdit::OnChar(WPARAM, LPARAM) {
    if (IsMultiLine()) {
        Default();
        RedrawNow(FALSE);
        return 0;
    }
    Quiet();
    PlaceEditCaret(TRUE);
    RedrawNow(FALSE);
    return 0;
}

LRESULT CTWEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        // A tree's label editor going away: the tree draws the item again.
        const HWND parent = GetParent(hWnd_);
        if (auto* tree = dynamic_cast<CTWTreeCtrl*>(parent ? GetSkinnedWindowObject(parent) : nullptr))
            tree->ForgetLabelEdit(hWnd_);
    }
    if (Gated()) return Default();
    if (richEdit_) return CTWWnd::WindowProc(msg, wp, lp);
    switch (msg) {
    case WM_MOVE:
        GetBackgroundBitmap(TRUE);
        {
            hexmoor::win::WindowDC dc(hWnd_, true);
            PaintBorder(dc.Get());
        }
        return CTWWnd::WindowProc(msg, wp, lp);
    case WM_SIZE: {
        const LRESULT result = Default();
        if (IsWindowVisible(hWnd_)) {
            SetRedraw(TRUE);
            GetBackgroundBitmap(TRUE);
            RedrawNow(TRUE);
            if (CTWWnd* host = host_ ? GetSkinnedWindowObject(host_) : nullptr) host->RedrawNow(FALSE);
        }
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        if (host_ && GetSkinnedWindowType(host_) == ctype::kComboBox) {
            SendMessageW(host_, TWM_REFRESHSKIN, 1, 0);
            WindowProc(TWM_REFRESHSKIN, msg == WM_SETFOCUS ? 1 : 0, 0);
        }
        const LRESULT result = (msg == WM_SETFOCUS && !IsMultiLine()) ? Quiet() : Default();
        RedrawNow(FALSE);
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        return result;
    }
    case WM_SETTEXT: {
        if (!IsWindowVisible(hWnd_)) return Default();
        const LRESULT result = Quiet();
        if (GetFocus() == hWnd_) PlaceEditCaret(TRUE);
        RedrawNow(FALSE);
        return result;
    }
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_KEYDOWN: return OnKeyDown(wp, lp);
    case WM_CHAR: return OnChar(wp, lp);
    case WM_HSCROLL:
    case WM_VSCROLL: {
        SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(hWnd_, msg == WM_HSCROLL ? SB_HORZ : SB_VERT, &si);
        if (!ed::ScrollRepaints(HIWORD(wp), si.nPos, si.nMax, si.nPage)) return Default();
        paintSuppressed_ = TRUE;
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        paintSuppressed_ = FALSE;
        return result;
    }
    case EM_SETSEL: {
        const ed::Selection saved = GetEditSelection();
        savedStart_ = saved.start;
        savedEnd_ = saved.end;
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        return result;
    }
    case EM_REPLACESEL: {
        // The new text is shown by a repaint of our own, as after the other
        // quiet blocks.
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        if (GetFocus() == hWnd_) PlaceEditCaret(FALSE);
        return result;
    }
    case EM_SETREADONLY: {
        // The border shows the new image at once, not at the next repaint.
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        return result;
    }
    case WM_MOUSEMOVE: {
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        if (p.x == lastMouse_.x && p.y == lastMouse_.y) return 0;
        if (GetCapture() == hWnd_) {
            Quiet();
            if (mouseSelecting_) {
                SyncEditCaret(p);
                RedrawNow(FALSE);
            }
        } else {
            Default();
        }
        lastMouse_ = p;
        return 0;
    }
    case WM_LBUTTONDOWN: {
        mouseSelecting_ = TRUE;
        const LRESULT result = Quiet();
        SyncEditCaret({short(LOWORD(lp)), short(HIWORD(lp))});
        RedrawNow(FALSE);
        return result;
    }
    case WM_LBUTTONUP: {
        mouseSelecting_ = FALSE;
        if (IsMultiLine()) return Default();
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        return result;
    }
    case WM_LBUTTONDBLCLK: {
        if (IsMultiLine()) return Default();
        const LRESULT result = Quiet();
        // The word selected by the double click shows at once.
        RedrawNow(FALSE);
        PlaceEditCaret(FALSE);
        return result;
    }
    case WM_MOUSEWHEEL: {
        if (IsMultiLine()) {
            SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
            GetScrollInfo(hWnd_, SB_VERT, &si);
            if (ed::WheelAtLimit(short(HIWORD(wp)), si.nPos, si.nMax, si.nPage)) return Default();
        }
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        return result;
    }
    case WM_PASTE: {
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        PlaceEditCaret(FALSE);
        return result;
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_ISCONTROL: return 0;
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); return 0;
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        if (wp) RedrawNow(FALSE);
        return 0;
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}

// --- rich edit ----------------------------------------------------------------

LRESULT CTWRichEdit::OnReflectedCommand(BOOL*, ReflectRecord*) { return 0; }

void CTWRichEdit::RedrawNow(BOOL) {
    if (hWnd_) InvalidateRect(hWnd_, nullptr, FALSE);
}

LRESULT CTWRichEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (Gated()) return Default();
    switch (msg) {
    case WM_ENABLE:
    case WM_MOVE:
    case WM_SIZE:
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: {
        // The edit's handling of these, whatever the rich-edit flag says.
        const BOOL rich = richEdit_;
        richEdit_ = FALSE;
        const LRESULT result = CTWEdit::WindowProc(msg, wp, lp);
        richEdit_ = rich;
        return result;
    }
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}
