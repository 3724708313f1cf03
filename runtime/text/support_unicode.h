#pragma once
// Reads and writes window and control texts in the form that fits the
// window: the wide (W) calls for Unicode windows or when the skinned object
// forces them (CTWWnd::Unicode), the ANSI (A) calls otherwise. Every text
// comes back wide.

#include <windows.h>

#include "runtime/text/unicode_string.h"

class CSupportUnicode {
public:
    explicit CSupportUnicode(HWND hwnd, bool forceWide = false);

    bool UsesWide() const { return wide_; }

    size_t GetWindowTextAW(CUnicodeString& out) const;
    CUnicodeString GetText() const;
    CUnicodeString GetHeaderItemText(int index) const;
    CUnicodeString GetTabItemText(int index) const;
    CUnicodeString GetEditLine(int line, int charIndex) const;
    CUnicodeString GetMenuString(HMENU menu, UINT item, UINT flags) const;
    CUnicodeString GetListBoxText(int index) const;
    CUnicodeString GetComboItemText(int index) const;
    CUnicodeString GetListViewItemText(int item, int subItem) const;
    CUnicodeString GetStatusText(int pane, int* type) const;
    CUnicodeString GetToolBarButtonText(int commandId) const;
    SIZE GetTextExtent(HDC dc, const CUnicodeString& text) const;
    int GetTextHeight(HDC dc) const;
    int DrawUnicodeText(HDC dc, const CUnicodeString& text, int count, RECT* rect, UINT format) const;
    // DrawTextW or DrawTextA by the window's form; text of the other form is
    // converted first. count is in characters of the given text (-1: up to
    // its terminating zero).
    int DrawTextAW(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format) const;
    int DrawTextAW(HDC dc, const char* text, int count, RECT* rect, UINT format) const;
    BOOL ExtTextOutAW(HDC dc, int x, int y, UINT options, const RECT* rect, const CUnicodeString& text,
                      const int* dx) const;
    LONG_PTR SetWindowLongAW(int index, LONG_PTR value) const;
    LONG_PTR GetWindowLongAW(int index) const;

private:
    HWND hwnd_;
    bool wide_;
};

// The icon-title font in bold; the caller deletes it.
HFONT CreateMenuFont();

// The window that last handled a menu-opening message (popup-menu skin).
// One for the process: the popup painter may run on another thread.
void SetMenuOwnerWindow(HWND hwnd);
HWND GetMenuOwnerWindow();

// True when index names an item of the menu: 0 <= index < its item count
// (false for a menu that is not there).
bool IsMenuItemIndexValid(HMENU menu, int index);

// String-pointer checks: a text the runtime may read. Only a null pointer
// is refused; a pointer is never probed by reading through it.
inline bool IsStringPointerValid(const char* text) { return text != nullptr; }
inline bool IsStringPointerValid(const wchar_t* text) { return text != nullptr; }
