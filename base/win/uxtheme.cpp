#include "base/win/uxtheme.h"

SetWindowThemeFn g_pfnSetWindowTheme = nullptr;
GetThemeSysSizeFn g_pfnGetThemeSysSize = nullptr;

namespace {
HMODULE g_uxtheme = nullptr;
int g_references = 0;
} // namespace

BOOL LoadUxTheme() {
    if (!g_uxtheme) g_uxtheme = ::LoadLibraryW(L"UxTheme.dll");
    if (!g_uxtheme) return FALSE;
    ++g_references;
    g_pfnSetWindowTheme =
        reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(::GetProcAddress(g_uxtheme, "SetWindowTheme")));
    g_pfnGetThemeSysSize =
        reinterpret_cast<GetThemeSysSizeFn>(reinterpret_cast<void*>(::GetProcAddress(g_uxtheme, "GetThemeSysSize")));
    return TRUE;
}

BOOL UnloadUxTheme() {
    if (g_references > 1) {
        --g_references;
        return TRUE;
    }
    g_references = 0;
    g_pfnSetWindowTheme = nullptr;
    g_pfnGetThemeSysSize = nullptr;
    if (g_uxtheme) {
        ::FreeLibrary(g_uxtheme);
        g_uxtheme = nullptr;
    }
    return TRUE;
}

HRESULT DisableWindowTheme(HWND window) { return g_pfnSetWindowTheme ? g_pfnSetWindowTheme(window, L"", L"") : 0; }

void RestoreWindowTheme(HWND window) {
    if (g_pfnSetWindowTheme) g_pfnSetWindowTheme(window, nullptr, nullptr);
}

int GetThemeSysSizeSafe(HTHEME theme, int sizeId) {
    return g_pfnGetThemeSysSize ? g_pfnGetThemeSysSize(theme, sizeId) : 0;
}
