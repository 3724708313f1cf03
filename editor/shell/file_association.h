#pragma once
// The ".TWF" file association under HKEY_CLASSES_ROOT. The open command
// quotes the program path (a path with blanks must stay one argument) and
// the icon names resource id 128 ("-128"; a plain 128 would be the 129th
// icon of the file).

#include <windows.h>

#include <string>
#include <vector>

namespace hexmoor::shell {

struct RegistryDefault {
    std::wstring subKey;
    std::wstring value;
};

// The five default values, in the order they are written; the command and
// icon keys only when the program path is known.
std::vector<RegistryDefault> AssociationValues(const std::wstring& programPath);

// Writes those that differ from what root holds (missing ones included);
// failures are ignored, the count written returned.
int WriteFileAssociation(HKEY root, const std::wstring& programPath);

// The running program's full path.
std::wstring ProgramPath();

} // namespace hexmoor::shell
