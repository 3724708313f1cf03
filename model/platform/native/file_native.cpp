// The file layer's system calls in the native tree (POSIX descriptors).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "model/platform/file.h"
#include "model/platform/file_system.h"

namespace hexmoor::platform {

namespace {

std::string NarrowPath(const std::wstring& path) {
    // UTF-8, so that any file name the tests use reaches the file system.
    std::string out;
    for (wchar_t wc : path) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

void DebugOutput(std::string_view) {}

void SleepMilliseconds(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

bool CreateFolder(const std::wstring& path) {
    const std::string narrow = NarrowPath(path);
    if (::mkdir(narrow.c_str(), 0755) == 0) return true;
    struct stat st {};
    return ::stat(narrow.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace detail {

bool SystemFile::Close() {
    if (!IsOpen()) return true;
    const int rc = ::close(static_cast<int>(handle_));
    handle_ = kClosed;
    return rc == 0;
}

InputFile::InputFile(const std::wstring& path) {
    handle_ = ::open(NarrowPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    // A folder opens for reading on POSIX, and a device has no size: neither is a file to read.
    if (IsOpen() && ::fstat(static_cast<int>(handle_), &st) == 0 && S_ISREG(st.st_mode)) {
        openResult_ = FileReadResult::kOk;
    }
}

bool InputFile::Size(std::uint64_t* bytes) const {
    struct stat st {};
    if (::fstat(static_cast<int>(handle_), &st) != 0 || st.st_size < 0) return false;
    *bytes = static_cast<std::uint64_t>(st.st_size);
    return true;
}

std::int64_t InputFile::Read(std::uint8_t* data, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(handle_), data, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

OutputFile::OutputFile(const std::wstring& path, Creation creation) {
    const int how = creation == Creation::kCreateNew ? O_EXCL : O_TRUNC;
    handle_ = ::open(NarrowPath(path).c_str(), O_WRONLY | O_CREAT | how | O_CLOEXEC, 0644);
    if (!IsOpen() && creation == Creation::kCreateNew) nameTaken_ = errno == EEXIST;
}

bool OutputFile::Write(std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const ssize_t n = ::write(static_cast<int>(handle_), data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool OutputFile::FlushToDisk() { return ::fsync(static_cast<int>(handle_)) == 0; }

bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
    return ::rename(NarrowPath(from).c_str(), NarrowPath(to).c_str()) == 0;
}

void RemoveFile(const std::wstring& path) { ::unlink(NarrowPath(path).c_str()); }

void ShowSystemMessageBox(const std::wstring&, const std::wstring&, unsigned) {}

} // namespace detail

} // namespace hexmoor::platform
