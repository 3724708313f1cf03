#include <windows.h>

#include "model/platform/file.h"

namespace hexmoor::platform {

namespace {
struct HandleCloser {
    HANDLE handle;
    ~HandleCloser() {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
};
} // namespace

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out) {
    HandleCloser file{::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return FileReadResult::kCannotOpen;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.handle, &size) || size.QuadPart > 0x7FFFFFFF) return FileReadResult::kReadError;
    out->resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < out->size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(out->size() - done, 1u << 24));
        if (!::ReadFile(file.handle, out->data() + done, chunk, &read, nullptr) || read == 0) {
            return FileReadResult::kReadError;
        }
        done += read;
    }
    return FileReadResult::kOk;
}

bool WriteFileReplacing(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::wstring temporary = path + L".~tmp";
    {
        HandleCloser file{
            ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (file.handle == INVALID_HANDLE_VALUE) return false;
        size_t done = 0;
        bool ok = true;
        while (ok && done < bytes.size()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
            ok = ::WriteFile(file.handle, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
            done += written;
        }
        ok = ok && ::FlushFileBuffers(file.handle);
        if (!ok) {
            ::CloseHandle(file.handle);
            file.handle = INVALID_HANDLE_VALUE;
            ::DeleteFileW(temporary.c_str());
            return false;
        }
    }
    if (!::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

void ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags) {
    ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), flags);
}

} // namespace hexmoor::platform
