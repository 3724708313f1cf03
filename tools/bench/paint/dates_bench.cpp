#include "tools/bench/paint/dates_bench.h"

#include <windows.h>
#include <commctrl.h>

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace hexmoor::bench {

namespace {

HWND DatesHost(int x) {
    HWND host = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, x, 0, 520, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!host) return nullptr;
    HWND calendar = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_CHILD | WS_VISIBLE, 8, 8, 10, 10, host, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    RECT minimal{};
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&minimal));
    SetWindowPos(calendar, nullptr, 0, 0, 2 * minimal.right + 12, minimal.bottom, SWP_NOMOVE | SWP_NOZORDER);
    const int y = 16 + minimal.bottom;
    CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE, 8, y, 200, 24, host, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, 216, y, 200, 24, host, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    return host;
}

} // namespace

void BenchDates(int iterations) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    skin.SolidImage(22, 405, RGB(236, 236, 244), 16, 16, {3, 3, 3, 3, 1, 1});
    skin.SolidImage(22, 409, RGB(40, 80, 160), 12, 12);
    skin.SolidImage(22, 413, RGB(200, 200, 214), 12, 12);
    CTwfObj* picker = skin.Element(22);
    picker->SetColor(406, RGB(20, 20, 20));
    picker->SetColor(416, RGB(40, 80, 160));
    picker->SetColor(417, RGB(255, 255, 255));
    for (WORD id = 678; id <= 681; ++id) picker->SetNumber(id, 2);
    skin.SolidImage(38, 630, RGB(244, 244, 248), 16, 16);
    skin.SolidImage(38, 637, RGB(60, 90, 170), 16, 16);
    skin.SolidImage(38, 639, RGB(250, 250, 252), 16, 16);
    skin.SolidImage(38, 631, RGB(200, 200, 214), 12, 12);
    skin.SolidImage(38, 634, RGB(200, 200, 214), 12, 12);
    CTwfObj* calendar = skin.Element(38);
    calendar->SetColor(640, RGB(40, 80, 160));
    calendar->SetColor(641, RGB(255, 255, 255));
    calendar->SetColor(642, RGB(20, 20, 20));
    calendar->SetColor(643, RGB(255, 255, 255));
    calendar->SetColor(644, RGB(150, 150, 160));
    calendar->SetColor(645, RGB(60, 90, 170));
    CompareRepaints("calendar", &DatesHost, iterations);
}

} // namespace hexmoor::bench
