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

// A file opened for writing (created, or truncated when it exists), closed
// when the object goes.
class OutputFile : public ByteSink {
public:
    explicit OutputFile(const std::wstring& path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override { Close(); }

    bool IsOpen() const { return handle_ != kClosed; }
    bool Write(std::span<const std::uint8_t> data) override;
    // Flushes everything written so far to the disk itself.
    bool FlushToDisk();
    // False when closing reported an error (a write that failed late).
    bool Close();

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed; // HANDLE or file descriptor
};

// Moves `from` over `to`, replacing it; false when the system refuses.
bool MoveReplacing(const std::wstring& from, const std::wstring& to);
void RemoveFile(const std::wstring& path);
// The system's message box (nothing in the native tree).
void ShowSystemMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags);

} // namespace hexmoor::platform::detail
