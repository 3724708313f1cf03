#include "runtime/window_helpers.h"

#include <map>
#include <mutex>

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "runtime/logic/align.h"

namespace hexmoor::rt {

BOOL HasCaptionOrFrame(HWND hwnd) {
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    return ((style & WS_CAPTION) == WS_CAPTION) || (style & WS_DLGFRAME) || (style & WS_THICKFRAME);
}

BOOL IsLayoutRTL(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? TRUE : FALSE; }

BOOL IsCommonDialogWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    const HMODULE comdlg = GetModuleHandleW(L"comdlg32.dll");
    return comdlg && reinterpret_cast<HMODULE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)) == comdlg;
}

SIZE GetIconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
    // GetIconInfo hands the caller copies of both bitmaps.
    const hexmoor::win::Bitmap color(info.hbmColor), mask(info.hbmMask);
    SIZE size{0, 0};
    BITMAP bm{};
    if (color && GetObjectW(color.Get(), sizeof bm, &bm)) size = {bm.bmWidth, bm.bmHeight};
    return size;
}

UINT RestoreShowCommand(UINT placementFlags, UINT placementShowCommand) {
    // A window that restores to maximised is maximised by a restore, unless
    // it is maximised already: then the restore toggles it back.
    if (placementFlags != WPF_RESTORETOMAXIMIZED) return SW_RESTORE;
    return placementShowCommand == SW_MAXIMIZE ? SW_RESTORE : SW_MAXIMIZE;
}

void ShowWindowByPlacement(HWND hwnd, int showCommand) {
    if (showCommand == SW_MAXIMIZE || showCommand == SW_RESTORE) {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd, &wp);
        if (showCommand == SW_MAXIMIZE) {
            wp.showCmd = SW_MAXIMIZE;
        } else {
            wp.ptMaxPosition = {-GetSystemMetrics(SM_CXFRAME), -GetSystemMetrics(SM_CYFRAME)};
            wp.showCmd = RestoreShowCommand(wp.flags, wp.showCmd);
        }
        SetWindowPlacement(hwnd, &wp);
    } else {
        ShowWindow(hwnd, showCommand);
        if (showCommand == SW_HIDE) return;
    }
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
}

HFONT WindowFont(HWND hwnd) { return reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)); }

HFONT FontOrDefault(HFONT font) { return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

LOGFONTW LogFontOrDefault(HFONT font) {
    LOGFONTW lf{};
    if (!GetObjectW(FontOrDefault(font), sizeof lf, &lf)) GetObjectW(FontOrDefault(nullptr), sizeof lf, &lf);
    return lf;
}

HFONT WindowFontOrDefault(HWND hwnd) { return FontOrDefault(WindowFont(hwnd)); }

HFONT WindowFontOrSystem(HWND hwnd) {
    const HFONT font = WindowFont(hwnd);
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

hexmoor::win::Font CreateSystemMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    return hexmoor::win::Font(CreateFontIndirectW(&metrics.lfMenuFont));
}

namespace {
// Class-style bits the runtime set, by class atom. Several GUI threads skin
// windows, so every read-modify-write of the table and the class style
// happens under one lock.
struct AddedClassBits {
    std::mutex lock;
    std::map<ULONG_PTR, DWORD> bits;
};
AddedClassBits& ClassBits() {
    static AddedClassBits table;
    return table;
}
} // namespace

void SetWindowClassStyle(HWND hwnd, DWORD bits, bool on) {
    AddedClassBits& table = ClassBits();
    const std::lock_guard<std::mutex> guard(table.lock);
    const ULONG_PTR atom = GetClassLongPtrW(hwnd, GCW_ATOM);
    const DWORD style = DWORD(GetClassLongPtrW(hwnd, GCL_STYLE));
    DWORD& added = table.bits[atom];
    if (on) {
        const DWORD missing = bits & ~style;
        if (missing) {
            SetClassLongPtrW(hwnd, GCL_STYLE, LONG_PTR(style | missing));
            added |= missing;
        }
    } else {
        const DWORD ours = bits & added & style;
        if (ours) SetClassLongPtrW(hwnd, GCL_STYLE, LONG_PTR(style & ~ours));
        added &= ~(bits & added);
    }
}

} // namespace hexmoor::rt

namespace rt = hexmoor::rt;

RECT* CenterSizeInRect(RECT* out, int left, int top, int right, int bottom, int cx, int cy) {
    const hexmoor::Rect r = rt::CenterSizeInRect({left, top, right, bottom}, cx, cy);
    *out = hexmoor::ToRECT(r);
    return out;
}

RECT CenteredRect(RECT* out, int left, int top, int right, int bottom, int cx, int cy) {
    return *CenterSizeInRect(out, left, top, right, bottom, cx, cy);
}

RECT CenteredRect(RECT* out, const RECT& rect, int cx, int cy) {
    return CenteredRect(out, rect.left, rect.top, rect.right, rect.bottom, cx, cy);
}

int MapLinear(int x0, int y0, int x1, int y1, double x) { return rt::MapLinear(x0, y0, x1, y1, x); }

POINT GetRectCenter(const RECT* rect) {
    const hexmoor::Point p = rt::GetRectCenter({rect->left, rect->top, rect->right, rect->bottom});
    return {p.x, p.y};
}

int GetCornerHitCode(int left, int top, int right, int bottom, int x, int y) {
    return rt::GetCornerHitCode({left, top, right, bottom}, x, y);
}

RECT AlignRectInBox(int left, int top, int right, int bottom, const RECT& r, unsigned code) {
    return hexmoor::ToRECT(rt::AlignRectInBox({left, top, right, bottom}, hexmoor::FromRECT(r), code));
}
