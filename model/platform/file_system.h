// The system calls under the file layer (model/platform/file.h), one set per
// tree: platform/win with Win32 handles, platform/native with POSIX
// descriptors. The rules of reading and replacing live once in the shared
// file layer; only these primitives differ.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/platform/file.h"

namespace hexmoor::platform::detail {

// An open file of the system, closed when the object goes.
class SystemFile {
public:
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile() { Close(); }

    bool IsOpen() const { return handle_ != kClosed; }
    // False when closing reported an error (a write that failed late).
    bool Close();

protected:
    SystemFile() = default;
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed; // HANDLE or file descriptor
};

// A regular file opened for reading, others may read it too.
class InputFile : public SystemFile {
public:
    explicit InputFile(const std::wstring& path);
    // kOk when open, else why not: kCannotOpen (also for a folder or a
    // device) or kSharingViolation.
    FileReadResult OpenResult() const { return openResult_; }
    // The file's size; false when the system cannot tell.
    bool Size(std::uint64_t* bytes) const;
    // Reads at most `size` bytes: the count read (0 at the end), -1 on error.
    std::int64_t Read(std::uint8_t* data, std::size_t size);

private:
    FileReadResult openResult_ = FileReadResult::kCannotOpen;
};

// How an output file is opened: created, or truncated when it exists; or
// created only when no file of that name exists yet.
enum class Creation { kCreateOrTruncate, kCreateNew };

// A file opened for writing only by us.
class OutputFile : public SystemFile, public ByteSink {
public:
    explicit OutputFile(const std::wstring& path, Creation creation = Creation::kCreateOrTruncate);
    bool Write(std::span<const std::uint8_t> data) override;
    // Flushes everything written so far to the disk itself.
    bool FlushToDisk();
    // Opened with kCreateNew and not open because the name is taken.
    bool NameTaken() const { return nameTaken_; }

private:
    bool nameTaken_ = false;
};

// Moves `from` over `to`, replacing it; false when the system refuses.
bool MoveReplacing(const std::wstring& from, const std::wstring& to);
void RemoveFile(const std::wstring& path);
// The system's message box (nothing in the native tree).
void ShowSystemMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags);

} // namespace hexmoor::platform::detail
