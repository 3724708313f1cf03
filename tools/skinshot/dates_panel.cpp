#include "tools/skinshot/dates_panel.h"

#include <commctrl.h>

#include <string>

#include "runtime/controls/month_cal.h"
#include "runtime/wnd/object_registry.h"
#include "tools/skinshot/panel_kit.h"

namespace skinshot {

namespace {

constexpr int kPanelWidth = 820;
constexpr int kPanelHeight = 520;
constexpr int kPickerW = 180, kPickerH = 24;

SYSTEMTIME Date(WORD year, WORD month, WORD day) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = 10;
    return t;
}

void SetDate(HWND picker, bool none) {
    SYSTEMTIME t = Date(2026, 6, 15);
    SendMessageW(picker, DTM_SETSYSTEMTIME, none ? GDT_NONE : GDT_VALID, reinterpret_cast<LPARAM>(&t));
}

void SetupCalendar(HWND calendar, bool range) {
    SYSTEMTIME today = Date(2026, 6, 10);
    SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
    if (range) {
        SYSTEMTIME days[2] = {Date(2026, 6, 15), Date(2026, 6, 19)};
        SendMessageW(calendar, MCM_SETSELRANGE, 0, reinterpret_cast<LPARAM>(days));
    } else {
        SYSTEMTIME day = Date(2026, 6, 15);
        SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    }
}

// The middle of the previous button as the skinned calendar found it, or
// as the control's hit testing finds it along the title.
POINT PrevButtonPoint(HWND calendar) {
    if (auto* object = dynamic_cast<CTWMonthCal*>(GetSkinnedWindowObject(calendar))) {
        const RECT r = object->GetPrevButton();
        if (r.right > r.left) return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            MCHITTESTINFO info{};
            info.cbSize = MCHITTESTINFO_V1_SIZE;
            info.pt = {x, y};
            SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
            if (info.uHit == MCHT_TITLEBTNPREV) return {x + 3, y + 3};
        }
    return {10, 10};
}

} // namespace

Panel MakeDatesPanel(bool skinned) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    PanelHost panel(kPanelWidth, kPanelHeight);
    if (!panel.Host()) return {};
    std::vector<ItemShot> specs;
    int id = 6100;
    const auto disable = [](HWND wnd) { EnableWindow(wnd, FALSE); };

    struct PickerCase {
        const char* state;
        DWORD style;
    } pickers[] = {{"normal", 0},          {"focused", 0}, {"disabled", 0},       {"shownone", DTS_SHOWNONE},
                   {"none", DTS_SHOWNONE}, {"pressed", 0}, {"updown", DTS_UPDOWN}};
    for (const PickerCase& c : pickers) {
        const std::string st = c.state;
        const POINT p = panel.Place(kPickerW, kPickerH);
        ItemShot s{22, c.state};
        s.window = panel.Child(DATETIMEPICK_CLASSW, L"", c.style, p.x, p.y, kPickerW, kPickerH, ++id);
        if (!s.window) return {};
        SendMessageW(s.window, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"dd'.'MM'.'yyyy"));
        SetDate(s.window, st == "none");
        if (st == "focused") {
            s.show = [](HWND wnd) { SetFocus(wnd); };
        } else if (st == "disabled") {
            s.persistent = disable;
        } else if (st == "pressed") {
            s.show = [](HWND wnd) {
                RECT r{};
                GetClientRect(wnd, &r);
                Press(wnd, r.right - 4, r.bottom / 2);
                PumpAll();
            };
            s.undo = [](HWND wnd) {
                ReleaseOutside(wnd);
                SendMessageW(wnd, DTM_CLOSEMONTHCAL, 0, 0);
                PumpAll();
            };
        }
        specs.push_back(std::move(s));
    }
    panel.NewRow();

    RECT minimal{};
    {
        HWND probe = panel.Child(MONTHCAL_CLASSW, L"", 0, 0, 0, 10, 10);
        SendMessageW(probe, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimal));
        DestroyWindow(probe);
    }
    const int calW = std::max<int>(minimal.right, 150), calH = std::max<int>(minimal.bottom, 140);
    struct CalendarCase {
        const char* state;
        DWORD style;
    } calendars[] = {{"normal", 0},
                     {"weeknumbers", MCS_WEEKNUMBERS},
                     {"prev-pressed", 0},
                     {"disabled", 0},
                     {"range", MCS_MULTISELECT}};
    for (const CalendarCase& c : calendars) {
        const std::string st = c.state;
        RECT size = minimal;
        if (c.style & MCS_WEEKNUMBERS) {
            HWND probe = panel.Child(MONTHCAL_CLASSW, L"", c.style, 0, 0, 10, 10);
            SendMessageW(probe, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
            DestroyWindow(probe);
        }
        const int w = std::max<int>(size.right, calW), h = std::max<int>(size.bottom, calH);
        const POINT p = panel.Place(w, h);
        ItemShot s{38, c.state};
        s.window = panel.Child(MONTHCAL_CLASSW, L"", c.style, p.x, p.y, w, h, ++id);
        if (!s.window) return {};
        SetupCalendar(s.window, st == "range");
        if (st == "disabled") {
            s.persistent = disable;
        } else if (st == "prev-pressed") {
            s.show = [](HWND wnd) {
                const POINT at = PrevButtonPoint(wnd);
                // The control moves on a month at the press; it is brought
                // back to June by the release outside the button.
                Press(wnd, at.x, at.y);
            };
            s.undo = [](HWND wnd) {
                ReleaseOutside(wnd);
                SetupCalendar(wnd, false);
            };
        }
        specs.push_back(std::move(s));
    }
    // The picker whose drop-down is shown: its calendar is a popup of its
    // own, taken into the cell kept free beside it.
    const POINT pickerAt = panel.Place(kPickerW, kPickerH + calH + 4);
    HWND dropPicker = panel.Child(DATETIMEPICK_CLASSW, L"", 0, pickerAt.x, pickerAt.y, kPickerW, kPickerH, ++id);
    if (!dropPicker) return {};
    SetDate(dropPicker, false);

    Panel result = TakePanel(panel, specs, skinned);
    if (!result.picture) return result;
    RECT client{};
    GetClientRect(dropPicker, &client);
    Press(dropPicker, client.right - 4, client.bottom / 2);
    SendMessageW(dropPicker, WM_LBUTTONUP, 0, At(client.right - 4, client.bottom / 2));
    ReleaseCapture();
    PumpAll();
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(dropPicker, DTM_GETMONTHCAL, 0, 0));
    if (calendar && IsWindowVisible(calendar)) {
        RedrawWindow(calendar, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
        PumpAll();
        RECT cr{};
        GetWindowRect(calendar, &cr);
        const int w = std::min<int>(cr.right - cr.left, kPanelWidth - pickerAt.x);
        const int h = std::min<int>(cr.bottom - cr.top, kPanelHeight - pickerAt.y - kPickerH - 4);
        const RECT at{pickerAt.x, pickerAt.y + kPickerH + 4, pickerAt.x + w, pickerAt.y + kPickerH + 4 + h};
        {
            hexmoor::win::MemoryDC memory(nullptr);
            hexmoor::win::SelectGuard select(memory.Get(), result.picture.Get());
            hexmoor::win::WindowDC source(calendar, true);
            BitBlt(memory.Get(), at.left, at.top, w, h, source.Get(), 0, 0, SRCCOPY);
        }
        result.items.push_back({38, "dropdown", at});
        SendMessageW(dropPicker, DTM_CLOSEMONTHCAL, 0, 0);
        PumpAll();
    }
    GdiFlush();
    return result;
}

} // namespace skinshot
