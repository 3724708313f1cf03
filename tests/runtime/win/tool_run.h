#pragma once
// Running the skinshot tool from a test: its path, a temporary file path,
// its exit code and output, and the picture it wrote.

#include <windows.h>

#include <string>

#include "model/platform/types.h"
#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

inline std::wstring TempPath(const wchar_t* name) {
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

inline std::wstring ToolPath() {
    std::string unix = HEXMOOR_SKINSHOT;
    std::wstring path = L"Z:";
    for (char c : unix) path += c == '/' ? L'\\' : wchar_t(c);
    return path;
}

// Runs the tool; returns its exit code and what it printed.
inline DWORD RunTool(const std::wstring& commandLine, std::string* output) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &sa, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(read);
        CloseHandle(write);
        return DWORD(-1);
    }
    CloseHandle(write);
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got) output->append(buffer, got);
    CloseHandle(read);
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return code;
}

inline PixelBuffer ReadPng(const std::wstring& path) {
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return {};
    const int w = int(bitmap.GetWidth()), h = int(bitmap.GetHeight());
    Gdiplus::Rect all(0, 0, w, h);
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return {};
    PixelBuffer out = PixelBuffer::FromBgra(static_cast<const std::uint8_t*>(data.Scan0), w, h, data.Stride);
    bitmap.UnlockBits(&data);
    return out;
}

} // namespace hexmoor::test
