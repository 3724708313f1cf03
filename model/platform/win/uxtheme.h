// Run-time binding of the two visual-style functions the runtime needs, so
// that the program still starts where UxTheme.dll is missing (Windows only).
#pragma once

#include <windows.h>
#include <uxtheme.h>

using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
using GetThemeSysSizeFn = int(WINAPI*)(HTHEME, int);

// Null until LoadUxTheme has run, and again after UnloadUxTheme.
extern SetWindowThemeFn g_pfnSetWindowTheme;
extern GetThemeSysSizeFn g_pfnGetThemeSysSize;

BOOL LoadUxTheme();
BOOL UnloadUxTheme();
// SetWindowTheme(window, L"", L""): the skin alone draws the window. 0 when
// the function is not loaded.
HRESULT DisableWindowTheme(HWND window);
// SetWindowTheme(window, null, null) when loaded.
void RestoreWindowTheme(HWND window);
int GetThemeSysSizeSafe(HTHEME theme, int sizeId);
