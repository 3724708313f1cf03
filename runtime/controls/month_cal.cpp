#include "runtime/controls/month_cal.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/paint_dc.h"
#include "base/win/rect.h"
#include "model/twf_obj.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/controls/control_gate.h"
#include "runtime/messages.h"
#include "runtime/text/support_unicode.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {
constexpr WORD kBackground = 630;
constexpr WORD kPrevNormal = 631, kPrevPressed = 632, kPrevDisabled = 633;
constexpr WORD kNextNormal = 634, kNextPressed = 635, kNextDisabled = 636;
constexpr WORD kTitleImage = 637, kTodayMark = 638, kDayArea = 639;
constexpr WORD kSelectionFill = 640, kSelectedText = 641, kDayText = 642, kTitleText = 643, kTrailingText = 644,
               kNamesText = 645;
constexpr BorderedListIds kMonthCalIds{kBackground, kBackground, 0, 0, 0, 0};
constexpr UINT kCellFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
constexpr UINT kLineFormat = DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

monthcal::Date ToDate(const SYSTEMTIME& t) { return {t.wYear, t.wMonth, t.wDay}; }
SYSTEMTIME ToSystemTime(const monthcal::Date& d) {
    SYSTEMTIME t{};
    t.wYear = WORD(d.year);
    t.wMonth = WORD(d.month);
    t.wDay = WORD(d.day);
    return t;
}

bool IsTitlePart(UINT hit) {
    return hit == MCHT_TITLE || hit == MCHT_TITLEMONTH || hit == MCHT_TITLEYEAR || hit == MCHT_TITLEBTNPREV ||
           hit == MCHT_TITLEBTNNEXT;
}

void Fill(HDC dc, const RECT& box, COLORREF colour) {
    win::Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &box, brush.Get());
}

std::wstring LocaleText(LCTYPE type) {
    wchar_t buffer[80]{};
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80);
    return n > 1 ? std::wstring(buffer, std::size_t(n - 1)) : std::wstring();
}

std::wstring DateText(const SYSTEMTIME& t, DWORD flags) {
    wchar_t buffer[128]{};
    const int n = GetDateFormatW(LOCALE_USER_DEFAULT, flags, &t, nullptr, buffer, 128);
    return n > 1 ? std::wstring(buffer, std::size_t(n - 1)) : std::wstring();
}

// The control's own label for the today line (string 4163 of the common
// controls library), empty when the library lacks it.
std::wstring TodayLabel() {
    HMODULE module = GetModuleHandleW(L"comctl32.dll");
    wchar_t buffer[64]{};
    const int n = module ? LoadStringW(module, 4163, buffer, 64) : 0;
    return std::wstring(buffer, std::size_t(std::max(0, n)));
}

// The abbreviated day names, Monday first, read once per paint of all months.
std::vector<std::wstring> DayNames() {
    std::vector<std::wstring> names;
    for (int day = 0; day < 7; ++day) names.push_back(LocaleText(LOCALE_SABBREVDAYNAME1 + LCTYPE(day)));
    return names;
}

void DrawTextIn(HDC dc, const std::wstring& text, RECT box, UINT format) {
    DrawTextW(dc, text.c_str(), int(text.size()), &box, format);
}

void RedRing(HDC dc, const RECT& box) {
    win::Pen pen(CreatePen(PS_SOLID, 2, RGB(255, 0, 0)));
    win::SelectGuard usePen(dc, pen.Get());
    win::SelectGuard noFill(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
}
} // namespace

CTWMonthCal::CTWMonthCal() : CTWBorderedList(kMonthCalIds) {}

BOOL CTWMonthCal::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return 1;
    prevPressed_ = nextPressed_ = FALSE;
    outside_ = false;
    prevButton_ = nextButton_ = {0, 0, 0, 0};
    primedFor_ = {};
    probed_ = false;
    if (on) {
        for (DWORD bit :
             {DWORD(WS_EX_DLGMODALFRAME), DWORD(WS_EX_CLIENTEDGE), DWORD(WS_EX_WINDOWEDGE), DWORD(WS_EX_STATICEDGE)}) {
            if (!(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & bit)) continue;
            ChangeExStyle(0, bit);
            SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    } else {
        RestoreStyles();
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return 1;
}

// The non-client ring split evenly over the sides.
void CTWMonthCal::GetRect(RECT* out) const {
    if (!out) return;
    RECT window{}, client{};
    GetWindowRect(hWnd_, &window);
    GetClientRect(hWnd_, &client);
    const LONG dx = std::max<LONG>(0, (window.right - window.left - client.right) / 2);
    const LONG dy = std::max<LONG>(0, (window.bottom - window.top - client.bottom) / 2);
    *out = {dx, dy, dx, dy};
}

// A plain border (the picker's drop-down has one) is painted from the skin's
// background like any other ring, not as the default black line.
LRESULT CTWMonthCal::OnNcPaint(HDC dc) {
    RECT ring{};
    GetRect(&ring);
    if (!ring.left && !ring.top && !ring.right && !ring.bottom) return CTWBorderedList::OnNcPaint(dc);
    if (dc) return PaintBorder(dc);
    win::WindowDC windowDc(hWnd_, true);
    return PaintBorder(windowDc.Get());
}

// The drop-down of a picker is a popup with nothing under it.
void CTWMonthCal::FillUnderBackground(HDC dc, const RECT& window) {
    if (GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_POPUP)
        PatBlt(dc, 0, 0, window.right - window.left, window.bottom - window.top, WHITENESS);
    else
        CTWBorderedList::FillUnderBackground(dc, window);
}

UINT CTWMonthCal::HitAt(int x, int y, SYSTEMTIME* date) const {
    MCHITTESTINFO info{};
    info.cbSize = MCHITTESTINFO_V1_SIZE;
    info.pt = {x, y};
    SendMessageW(hWnd_, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    if (date) *date = info.st;
    return info.uHit;
}

CTWMonthCal::Probe CTWMonthCal::ProbeRows(int x, int height) const {
    Probe probe;
    int y = 0;
    for (; y < height; ++y)
        if (IsTitlePart(HitAt(x, y))) break;
    if (y >= height) return probe;
    probe.titleTop = y;
    for (; y < height && IsTitlePart(HitAt(x, y)); ++y) {}
    probe.titleBottom = y;
    for (; y < height; ++y) {
        const UINT hit = HitAt(x, y);
        if (hit == MCHT_CALENDARDATE || hit == MCHT_CALENDARDATEPREV || hit == MCHT_CALENDARDATENEXT) break;
    }
    if (y < height) probe.lineHeight = y - probe.titleBottom;
    return probe;
}

void CTWMonthCal::ProbeButtons(const RECT& first, const RECT& last, const Probe& rows) {
    const int y = (rows.titleTop + rows.titleBottom) / 2;
    auto extent = [&](int from, int to, UINT wanted) {
        RECT r{0, 0, 0, 0};
        bool found = false;
        const int step = from <= to ? 1 : -1;
        for (int x = from; x != to; x += step) {
            const bool hit = HitAt(x, y) == wanted;
            if (hit && !found) {
                found = true;
                r.left = r.right = x;
            }
            if (hit) {
                r.left = std::min<LONG>(r.left, x);
                r.right = std::max<LONG>(r.right, x + 1);
            } else if (found) {
                break;
            }
        }
        return r;
    };
    prevButton_ = extent(first.left, first.right, MCHT_TITLEBTNPREV);
    nextButton_ = extent(last.right, last.left, MCHT_TITLEBTNNEXT);
    int top = -1, bottom = -1;
    const int x = (prevButton_.left + prevButton_.right) / 2;
    for (int py = rows.titleTop; py < rows.titleBottom + 4; ++py) {
        if (HitAt(x, py) != MCHT_TITLEBTNPREV) continue;
        if (top < 0) top = py;
        bottom = py + 1;
    }
    if (top < 0) {
        top = rows.titleTop;
        bottom = rows.titleBottom;
    }
    prevButton_.top = nextButton_.top = top;
    prevButton_.bottom = nextButton_.bottom = bottom;
}

// The control places its title parts only when it paints: it paints into a
// memory bitmap whenever the shown months change.
void CTWMonthCal::PrimeControlLayout() {
    SYSTEMTIME range[2]{};
    SendMessageW(hWnd_, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range));
    if (memcmp(&range[0], &primedFor_, sizeof primedFor_) == 0) return;
    primedFor_ = range[0];
    RECT client{};
    GetClientRect(hWnd_, &client);
    win::WindowDC screen(hWnd_);
    win::MemoryDC memory(screen.Get());
    win::Bitmap bitmap(win::CreateScreenBitmap(std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom)));
    if (!memory || !bitmap) return;
    win::SelectGuard selected(memory.Get(), bitmap.Get());
    DefWindowProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
}

void CTWMonthCal::DrawImageOr(HDC dc, const RECT& box, WORD id, UINT scrollState, UINT extra) {
    if (box.right <= box.left || box.bottom <= box.top) return;
    if (CMrgBitmap* image = element_->GetImage(id)) {
        CTWDraw draw(dc, nullptr, FALSE);
        draw.DrawSkinImage(&box, image, FALSE, nullptr);
        return;
    }
    RECT r = box;
    DrawFrameControl(dc, &r, DFC_SCROLL, scrollState | extra);
}

void CTWMonthCal::DrawButtons(HDC dc) {
    const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
    const bool prevDown = prevPressed_ && !outside_, nextDown = nextPressed_ && !outside_;
    DrawImageOr(dc, prevButton_,
                !enabled   ? kPrevDisabled
                : prevDown ? kPrevPressed
                           : kPrevNormal,
                DFCS_SCROLLLEFT,
                !enabled   ? DFCS_INACTIVE
                : prevDown ? DFCS_PUSHED | DFCS_FLAT
                           : 0);
    DrawImageOr(dc, nextButton_,
                !enabled   ? kNextDisabled
                : nextDown ? kNextPressed
                           : kNextNormal,
                DFCS_SCROLLRIGHT,
                !enabled   ? DFCS_INACTIVE
                : nextDown ? DFCS_PUSHED | DFCS_FLAT
                           : 0);
}

void CTWMonthCal::DrawFace(HDC dc, const RECT& client) {
    DrawBackdrop(dc);
    monthBoxes_.clear();
    PrimeControlLayout();
    RECT minimal{};
    SendMessageW(hWnd_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimal));
    const int minWidth = minimal.right - minimal.left;
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    SYSTEMTIME range[2]{};
    SendMessageW(hWnd_, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range));
    // Probing the control pixel by pixel is slow: it is done again only when
    // what it found could have moved.
    ProbeKey key;
    key.first = range[0];
    key.width = client.right;
    key.height = client.bottom;
    key.style = style;
    key.minWidth = minWidth;
    const bool reprobe = !probed_ || memcmp(&key, &probedFor_, sizeof key) != 0;
    if (reprobe) {
        rows_ = minWidth > 10 ? ProbeRows(client.left + minWidth - 10, client.bottom) : Probe{};
        titleX_.clear();
        probedFor_ = key;
        probed_ = true;
    }
    const Probe rows = rows_;
    const std::vector<monthcal::Date> months = monthcal::MonthsShown(ToDate(range[0]), ToDate(range[1]));
    const int columns = monthcal::MonthColumns(client.right, minWidth);
    const int titleHeight = rows.titleBottom - rows.titleTop;
    const monthcal::MonthBoxes boxes = monthcal::LayoutMonths(Size{client.right, client.bottom}, minWidth, titleHeight,
                                                              rows.lineHeight, int(months.size()), columns);
    // Without the control's measures only the background and the buttons
    // can be drawn.
    if (boxes.months.empty() || rows.titleTop < 0 || rows.lineHeight <= 0) {
        if (rows.titleTop >= 0 && reprobe) ProbeButtons(client, client, rows);
        DrawButtons(dc);
        return;
    }
    for (const Rect& r : boxes.months) monthBoxes_.push_back(ToRECT(r));
    // The months' rows follow the control: its title top, not the centred
    // free space, places the first row.
    const int shift = rows.titleTop - monthBoxes_.front().top;
    for (RECT& r : monthBoxes_) OffsetRect(&r, 0, shift);
    if (reprobe)
        ProbeButtons(monthBoxes_.front(), monthBoxes_[std::size_t(std::min<int>(columns, int(monthBoxes_.size())) - 1)],
                     rows);

    const HFONT font = GetFont();
    LOGFONTW bold{};
    GetObjectW(font, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    win::Font boldFont(CreateFontIndirectW(&bold));
    win::SelectGuard selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);

    SYSTEMTIME selection[2]{};
    if (style & MCS_MULTISELECT) {
        SendMessageW(hWnd_, MCM_GETSELRANGE, 0, reinterpret_cast<LPARAM>(selection));
    } else {
        SendMessageW(hWnd_, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selection[0]));
        selection[1] = selection[0];
    }
    SYSTEMTIME today{};
    SendMessageW(hWnd_, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today));
    const monthcal::Date selStart = ToDate(selection[0]), selEnd = ToDate(selection[1]), todayDate = ToDate(today);
    int firstDay = int(LOWORD(SendMessageW(hWnd_, MCM_GETFIRSTDAYOFWEEK, 0, 0))); // 0 Monday ... 6 Sunday
    if (firstDay < 0 || firstDay > 6) firstDay = 6;
    const bool weekNumbers = (style & MCS_WEEKNUMBERS) != 0;
    const int gridColumns = weekNumbers ? 8 : 7;
    const int cellWidth = minWidth / gridColumns;
    const int line = rows.lineHeight;
    const std::vector<std::vector<monthcal::DayCell>> cells = monthcal::WalkDays(ToDate(range[0]), months);
    const int lastRowStart = (boxes.rows - 1) * columns;
    const COLORREF dayText = element_->GetColor(kDayText), trailing = element_->GetColor(kTrailingText);
    const COLORREF names = element_->GetColor(kNamesText);
    const std::vector<std::wstring> dayNames = DayNames();
    CTWDraw draw(dc, nullptr, FALSE);

    for (std::size_t m = 0; m < months.size() && m < monthBoxes_.size(); ++m) {
        const RECT& box = monthBoxes_[m];
        const bool lastRow = int(m) >= lastRowStart;
        const int titleBottom = box.top + titleHeight;
        const int gridLeft = box.left + (weekNumbers ? cellWidth : 0);
        // Day area.
        RECT area{box.left, titleBottom, box.right + 1,
                  box.top + boxes.monthHeight + (lastRow ? line + 3 : 0) - (lastRow ? 0 : 16)};
        if (CMrgBitmap* image = element_->GetImage(kDayArea)) draw.DrawSkinImage(&area, image, FALSE, nullptr);
        // Day names.
        SetTextColor(dc, names);
        for (int c = 0; c < 7; ++c) {
            const int day = (firstDay + c) % 7; // 0 Monday
            RECT cell{gridLeft + c * cellWidth, titleBottom, gridLeft + (c + 1) * cellWidth, titleBottom + line};
            DrawTextIn(dc, dayNames[std::size_t(day)], cell, kCellFormat);
        }
        // Separator under the names, and right of the week numbers.
        {
            win::Pen pen(CreatePen(PS_SOLID, 1, dayText));
            win::SelectGuard usePen(dc, pen.Get());
            MoveToEx(dc, box.left + cellWidth / 6, titleBottom + line - 1, nullptr);
            LineTo(dc, box.right - cellWidth / 6, titleBottom + line - 1);
            if (weekNumbers) {
                MoveToEx(dc, gridLeft - 1, titleBottom + line, nullptr);
                LineTo(dc, gridLeft - 1, titleBottom + 7 * line);
            }
        }
        // Day cells.
        const std::vector<monthcal::DayCell>& grid = cells[m];
        for (int r = 0; r < 6; ++r) {
            const int top = titleBottom + line * (r + 1);
            if (weekNumbers) {
                const monthcal::DayCell& first = grid[std::size_t(r * 7)];
                const monthcal::DayCell& last = grid[std::size_t(r * 7 + 6)];
                const monthcal::Date rowStart = first.shown ? first.date : last.date;
                if (first.shown || last.shown) {
                    SetTextColor(dc, names);
                    RECT cell{box.left, top, box.left + cellWidth, top + line};
                    DrawTextIn(dc, std::to_wstring(monthcal::RowWeekNumber(rowStart, firstDay + 1)), cell, kCellFormat);
                }
            }
            for (int c = 0; c < 7; ++c) {
                const monthcal::DayCell& cell = grid[std::size_t(r * 7 + c)];
                if (!cell.shown) continue;
                RECT rc{gridLeft + c * cellWidth, top, gridLeft + (c + 1) * cellWidth, top + line};
                const monthcal::Selection sel = monthcal::SelectionOf(cell.date, selStart, selEnd);
                COLORREF text = cell.own ? dayText : trailing;
                if (sel != monthcal::Selection::kNone && cell.own) {
                    const COLORREF fill = element_->GetColor(kSelectionFill);
                    win::Brush brush(CreateSolidBrush(fill));
                    win::Pen pen(CreatePen(PS_SOLID, 1, fill));
                    win::SelectGuard useBrush(dc, brush.Get());
                    win::SelectGuard usePen(dc, pen.Get());
                    const int middle = (rc.left + rc.right) / 2;
                    if (sel != monthcal::Selection::kInside)
                        Ellipse(dc, rc.left + 2, rc.top + 2, rc.right - 1, rc.bottom - 1);
                    if (sel == monthcal::Selection::kRangeStart)
                        Fill(dc, {middle, rc.top + 2, rc.right, rc.bottom - 1}, fill);
                    if (sel == monthcal::Selection::kRangeEnd)
                        Fill(dc, {rc.left, rc.top + 2, middle, rc.bottom - 1}, fill);
                    if (sel == monthcal::Selection::kInside)
                        Fill(dc, {rc.left, rc.top + 2, rc.right, rc.bottom - 1}, fill);
                    text = element_->GetColor(kSelectedText);
                }
                if (cell.date == todayDate && !(style & MCS_NOTODAYCIRCLE)) {
                    if (CMrgBitmap* image = element_->GetImage(kTodayMark))
                        draw.DrawSkinImage(&rc, image, FALSE, nullptr);
                    else
                        RedRing(dc, rc);
                }
                SetTextColor(dc, text);
                DrawTextIn(dc, std::to_wstring(cell.date.day), rc, kCellFormat);
            }
        }
        // Title.
        RECT title{box.left, box.top, box.left + minWidth, titleBottom};
        if (CMrgBitmap* image = element_->GetImage(kTitleImage))
            draw.DrawSkinImage(&title, image, FALSE, nullptr);
        else
            Fill(dc, title, names);
        if (titleX_.size() <= m) {
            int found = -1;
            for (int x = box.left; x < box.right; ++x) {
                const UINT hit = HitAt(x, (box.top + titleBottom) / 2);
                if (hit == MCHT_TITLEMONTH || hit == MCHT_TITLEYEAR) {
                    found = x;
                    break;
                }
            }
            titleX_.push_back(found);
        }
        const int textLeft = titleX_[m];
        SYSTEMTIME first = ToSystemTime(months[m]);
        {
            win::SelectGuard useBold(dc, boldFont.Get());
            SetTextColor(dc, element_->GetColor(kTitleText));
            const RECT textBox{textLeft >= 0 ? textLeft : box.left, box.top, box.right, titleBottom};
            DrawTextIn(dc, DateText(first, DATE_YEARMONTH), textBox,
                       textLeft >= 0 ? kLineFormat : kLineFormat | DT_CENTER);
        }
    }
    // Today line.
    if (!(style & MCS_NOTODAY)) {
        const RECT& last = monthBoxes_.back();
        const RECT& first = monthBoxes_[std::size_t(std::min<int>(lastRowStart, int(monthBoxes_.size()) - 1))];
        const int bottom = last.top + boxes.monthHeight + line + 3 - 1;
        RECT row{first.left + 3, bottom - line, client.right, bottom};
        if (!(style & MCS_NOTODAYCIRCLE)) {
            RECT mark{row.left, row.top, row.left + cellWidth, row.bottom};
            if (CMrgBitmap* image = element_->GetImage(kTodayMark))
                draw.DrawSkinImage(&mark, image, FALSE, nullptr);
            else
                RedRing(dc, mark);
            row.left = mark.right + 2;
        }
        SetTextColor(dc, dayText);
        const std::wstring label = TodayLabel();
        const std::wstring date = DateText(today, DATE_SHORTDATE);
        DrawTextIn(dc, label.empty() ? date : label + L" " + date, row, kLineFormat);
    }
    DrawButtons(dc);
}

LRESULT CTWMonthCal::Paint(HDC given) {
    const win::GivenOrPaintDc paint(hWnd_, given);
    const HDC target = paint.Dc();
    if (!target || !element_) return 0;
    RECT client{};
    GetClientRect(hWnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return 0;
    win::MemoryDC memory(target);
    win::Bitmap bitmap(win::CreateScreenBitmap(client.right, client.bottom));
    if (!memory || !bitmap) return 0;
    win::SelectGuard selected(memory.Get(), bitmap.Get());
    DrawFace(memory.Get(), client);
    BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    return 0;
}

LRESULT CTWMonthCal::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_PRINTCLIENT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 1;
    case WM_MOVE:
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); break;
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        break;
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        return r;
    }
    case WM_CONTEXTMENU: SetMenuOwnerWindow(hWnd_); break;
    case WM_LBUTTONDOWN: {
        const UINT hit = HitAt(short(LOWORD(lp)), short(HIWORD(lp)));
        if (hit == MCHT_TITLEMONTH) SetMenuOwnerWindow(hWnd_);
        if (IsWindowEnabled(hWnd_) && hit == MCHT_TITLEBTNPREV) prevPressed_ = TRUE;
        if (IsWindowEnabled(hWnd_) && hit == MCHT_TITLEBTNNEXT) nextPressed_ = TRUE;
        outside_ = false;
        break;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        if (!prevPressed_ && !nextPressed_) break;
        SetRedraw(FALSE);
        const LRESULT r = CTWWnd::WindowProc(msg, wp, lp);
        SetRedraw(TRUE);
        if (msg == WM_MOUSEMOVE) {
            const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
            if (PtInRect(&prevButton_, p)) {
                outside_ = false;
                prevPressed_ = TRUE;
                nextPressed_ = FALSE;
            } else if (PtInRect(&nextButton_, p)) {
                outside_ = false;
                nextPressed_ = TRUE;
                prevPressed_ = FALSE;
            } else {
                outside_ = true;
            }
        } else {
            prevPressed_ = nextPressed_ = FALSE;
            outside_ = false;
        }
        InvalidateRect(hWnd_, nullptr, TRUE);
        return r;
    }
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
