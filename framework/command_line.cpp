#include "framework/command_line.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace hexmoor::fw {

CommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
    CommandLine result;
    for (const std::wstring& a : args) {
        if (a.empty()) continue;
        if (a[0] == L'/' || a[0] == L'-') continue;
        if (result.fileName.empty()) result.fileName = a;
    }
    return result;
}

#ifdef _WIN32
std::vector<std::wstring> ProcessArguments() {
    std::vector<std::wstring> out;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return out;
    for (int i = 1; i < argc; ++i) out.emplace_back(argv[i]);
    LocalFree(argv);
    return out;
}
#endif

} // namespace hexmoor::fw
