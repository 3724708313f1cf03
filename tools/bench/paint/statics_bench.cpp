#include "tools/bench/paint/statics_bench.h"

#include <windows.h>
#include <commctrl.h>

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace hexmoor::bench {

namespace {

HWND StaticHost(int x) {
    HWND host = CreateHost(x, 0);
    for (int i = 0; i < 4; ++i)
        Child(host, L"BUTTON", L"Group", BS_GROUPBOX, 10 + (i % 2) * 230, 10 + (i / 2) * 120, 220, 110);
    for (int i = 0; i < 12; ++i)
        Child(host, L"STATIC", L"Static text", SS_LEFT, 20 + (i % 2) * 230, 30 + (i / 2) * 35, 150, 18);
    for (int i = 0; i < 4; ++i) Child(host, L"STATIC", L"", SS_ETCHEDHORZ, 20 + i * 110, 260, 100, 2);
    for (int i = 0; i < 4; ++i) Child(host, L"STATIC", L"", SS_ETCHEDVERT, 20 + i * 110, 280, 2, 60);
    return host;
}

HWND RangeHost(int x) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    HWND host = CreateHost(x, 0);
    for (int i = 0; i < 4; ++i) {
        HWND slider =
            Child(host, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE, 10, 10 + i * 40, 220, 30);
        SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendMessageW(slider, TBM_SETSEL, FALSE, MAKELPARAM(10, 40));
        SendMessageW(slider, TBM_SETPOS, TRUE, 25 * i);
    }
    for (int i = 0; i < 8; ++i) Child(host, UPDOWN_CLASSW, L"", i % 2 ? UDS_HORZ : 0, 250 + i * 25, 10, 20, 34);
    for (int i = 0; i < 6; ++i) {
        HWND bar = Child(host, PROGRESS_CLASSW, L"", 0, 250, 60 + i * 30, 200, 18);
        SendMessageW(bar, PBM_SETRANGE32, 0, 100);
        SendMessageW(bar, PBM_SETPOS, 15 * i, 0);
    }
    return host;
}

} // namespace

void AddStaticAndRangeImages() {
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    for (int id = 157; id <= 162; ++id) skin.Element(8)->SetColor(WORD(id), RGB(40, id, 90));
    for (int id : {494, 495}) skin.Element(21)->SetColor(WORD(id), RGB(20, 30, id - 400));
    for (int id = 170; id <= 209; ++id) skin.SolidImage(9, WORD(id), RGB(70, id, 30), 12, 12, {3, 3, 3, 3, 1, 1});
    for (int id = 258; id <= 285; ++id) skin.SolidImage(17, WORD(id), RGB(150, id - 150, 60));
    for (int id : {287, 288, 298, 299})
        skin.SolidImage(18, WORD(id), RGB(id - 200, 40, 170), 12, 12, {3, 3, 3, 3, 1, 1});
}

void BenchStatics(int iterations) { CompareRepaints("static", &StaticHost, iterations, true); }
void BenchRanges(int iterations) { CompareRepaints("range", &RangeHost, iterations, true); }

} // namespace hexmoor::bench
