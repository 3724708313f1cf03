// The file layer's system calls in the Windows tree (Win32 handles).
#include <windows.h>

#include <algorithm>

#include "model/platform/file.h"
#include "model/platform/file_system.h"

namespace hexmoor::platform {

namespace {

// Win32 transfers take at most a DWORD of bytes at a time.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

class ReadHandle {
public:
    explicit ReadHandle(HANDLE handle) : handle_(handle) {}
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    ~ReadHandle() {
        if (Valid()) ::CloseHandle(handle_);
    }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

HANDLE AsHandle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

} // namespace

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out) {
    out->clear();
    ReadHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION ? FileReadResult::kSharingViolation
                                                           : FileReadResult::kCannotOpen;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) return FileReadResult::kReadError;
    if (size.QuadPart < 0 || static_cast<std::uint64_t>(size.QuadPart) > kMaxFileBytes) {
        return FileReadResult::kTooLarge;
    }
    out->resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < out->size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(out->size() - done, kMaxTransfer));
        DWORD read = 0;
        if (!::ReadFile(file.Get(), out->data() + done, chunk, &read, nullptr)) return FileReadResult::kReadError;
        if (read == 0) break; // the file shrank while it was read
        done += read;
    }
    out->resize(done);
    return FileReadResult::kOk;
}

void DebugOutput(std::string_view line) {
    const std::string text(line);
    ::OutputDebugStringA(text.c_str());
}

void SleepMilliseconds(unsigned milliseconds) { ::Sleep(milliseconds); }

namespace detail {

OutputFile::OutputFile(const std::wstring& path)
    : handle_(reinterpret_cast<std::intptr_t>(
          ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))) {}

bool OutputFile::Write(std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min(data.size(), kMaxTransfer));
        DWORD written = 0;
        if (!::WriteFile(AsHandle(handle_), data.data(), chunk, &written, nullptr) || written == 0) return false;
        data = data.subspan(written);
    }
    return true;
}

bool OutputFile::FlushToDisk() { return ::FlushFileBuffers(AsHandle(handle_)) != FALSE; }

bool OutputFile::Close() {
    if (!IsOpen()) return true;
    const BOOL ok = ::CloseHandle(AsHandle(handle_));
    handle_ = kClosed;
    return ok != FALSE;
}

bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void RemoveFile(const std::wstring& path) { ::DeleteFileW(path.c_str()); }

void ShowSystemMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags) {
    ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), flags);
}

} // namespace detail

} // namespace hexmoor::platform
