#include "tools/bench/paint/edits_bench.h"

#include <string>

#include "model/elements/combo_box.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace hexmoor::bench {

namespace {

void AddEditImages() {
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    skin.SolidImage(3, 10, RGB(230, 230, 210), 16, 16, {4, 4, 4, 4, 1, 1});
    skin.SolidImage(3, 11, RGB(200, 200, 190), 16, 16, {4, 4, 4, 4, 1, 1});
    CTwfObj* edit = skin.Element(3);
    for (WORD id : {17, 18, 19, 20}) edit->SetNumber(id, 3);
    edit->SetColor(13, RGB(20, 20, 60));
    edit->SetColor(14, RGB(40, 80, 160));
    edit->SetColor(16, RGB(255, 255, 255));
    for (WORD id : {341, 342, 343, 344}) skin.SolidImage(13, id, RGB(90, 110, id - 200), 16, 16, {3, 3, 3, 3, 1, 1});
    for (WORD id : {346, 348, 351}) skin.SolidImage(13, id, RGB(220, 220, id - 200), 16, 16, {3, 3, 3, 3, 1, 1});
    CTwfObj* combo = skin.Element(13);
    combo->SetColor(347, RGB(20, 20, 60));
    for (WORD id : {658, 660}) combo->SetNumber(id, 2);
    if (auto* c = dynamic_cast<CTwfComboBox*>(combo)) c->SetArrowWidth(18);
}

HWND EditHost(int x) {
    HWND host = CreateHost(x, 0);
    std::wstring text;
    for (int i = 1; i <= 40; ++i) text += L"Line " + std::to_wstring(i) + L" of the benchmark's multi-line edit\r\n";
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL, 10,
                                10, 440, 320, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_SETSEL, 30, 400);
    return host;
}

HWND ComboHost(int x) {
    HWND host = CreateHost(x, 0);
    const DWORD styles[] = {CBS_DROPDOWNLIST, CBS_DROPDOWN, CBS_SIMPLE};
    for (int i = 0; i < 3; ++i) {
        HWND combo = Child(host, L"COMBOBOX", L"", styles[i] | WS_VSCROLL, 10 + i * 150, 10, 140,
                           styles[i] == CBS_SIMPLE ? 150 : 200);
        for (const wchar_t* item : {L"First", L"Second", L"Third", L"Fourth"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(combo, CB_SETCURSEL, 1, 0);
    }
    return host;
}

} // namespace

void BenchEditsAndCombos(int iterations) {
    AddEditImages();
    // The controls only: the dialog around them is timed by its own line.
    CompareRepaints("edit", &EditHost, iterations, true);
    CompareRepaints("combo", &ComboHost, iterations, true);
}

} // namespace hexmoor::bench
