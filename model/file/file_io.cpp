#include "model/file/file_io.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#endif

std::wstring TemporaryPathFor(const std::wstring& path) { return path + L".saving~"; }

#ifdef _WIN32

namespace {

class HandleCloser {
public:
    explicit HandleCloser(HANDLE h) : handle_(h) {}
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;
    ~HandleCloser() { Close(); }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        if (!Valid()) return true;
        BOOL ok = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

private:
    HANDLE handle_;
};

class HandleSink : public ByteSink {
public:
    explicit HandleSink(HANDLE h) : handle_(h) {}
    bool Write(std::span<const std::uint8_t> data) override {
        while (!data.empty()) {
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 30));
            DWORD written = 0;
            if (!WriteFile(handle_, data.data(), chunk, &written, nullptr) || written == 0) return false;
            data = data.subspan(written);
        }
        return true;
    }

private:
    HANDLE handle_;
};

} // namespace

FileReadStatus ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>* out) {
    out->clear();
    HandleCloser file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return GetLastError() == ERROR_SHARING_VIOLATION ? FileReadStatus::kSharingViolation
                                                         : FileReadStatus::kCannotOpen;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) return FileReadStatus::kReadError;
    if (size.QuadPart < 0 || static_cast<std::uint64_t>(size.QuadPart) > kMaxSkinFileBytes) {
        return FileReadStatus::kTooLarge;
    }
    out->resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < out->size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out->size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file.Get(), out->data() + done, chunk, &read, nullptr)) return FileReadStatus::kReadError;
        if (read == 0) break; // the file shrank while we read it
        done += read;
    }
    out->resize(done);
    return FileReadStatus::kRead;
}

bool WriteFileReplacing(const std::wstring& path, const std::function<bool(ByteSink&)>& produce) {
    const std::wstring temp = TemporaryPathFor(path);
    bool ok;
    {
        HandleCloser file(
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        HandleSink sink(file.Get());
        ok = produce(sink);
        ok = ok && FlushFileBuffers(file.Get()) != FALSE;
        ok = file.Close() && ok;
    }
    ok = ok && MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

void DebugOutput(std::string_view line) {
    std::string text(line);
    OutputDebugStringA(text.c_str());
}

void SleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

#else // POSIX: the native tree (tests, fuzzing, tools)

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

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    bool Close() {
        if (fd_ < 0) return true;
        int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

class DescriptorSink : public ByteSink {
public:
    explicit DescriptorSink(int fd) : fd_(fd) {}
    bool Write(std::span<const std::uint8_t> data) override {
        while (!data.empty()) {
            ssize_t n = ::write(fd_, data.data(), data.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            data = data.subspan(static_cast<std::size_t>(n));
        }
        return true;
    }

private:
    int fd_;
};

} // namespace

FileReadStatus ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>* out) {
    out->clear();
    Descriptor file(::open(NarrowPath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return FileReadStatus::kCannotOpen;
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) return FileReadStatus::kReadError;
    if (!S_ISREG(st.st_mode)) return FileReadStatus::kCannotOpen;
    if (static_cast<std::uint64_t>(st.st_size) > kMaxSkinFileBytes) return FileReadStatus::kTooLarge;
    out->resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < out->size()) {
        ssize_t n = ::read(file.Get(), out->data() + done, out->size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FileReadStatus::kReadError;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    out->resize(done);
    return FileReadStatus::kRead;
}

bool WriteFileReplacing(const std::wstring& path, const std::function<bool(ByteSink&)>& produce) {
    const std::string target = NarrowPath(path);
    const std::string temp = NarrowPath(TemporaryPathFor(path));
    bool ok;
    {
        Descriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (!file.Valid()) return false;
        DescriptorSink sink(file.Get());
        ok = produce(sink);
        ok = ok && ::fsync(file.Get()) == 0;
        ok = file.Close() && ok;
    }
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

void DebugOutput(std::string_view) {}

void SleepMilliseconds(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

#endif
