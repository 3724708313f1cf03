// Start-up time of the editor against the system's Notepad: each program is
// started in turn, RUNS times, and timed from CreateProcess until it is idle
// for input (WaitForInputIdle) and its main window is visible; it is closed
// again before the next start. Prints each run, the medians, and as the last
// line "ratio start-to-notepad X.XX" (the editor's median over Notepad's).
//
//   startup_bench [HEXMOOR.EXE] [RUNS]    RUNS defaults to 7
//
// Without a path the editor is looked for beside this program and where the
// build tree puts it (..\..\..\editor\hexmoor.exe from tools\bench\startup).
// One unrecorded start of each comes first, so that neither pays for a cold
// file cache or for Wine's first start of a program.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ModuleDirectory() {
    wchar_t path[MAX_PATH]{};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    auto slash = dir.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : dir.substr(0, slash);
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH]{};
    DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return n && n < MAX_PATH ? std::wstring(full, n) : path;
}

std::wstring FindEditor() {
    const std::wstring dir = ModuleDirectory();
    for (const wchar_t* rel : {L"\\hexmoor.exe", L"\\..\\..\\..\\editor\\hexmoor.exe"}) {
        std::wstring candidate = FullPath(dir + rel);
        if (FileExists(candidate)) return candidate;
    }
    return {};
}

std::wstring FindNotepad() {
    wchar_t dir[MAX_PATH]{};
    UINT n = GetSystemDirectoryW(dir, MAX_PATH);
    std::wstring path = std::wstring(dir, n) + L"\\notepad.exe";
    if (FileExists(path)) return path;
    n = GetWindowsDirectoryW(dir, MAX_PATH);
    path = std::wstring(dir, n) + L"\\notepad.exe";
    return FileExists(path) ? path : std::wstring{};
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// The main window: a visible top-level window of the process that has no
// owner and is not a dialog (the editor's start dialog is one).
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->processId || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
    wchar_t cls[64]{};
    GetClassNameW(hwnd, cls, 64);
    if (std::wcscmp(cls, L"#32770") == 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND MainWindowOf(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CloseWindowOf(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == static_cast<DWORD>(param) && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER))
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Starts the program, waits until it is idle and its main window shows,
// closes it and returns the time to the window in milliseconds; a negative
// value when it did not start or show a window in time.
double TimeOneStart(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return -1;
    }
    double result = -1;
    const DWORD idle = WaitForInputIdle(pi.hProcess, kStartTimeoutMs);
    HWND main = nullptr;
    for (;;) {
        main = MainWindowOf(pi.dwProcessId);
        QueryPerformanceCounter(&shown);
        if (main || Milliseconds(start, shown) > kStartTimeoutMs) break;
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    if (idle == 0 && main)
        result = Milliseconds(start, shown);
    else
        std::fwprintf(stderr, L"%ls: %ls\n", program.c_str(),
                      idle != 0 ? L"did not become idle for input" : L"showed no main window");

    // Close every top-level window (the editor's start dialog too); a program
    // that does not end in time is stopped.
    EnumWindows(CloseWindowOf, static_cast<LPARAM>(pi.dwProcessId));
    if (WaitForSingleObject(pi.hProcess, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"%ls did not close; stopped\n", program.c_str());
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, kCloseTimeoutMs);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring editor;
    int runs = 7;
    for (int i = 1; i < argc; ++i) {
        wchar_t* end = nullptr;
        long n = std::wcstol(argv[i], &end, 10);
        if (end && *end == 0 && n > 0 && n <= 1000)
            runs = int(n);
        else
            editor = FullPath(argv[i]);
    }
    if (editor.empty()) editor = FindEditor();
    if (editor.empty() || !FileExists(editor)) {
        std::fwprintf(stderr, L"usage: startup_bench [HEXMOOR.EXE] [RUNS]\nhexmoor.exe not found%ls%ls\n",
                      editor.empty() ? L"" : L": ", editor.c_str());
        return 64;
    }
    const std::wstring notepad = FindNotepad();
    if (notepad.empty()) {
        std::fwprintf(stderr, L"notepad.exe not found in the system folders\n");
        return 1;
    }
    std::wprintf(L"hexmoor %ls\nnotepad %ls\nruns %d each\n", editor.c_str(), notepad.c_str(), runs);

    if (TimeOneStart(editor) < 0 || TimeOneStart(notepad) < 0) return 1;
    std::vector<double> editorTimes, notepadTimes;
    for (int run = 0; run < runs; ++run) {
        double e = TimeOneStart(editor);
        double n = TimeOneStart(notepad);
        if (e < 0 || n < 0) return 1;
        editorTimes.push_back(e);
        notepadTimes.push_back(n);
        std::wprintf(L"run %d hexmoor %.0f ms notepad %.0f ms\n", run + 1, e, n);
    }
    const double editorMedian = Median(editorTimes), notepadMedian = Median(notepadTimes);
    std::wprintf(L"median hexmoor %.0f ms\nmedian notepad %.0f ms\n", editorMedian, notepadMedian);
    std::wprintf(L"ratio start-to-notepad %.2f\n", editorMedian / notepadMedian);
    return 0;
}
