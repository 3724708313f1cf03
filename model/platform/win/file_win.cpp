// The file layer's system calls in the Windows tree (Win32 handles).
#include <windows.h>

#include <algorithm>

#include "model/platform/file.h"
#include "model/platform/file_system.h"

namespace hexmoor::platform {

namespace {

// Win32 transfers take at most a DWORD of bytes at a time.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

HANDLE AsHandle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }
std::intptr_t FromHandle(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

} // namespace

void DebugOutput(std::string_view line) {
    const std::string text(line);
    ::OutputDebugStringA(text.c_str());
}

void SleepMilliseconds(unsigned milliseconds) { ::Sleep(milliseconds); }

bool CreateFolder(const std::wstring& path) {
    if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

namespace detail {

bool SystemFile::Close() {
    if (!IsOpen()) return true;
    // Closed by hand, not by an owner: a failed close of a written file is a
    // failed write, and the caller needs CloseHandle's answer.
    const BOOL ok = ::CloseHandle(AsHandle(handle_));
    handle_ = kClosed;
    return ok != FALSE;
}

InputFile::InputFile(const std::wstring& path) {
    handle_ = FromHandle(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (IsOpen()) {
        openResult_ = FileReadResult::kOk;
    } else if (::GetLastError() == ERROR_SHARING_VIOLATION) {
        openResult_ = FileReadResult::kSharingViolation;
    }
}

bool InputFile::Size(std::uint64_t* bytes) const {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(AsHandle(handle_), &size) || size.QuadPart < 0) return false;
    *bytes = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

std::int64_t InputFile::Read(std::uint8_t* data, std::size_t size) {
    DWORD read = 0;
    if (!::ReadFile(AsHandle(handle_), data, static_cast<DWORD>(std::min(size, kMaxTransfer)), &read, nullptr)) {
        return -1;
    }
    return read;
}

OutputFile::OutputFile(const std::wstring& path, Creation creation) {
    const DWORD disposition = creation == Creation::kCreateNew ? CREATE_NEW : CREATE_ALWAYS;
    handle_ =
        FromHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!IsOpen() && creation == Creation::kCreateNew) {
        const DWORD error = ::GetLastError();
        nameTaken_ = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    }
}

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

bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void RemoveFile(const std::wstring& path) { ::DeleteFileW(path.c_str()); }

void ShowSystemMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags) {
    ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), flags);
}

} // namespace detail

} // namespace hexmoor::platform
