#include <cstdio>
#include <filesystem>
#include <fstream>

#include "model/platform/file.h"

namespace hexmoor::platform {

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return FileReadResult::kCannotOpen;
    out->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.bad() ? FileReadResult::kReadError : FileReadResult::kOk;
}

bool WriteFileReplacing(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target(path);
    std::filesystem::path temporary = target;
    temporary += ".~tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return false;
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (!file) {
            file.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

void ShowMessageBox(const std::wstring&, const std::wstring&, unsigned) {}

} // namespace hexmoor::platform
