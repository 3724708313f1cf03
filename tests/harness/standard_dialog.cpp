#include "tests/harness/standard_dialog.h"

#include <commctrl.h>
#include <richedit.h>

namespace hexmoor::test {

namespace {
constexpr int kClientWidth = 560;
constexpr int kClientHeight = 400;

struct Placement {
    int x, y, w, h;
};

INT_PTR CALLBACK EmptyDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }
} // namespace

const std::vector<StandardControl>& StandardControls() {
    static const std::vector<StandardControl> controls = {
        {101, L"Button", BS_PUSHBUTTON, 4},
        {102, L"Button", BS_AUTOCHECKBOX, 6},
        {103, L"Button", BS_AUTORADIOBUTTON, 7},
        {104, L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, 39},
        {105, L"Button", BS_GROUPBOX, 8},
        {106, L"Static", SS_LEFT, 21},
        {107, L"Static", SS_ICON, 26},
        {108, L"Edit", ES_LEFT | WS_BORDER, 3},
        {109, L"RichEdit20W", ES_LEFT | WS_BORDER, 46},
        {110, L"ComboBox", CBS_DROPDOWNLIST, 13},
        {111, L"ListBox", LBS_NOTIFY | WS_BORDER, 14},
        {112, L"ScrollBar", SBS_HORZ, 5},
        {113, L"ScrollBar", SBS_SIZEGRIP, 27},
        {114, L"msctls_trackbar32", 0, 9},
        {115, L"SysTabControl32", 0, 10},
        {116, L"ToolbarWindow32", CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 11},
        {117, L"msctls_statusbar32", CCS_NOPARENTALIGN | CCS_NORESIZE, 12},
        {118, L"msctls_progress32", 0, 18},
        {119, L"msctls_updown32", 0, 17},
        {120, L"SysTreeView32", WS_BORDER, 19},
        {121, L"SysListView32", LVS_REPORT | WS_BORDER, 15},
        {122, L"SysHeader32", 0, 20},
        {123, L"SysDateTimePick32", 0, 22},
        {124, L"SysMonthCal32", 0, 38},
    };
    return controls;
}

HWND CreateStandardDialog(HWND owner) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                             ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                             ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    LoadLibraryW(L"riched20.dll");

    // An empty dialog template: style, no controls, a caption.
    struct alignas(4) {
        DLGTEMPLATE header;
        WORD menu, windowClass;
        wchar_t title[16];
    } tmpl{};
    tmpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    tmpl.header.cx = 100;
    tmpl.header.cy = 100;
    wcscpy(tmpl.title, L"Hexmoor sample");
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tmpl.header, owner, &EmptyDialogProc, 0);
    if (!dialog) return nullptr;
    RECT r{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);

    // Two columns of controls on the left and middle; the lower right stays free.
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int index = 0;
    for (const StandardControl& c : StandardControls()) {
        Placement p{};
        if (c.id == 124) {
            p = {300, 10, 250, 180};
        } else if (c.id == 120 || c.id == 121) {
            p = {300, 200 + (c.id - 120) * 50, 130, 45};
        } else {
            const int column = index % 2, row = index / 2;
            p = {10 + column * 145, 10 + row * 34, 135, 28};
            ++index;
        }
        const wchar_t* text = c.style == SS_ICON ? L"" : L"Sample";
        HWND control =
            CreateWindowExW(0, c.className, text, WS_CHILD | WS_VISIBLE | c.style, p.x, p.y, p.w, p.h, dialog,
                            reinterpret_cast<HMENU>(INT_PTR(c.id)), GetModuleHandleW(nullptr), nullptr);
        if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (control && c.id == 107) SendMessageW(control, STM_SETICON, WPARAM(LoadIconW(nullptr, IDI_APPLICATION)), 0);
    }
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    UpdateWindow(dialog);
    return dialog;
}

RECT FreeClientArea(HWND) { return {445, 310, kClientWidth, kClientHeight}; }

} // namespace hexmoor::test
