#include "editor/shell/file_association.h"

#include "framework/profile.h"

namespace hexmoor::shell {

std::vector<RegistryDefault> AssociationValues(const std::wstring& programPath) {
    std::wstring command = programPath.empty() ? L"" : L"\"" + programPath + L"\" \"%1\"";
    std::vector<RegistryDefault> out;
    out.push_back({L".TWF", L"Tarnwick.Document"});
    if (!command.empty()) out.push_back({L".TWF\\shell\\open\\command", command});
    out.push_back({L"Tarnwick.Document", L"Tarnwick skin file"});
    if (!command.empty()) {
        out.push_back({L"Tarnwick.Document\\DefaultIcon", programPath + L",-128"});
        out.push_back({L"Tarnwick.Document\\shell\\open\\command", command});
    }
    return out;
}

int WriteFileAssociation(HKEY root, const std::wstring& programPath) {
    // Read first: a start without a file runs this every time, and the
    // values are nearly always there already.
    int written = 0;
    for (const auto& v : AssociationValues(programPath))
        if (fw::ReadRegistryString(root, v.subKey, L"") != v.value &&
            fw::SetClassesRootValue(root, v.subKey.c_str(), L"", v.value.c_str()))
            ++written;
    return written;
}

std::wstring ProgramPath() {
    std::wstring path(1024, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) return {};
    path.resize(n);
    return path;
}

} // namespace hexmoor::shell
