// Run-time binding of the two visual-style functions the runtime needs, so
// that the program still starts where UxTheme.dll is missing (Windows only).
// The binding is reference-counted: the editor and the runtime each load it
// and unload it once, and the library stays bound until the last holder lets
// go, so a runtime stopping after its host still restores window themes.
#pragma once

#include <windows.h>
#include <uxtheme.h>

using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
using GetThemeSysSizeFn = int(WINAPI*)(HTHEME, int);

// Null until LoadUxTheme has run, and again after the last UnloadUxTheme.
extern SetWindowThemeFn g_pfnSetWindowTheme;
extern GetThemeSysSizeFn g_pfnGetThemeSysSize;

// Takes one reference; FALSE (and no reference) when the library is missing.
BOOL LoadUxTheme();
// Drops one reference; the last one clears the pointers and frees the
// library. TRUE always (an unload without a load does nothing).
BOOL UnloadUxTheme();
// SetWindowTheme(window, L"", L""): the skin alone draws the window. 0 when
// the function is not loaded.
HRESULT DisableWindowTheme(HWND window);
// SetWindowTheme(window, null, null) when loaded.
void RestoreWindowTheme(HWND window);
int GetThemeSysSizeSafe(HTHEME theme, int sizeId);
