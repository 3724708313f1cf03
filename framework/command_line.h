#pragma once
// The editor's command line: an optional file to open. Arguments that begin
// with '/' or '-' are switches and are skipped; the first other argument is
// the file.

#include <string>
#include <vector>

namespace hexmoor::fw {

struct CommandLine {
    std::wstring fileName;
};

// args excludes the program name.
CommandLine ParseCommandLine(const std::vector<std::wstring>& args);

#ifdef _WIN32
// The arguments of the running process, without the program name.
std::vector<std::wstring> ProcessArguments();
#endif

} // namespace hexmoor::fw
