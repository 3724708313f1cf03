#include "tools/bench/paint/tabs_bench.h"

#include <windows.h>
#include <commctrl.h>

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace hexmoor::bench {

namespace {

HWND TabHost(int x) {
    HWND host = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, x, 0, 480, 360, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!host) return nullptr;
    for (int i = 0; i < 4; ++i) {
        const bool vertical = i >= 2;
        const DWORD style = vertical ? TCS_VERTICAL | TCS_MULTILINE : 0;
        HWND tab =
            CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | style, vertical ? 10 + (i - 2) * 110 : 240,
                            vertical ? 10 : 10 + i * 170, vertical ? 100 : 230, vertical ? 330 : 160, host, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        wchar_t text[16];
        for (int t = 0; t < 5; ++t) {
            wsprintfW(text, L"Page %d", t + 1);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            SendMessageW(tab, TCM_INSERTITEMW, WPARAM(t), reinterpret_cast<LPARAM>(&item));
        }
    }
    return host;
}

} // namespace

void AddTabImages() {
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    for (int id : {218, 219, 221, 223, 225, 227, 238, 239, 241, 243, 245, 247})
        skin.SolidImage(10, WORD(id), RGB(70, id - 150, 160), 16, 16, {4, 4, 4, 4, 1, 1});
    for (int id : {220, 222, 224, 226, 228, 240, 242, 244, 246, 248})
        skin.Element(10)->SetColor(WORD(id), RGB(0, 0, 0));
}

void BenchTabs(int iterations) { CompareRepaints("tab", &TabHost, iterations); }

} // namespace hexmoor::bench
