#pragma once
// Writes what a window shows (client and non-client area) to a PNG file.

#include <windows.h>

#include <string>

// True when the window was read back and the file written.
bool WriteWindowPng(HWND hwnd, const std::wstring& path);
