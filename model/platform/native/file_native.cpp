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

class ReadDescriptor {
public:
    explicit ReadDescriptor(int fd) : fd_(fd) {}
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;
    ~ReadDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out) {
    out->clear();
    ReadDescriptor file(::open(NarrowPath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return FileReadResult::kCannotOpen;
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) return FileReadResult::kReadError;
    if (!S_ISREG(st.st_mode)) return FileReadResult::kCannotOpen;
    if (static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) return FileReadResult::kTooLarge;
    out->resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < out->size()) {
        const ssize_t n = ::read(file.Get(), out->data() + done, out->size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FileReadResult::kReadError;
        if (n == 0) break; // the file shrank while it was read
        done += static_cast<std::size_t>(n);
    }
    out->resize(done);
    return FileReadResult::kOk;
}

void DebugOutput(std::string_view) {}

void SleepMilliseconds(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

namespace detail {

OutputFile::OutputFile(const std::wstring& path)
    : handle_(::open(NarrowPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {}

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

bool OutputFile::Close() {
    if (!IsOpen()) return true;
    const int rc = ::close(static_cast<int>(handle_));
    handle_ = kClosed;
    return rc == 0;
}

bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
    return ::rename(NarrowPath(from).c_str(), NarrowPath(to).c_str()) == 0;
}

void RemoveFile(const std::wstring& path) { ::unlink(NarrowPath(path).c_str()); }

void ShowSystemMessageBox(const std::wstring&, const std::wstring&, unsigned) {}

} // namespace detail

} // namespace hexmoor::platform
